// The menu bar's commands: display modes, start with Windows, help, About, and Exit.
#include <windows.h>

#include <shellapi.h>

#include "app/main_window.h"
#include "data/executable_folder.h"
#include "decisions/startup_value.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr wchar_t kProductPage[] = L"https://velmora.co.ir/velmora-fa.html";

void setDisplayMode(Calendar mode) {
    app.navigation.displayMode = mode;
    constexpr UINT kItems[] = {IDM_OPTION_JALALI_MODE, IDM_OPTION_MILADI_MODE, IDM_OPTION_HIJRI_MODE};
    for (const Calendar calendar : kCalendars)
        CheckMenuItem(app.mainMenu, kItems[calendarIndex(calendar)], calendar == mode ? MF_CHECKED : MF_UNCHECKED);
    showShownMonth();
}

// The last item of "Option" alternates between adding and removing the registration.
void replaceStartupItem(UINT removed, UINT added, const wchar_t* text) {
    const HMENU option = GetSubMenu(app.mainMenu, 1);
    DeleteMenu(option, removed, MF_BYCOMMAND);
    AppendMenuW(option, MF_STRING, added, text);
}

void writeRunValue(HKEY root, const std::u16string& command) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, wide(kRunKeyPath.data()), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, wide(kRunValueName.data()), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void deleteRunValue(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, wide(kRunKeyPath.data()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, wide(kRunValueName.data()));
    RegCloseKey(key);
}

void addToStartup() {
    const std::wstring path = executablePath().wstring();
    const std::u16string command = startupCommand(std::u16string(path.begin(), path.end()));
    writeRunValue(HKEY_CURRENT_USER, command);
    writeRunValue(HKEY_LOCAL_MACHINE, command);  // fails quietly without the rights
    replaceStartupItem(IDM_OPTION_ADD_TO_STARTUP, IDM_OPTION_REMOVE_FROM_STARTUP, L"Remove From Startup");
}

void removeFromStartup() {
    deleteRunValue(HKEY_CURRENT_USER);
    deleteRunValue(HKEY_LOCAL_MACHINE);
    replaceStartupItem(IDM_OPTION_REMOVE_FROM_STARTUP, IDM_OPTION_ADD_TO_STARTUP, L"Add To Startup");
}

void openContents() {
    const std::filesystem::path path = executableFolder() / "content.htm";
    ShellExecuteW(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// While calendar.ini is damaged the box says so below its foot, made taller to hold it.
void showDataProblem(HWND dialog) {
    if (app.toldDataProblem.empty()) return;
    const HWND note = GetDlgItem(dialog, IDC_ABOUT_DATA_PROBLEM);
    const std::u16string text = u"calendar.ini is damaged; lunar Hijri dates are left out:\n" + app.toldDataProblem;
    SetWindowTextW(note, wide(text.c_str()));
    ShowWindow(note, SW_SHOW);
    RECT extra{0, 0, 0, 50};
    MapDialogRect(dialog, &extra);
    RECT box;
    GetWindowRect(dialog, &box);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + extra.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        showDataProblem(dialog);
        return TRUE;
    }
    // Only the Ok button (and Enter, which presses it) closes the box; Escape sends IDCANCEL.
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void detectStartupRegistration() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(kRunKeyPath.data()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegOpenKeyExW(HKEY_CURRENT_USER, wide(kRunKeyPath.data()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return;
    }
    const bool present =
        RegQueryValueExW(key, wide(kRunValueName.data()), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (present) replaceStartupItem(IDM_OPTION_ADD_TO_STARTUP, IDM_OPTION_REMOVE_FROM_STARTUP, L"Remove From Startup");
}

// True for the commands that end the message's handling at once.
bool onMenuCommand(WORD id) {
    switch (id) {
        case IDM_OPTION_JALALI_MODE: setDisplayMode(Calendar::jalali); return true;
        case IDM_OPTION_MILADI_MODE: setDisplayMode(Calendar::gregorian); return true;
        case IDM_OPTION_HIJRI_MODE: setDisplayMode(Calendar::hijri); return true;
        case IDM_TRAY_OPEN: ShowWindow(app.mainWindow, SW_SHOWNORMAL); return true;
        case IDM_TRAY_EXIT:
        case IDM_FILE_EXIT:
            PostQuitMessage(0);
            removeTrayIcon();
            return false;
        case IDM_OPTION_ADD_TO_STARTUP: addToStartup(); return false;
        case IDM_OPTION_REMOVE_FROM_STARTUP: removeFromStartup(); return false;
        case IDM_HELP_CONTENTS: openContents(); return false;
        case IDM_HELP_CHECK_FOR_UPDATES:
            ShellExecuteW(nullptr, nullptr, kProductPage, nullptr, nullptr, SW_SHOW);
            return false;
        case IDM_HELP_ABOUT:
            DialogBoxParamW(app.instance, L"AboutBox", app.mainWindow, aboutDialogProc, 0);
            return false;
        default: return false;
    }
}

}  // namespace velmora
