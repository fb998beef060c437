// The process entry: one instance, the main window and the message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/main_window.h"
#include "data/dll_search.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using velmora::MainWindow;
    velmora::restrictDllSearchToSystem();  // before anything can load a DLL
    // Screen readers reach the grid's accessible object through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const bool registered = MainWindow::registerClass(instance);

    // One instance in the session, by a named mutex: two starts at once would both miss the
    // other's window. The later shows the first one's window (which may still be on its way)
    // and leaves; ShowWindow answers whether that window was visible, which becomes this
    // start's exit code. The mutex is the process's until it ends.
    CreateMutexW(nullptr, FALSE, L"Local\\Velmora.Running");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        for (int tries = 0; tries < 100; ++tries) {
            if (const HWND running = FindWindowW(MainWindow::kClassName, MainWindow::kTitle))
                return ShowWindow(running, showCommand);
            Sleep(50);
        }
        return 0;
    }
    if (!registered) return 1;

    MainWindow window(instance);
    if (!window.create(showCommand)) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return static_cast<int>(message.wParam);
}
