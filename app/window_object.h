// Windows and dialogs as objects: the system's procedure finds the object behind a handle and
// hands it the message; each object's state lives in its members.
#pragma once

#include <windows.h>

namespace velmora {

// A window whose procedure is T::handleMessage. CreateWindowExW must be given the object as
// its creation parameter: WM_NCCREATE stores it in GWLP_USERDATA, and every later message
// reaches it. Messages before WM_NCCREATE (WM_GETMINMAXINFO) go to the default procedure.
template <typename T>
class WindowObject {
  public:
    HWND handle() const { return handle_; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<T*>(create->lpCreateParams);
            self->handle_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        }
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        const LRESULT result = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {  // the handle is gone; the object may outlive it
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->handle_ = nullptr;
        }
        return result;
    }

  protected:
    WindowObject() = default;
    ~WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

  private:
    HWND handle_ = nullptr;
};

// A dialog whose procedure is T::handleMessage, which answers as a dialog procedure does
// (TRUE for a message it handled). The object is the dialog's initialisation parameter,
// kept in DWLP_USER from WM_INITDIALOG on.
template <typename T>
class DialogObject {
  public:
    HWND handle() const { return handle_; }

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        T* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<T*>(lParam);
            self->handle_ = dialog;
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        } else {
            self = reinterpret_cast<T*>(GetWindowLongPtrW(dialog, DWLP_USER));
        }
        if (self == nullptr) return FALSE;
        const INT_PTR result = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(dialog, DWLP_USER, 0);
            self->handle_ = nullptr;
        }
        return result;
    }

  protected:
    DialogObject() = default;
    ~DialogObject() = default;
    DialogObject(const DialogObject&) = delete;
    DialogObject& operator=(const DialogObject&) = delete;

  private:
    HWND handle_ = nullptr;
};

}  // namespace velmora
