// Windows and dialogs as objects: the system's procedure finds the object behind a handle and
// hands it the message; each object's state lives in its members.
#pragma once

#include <windows.h>

#include "app/theme.h"

namespace velmora {

// An object bound to a window handle through one of the window's slots.
template <typename T, int kSlot>
class HandleObject {
  public:
    HWND handle() const { return handle_; }

  protected:
    HandleObject() = default;
    ~HandleObject() = default;
    HandleObject(const HandleObject&) = delete;
    HandleObject& operator=(const HandleObject&) = delete;

    // The object behind the handle; `first`, handed over with the window's first message,
    // binds the two.
    static T* bound(HWND handle, T* first) {
        if (first == nullptr) return reinterpret_cast<T*>(GetWindowLongPtrW(handle, kSlot));
        first->handle_ = handle;
        SetWindowLongPtrW(handle, kSlot, reinterpret_cast<LONG_PTR>(first));
        return first;
    }
    // At WM_NCDESTROY: the handle is gone, and the object may outlive it.
    static void unbind(HWND handle, T* self) {
        SetWindowLongPtrW(handle, kSlot, 0);
        self->handle_ = nullptr;
    }

  private:
    HWND handle_ = nullptr;
};

// A window whose procedure is T::handleMessage. CreateWindowExW must be given the object as
// its creation parameter, which WM_NCCREATE binds (GWLP_USERDATA). Messages before it
// (WM_GETMINMAXINFO) go to the default procedure.
template <typename T>
class WindowObject : public HandleObject<T, GWLP_USERDATA> {
  public:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        T* first = message == WM_NCCREATE
                       ? static_cast<T*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams)
                       : nullptr;
        T* self = WindowObject::bound(window, first);
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        const LRESULT result = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) WindowObject::unbind(window, self);
        return result;
    }
};

// A dialog whose procedure is T::handleMessage, which answers as a dialog procedure does
// (TRUE for a message it handled). The object is the dialog's initialisation parameter,
// which WM_INITDIALOG binds (DWLP_USER).
template <typename T>
class DialogObject : public HandleObject<T, DWLP_USER> {
  public:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = DialogObject::bound(dialog, message == WM_INITDIALOG ? reinterpret_cast<T*>(lParam) : nullptr);
        if (self == nullptr) return FALSE;
        // Every dialog in the program's theme, and again when Windows changes its own.
        if (const auto colour = themedControlColour(message, wParam)) return static_cast<INT_PTR>(*colour);
        if (saysThemeChanged(message, wParam, lParam)) {
            chooseActivePalette();
            themeWindow(dialog);
        }
        const INT_PTR result = self->handleMessage(message, wParam, lParam);
        if (message == WM_INITDIALOG) themeWindow(dialog);
        if (message == WM_NCDESTROY) DialogObject::unbind(dialog, self);
        return result;
    }
};

}  // namespace velmora
