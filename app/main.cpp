// The process entry: one instance, the main window and the message loop.
#include <windows.h>

#include <commctrl.h>

#include "app/main_window.h"
#include "decisions/icon_size.h"
#include "resources/resource_ids.h"

namespace velmora {

AppState app;

namespace {

constexpr wchar_t kWindowClass[] = L"calendar";
constexpr wchar_t kWindowTitle[] = L"Velmora";

bool registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    // Both kept for the life of the process, at the display's scale.
    windowClass.hIcon = loadScaledIcon(instance, L"calendar", kWindowIconPixels);
    windowClass.hIconSm = loadScaledIcon(instance, L"calendar", kTrayIconPixels);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Created once and kept for the life of the process.
    windowClass.hbrBackground = CreateSolidBrush(RGB(243, 246, 247));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MAIN_MENU);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace
}  // namespace velmora

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace velmora;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const bool registered = registerWindowClass(instance);
    app.instance = instance;

    // A running instance, by class and title: show its window and leave. ShowWindow answers
    // whether that window was visible, which becomes this start's exit code.
    if (const HWND running = FindWindowW(kWindowClass, kWindowTitle); running != nullptr) {
        return ShowWindow(running, showCommand);
    }
    if (!registered) return 1;

    app.mainWindow =
        CreateWindowExW(0, kWindowClass, kWindowTitle, WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 300, 90,
                        400, 569, nullptr, nullptr, instance, nullptr);
    if (app.mainWindow == nullptr) return 1;

    // The year box's own procedure stays reachable for everything but Enter.
    app.yearEditBaseProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(app.yearEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yearEditProc)));
    ShowWindow(app.mainWindow, showCommand);
    UpdateWindow(app.mainWindow);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // IsDialogMessageW would swallow Enter in the year box: dispatch it first.
        if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && message.hwnd == app.yearEdit) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (!IsDialogMessageW(app.mainWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
