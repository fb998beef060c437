// Drives the real Velmora.exe as a user would, through real window messages, and reads
// back what a user sees: windows, controls, menus, the registry, visibility and exit codes.
//
//   velmora-driver SCENARIO [SCREENSHOT-FOLDER]
//
// Each scenario starts its own Velmora.exe beside this program, checks, and ends it. The
// last line is "N passed, N failed"; the exit code is the number of failures.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/display_scale.h"
#include "decisions/window_layout.h"
#include "render/prayer_band.h"
#include "resources/resource_ids.h"

namespace {

int passed = 0;
int failed = 0;

void check(bool condition, const std::string& what) {
    (condition ? passed : failed)++;
    std::printf("%s - %s\n", condition ? "ok" : "not ok", what.c_str());
    std::fflush(stdout);
}

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::wstring folderOfThisProgram() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// A started Velmora.exe.
struct Program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// Starts a Velmora.exe: this folder's, by a quoted command line, unless told otherwise. With
// an application name the command line reaches the program exactly as written. Does not wait
// for it.
Program launch(int showCommand = SW_SHOWNORMAL, const std::wstring& application = L"", std::wstring commandLine = L"") {
    Program program;
    if (commandLine.empty()) commandLine = L"\"" + folderOfThisProgram() + L"Velmora.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    // A working folder elsewhere, so that only the program's own folder can give it its files.
    wchar_t elsewhere[MAX_PATH];
    GetTempPathW(MAX_PATH, elsewhere);
    if (!CreateProcessW(application.empty() ? nullptr : application.c_str(), commandLine.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, elsewhere, &startup, &program.process)) {
        program.process = {};
    }
    return program;
}

// The same, and waits until its window answers.
Program start(int showCommand = SW_SHOWNORMAL, const std::wstring& application = L"", std::wstring commandLine = L"") {
    Program program = launch(showCommand, application, std::move(commandLine));
    if (program.process.hProcess == nullptr) return program;
    WaitForInputIdle(program.process.hProcess, 10000);
    for (int i = 0; i < 200 && program.window == nullptr; ++i) {
        program.window = FindWindowW(L"calendar", L"Velmora");
        if (program.window == nullptr) Sleep(50);
    }
    // The window exists from CreateWindow on, before WM_CREATE has made its controls: ready
    // is when its thread answers a message from its loop.
    if (program.window != nullptr) SendMessageTimeoutW(program.window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    return program;
}

// Starts the copy of Velmora.exe in a folder of a test's own (see copyProgram).
Program startCopy(const std::wstring& folder) { return start(SW_SHOWNORMAL, L"", L"\"" + folder + L"Velmora.exe\""); }

DWORD waitForExit(const Program& program, DWORD milliseconds) {
    if (WaitForSingleObject(program.process.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = 0;
    GetExitCodeProcess(program.process.hProcess, &code);
    return code;
}

void stop(Program& program) {
    if (program.window != nullptr) PostMessageW(program.window, WM_COMMAND, 40002, 0);
    if (waitForExit(program, 10000) == STILL_ACTIVE) TerminateProcess(program.process.hProcess, 99);
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
}

// Lets the program handle what was posted and paint.
void settle(HWND window) {
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    UpdateWindow(window);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
}

std::wstring textOf(HWND window) {
    wchar_t buffer[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring classOf(HWND window) {
    wchar_t buffer[128] = {};
    GetClassNameW(window, buffer, 128);
    return buffer;
}

// The child with this id and class (two children share id 10).
HWND child(HWND parent, int id, const wchar_t* className) {
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(c) == id && _wcsicmp(classOf(c).c_str(), className) == 0) return c;
    }
    return nullptr;
}

HWND yearEdit(HWND w) { return child(w, 2, L"Edit"); }
HWND jalaliCombo(HWND w) { return child(w, 1, L"ComboBox"); }
HWND gregorianCombo(HWND w) { return child(w, 10, L"ComboBox"); }
HWND hijriCombo(HWND w) { return child(w, 100, L"ComboBox"); }

void command(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    settle(window);
}

void selectMonth(HWND window, HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    settle(window);
}

// A posted key is handled, and the window repainted, some time after PostMessage returns:
// wait until the year box no longer holds what it held (the paint rewrites it).
void waitForYearBoxChange(HWND window, const std::wstring& before) {
    for (int i = 0; i < 150; ++i) {
        settle(window);
        if (textOf(yearEdit(window)) != before) return;
        Sleep(20);
    }
}

// Types a year and presses Enter, through the program's message loop as a key press arrives.
void typeYear(HWND window, const std::wstring& year) {
    SendMessageW(yearEdit(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(year.c_str()));
    PostMessageW(yearEdit(window), WM_KEYDOWN, VK_RETURN, 0);
    waitForYearBoxChange(window, year);
}

// The Up or Down key in the year box, which the up-down control turns into its notification.
void pressArrow(HWND window, WPARAM key) {
    const std::wstring before = textOf(yearEdit(window));
    PostMessageW(yearEdit(window), WM_KEYDOWN, key, 0);
    PostMessageW(yearEdit(window), WM_KEYUP, key, 0);
    waitForYearBoxChange(window, before);
}

// A click on the upper or lower arrow of the up-down control.
void clickArrow(HWND window, bool up) {
    const HWND arrows = child(window, 10, L"msctls_updown32");
    RECT r;
    GetClientRect(arrows, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : (r.bottom * 3) / 4);
    const std::wstring before = textOf(yearEdit(window));
    PostMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(arrows, WM_LBUTTONUP, 0, at);
    waitForYearBoxChange(window, before);
}

int selection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

// A rectangle of the screen's pixels, laid out as `info` says (its size is the rectangle's).
std::vector<BYTE> screenPixels(const RECT& r, BITMAPINFOHEADER& info) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    const int stride = ((w * info.biBitCount / 8 + 3) / 4) * 4;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Saves a rectangle of the screen as a 24-bit BMP.
void screenshotOf(RECT r, const std::wstring& path) {
    if (path.empty()) return;
    BITMAPINFOHEADER info{sizeof info, r.right - r.left, r.bottom - r.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const std::vector<BYTE> pixels = screenPixels(r, info);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof info};
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
}

// Saves the window as it stands on the screen.
void screenshot(HWND window, const std::wstring& path) {
    if (path.empty()) return;
    SetForegroundWindow(window);
    settle(window);
    Sleep(300);
    RECT r;
    GetWindowRect(window, &r);
    screenshotOf(r, path);
}

std::wstring persianDigits(int value) {
    std::wstring text = std::to_wstring(value);
    for (wchar_t& c : text) c = static_cast<wchar_t>(c - L'0' + 0x06F0);
    return text;
}

// Today's Solar Hijri year by the formulas the program uses, for an independent look.
int jalaliYearOfToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    // Nowruz falls on 20 or 21 March in these years.
    return now.wMonth > 3 || (now.wMonth == 3 && now.wDay >= 21) ? now.wYear - 621 : now.wYear - 622;
}

UINT liveGdiMessage() { return RegisterWindowMessageW(L"Velmora.LiveGdiObjects"); }

// The Solar Hijri day of the tray icon; 0 while there is none.
LRESULT trayDay(HWND w) { return SendMessageW(w, RegisterWindowMessageW(L"Velmora.TrayDay"), 0, 0); }
// The tray icon's identifier (low word) and how many times it was added (high word).
LRESULT trayIdentity(HWND w) { return SendMessageW(w, RegisterWindowMessageW(L"Velmora.TrayIdentity"), 0, 0); }

// Today's Solar Hijri day of the month, reckoned apart from the program: Nowruz falls on
// 20 March in the Gregorian leap years of this century and on 21 March in the others.
int jalaliDayOfToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto dayOf = [](WORD year, WORD month, WORD day) {
        SYSTEMTIME t{};
        t.wYear = year;
        t.wMonth = month;
        t.wDay = day;
        FILETIME f;
        SystemTimeToFileTime(&t, &f);
        return static_cast<long long>((ULARGE_INTEGER{{f.dwLowDateTime, f.dwHighDateTime}}.QuadPart) / 864000000000ULL);
    };
    const auto nowruz = [&](WORD year) { return dayOf(year, 3, year % 4 == 0 ? 20 : 21); };
    const long long today = dayOf(now.wYear, now.wMonth, now.wDay);
    long long days = today - nowruz(now.wYear);
    if (days < 0) days = today - nowruz(static_cast<WORD>(now.wYear - 1));
    if (days < 186) return static_cast<int>(days % 31) + 1;
    return static_cast<int>((days - 186) % 30) + 1;
}

// The state of a live menu item (MF_CHECKED and the rest), or -1 when the menu lacks it:
// Wine keeps menus inside their process, so the program answers this question itself.
LRESULT menuItemState(HWND window, UINT id) {
    return SendMessageW(window, RegisterWindowMessageW(L"Velmora.MenuItemState"), id, 0);
}
bool checked(HWND window, UINT id) {
    const LRESULT state = menuItemState(window, id);
    return state != -1 && (state & MF_CHECKED) != 0;
}

// The items of a popup of a menu resource, as "text=id" (separators as "-").
std::wstring menuItems(HMENU popup) {
    std::wstring items;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(popup, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const UINT id = GetMenuItemID(popup, i);
        items += (items.empty() ? L"" : L"; ") + (text[0] ? std::wstring(text) + L"=" + std::to_wstring(id) : L"-");
    }
    return items;
}

// ---------------------------------------------------------------------------------------

void windowScenario(const std::wstring& shots) {
    Program p = start();
    HWND w = p.window;
    check(w != nullptr, "a window of class \"calendar\" titled \"Velmora\" appears");
    if (w == nullptr) return;
    settle(w);
    RECT r;
    GetWindowRect(w, &r);
    check(r.right - r.left == 400 && r.bottom - r.top == 613,
          "the window is 400 x 613, the band of prayer times included");
    check(r.left == 300 && r.top == 90, "at 300, 90");
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    check((style & WS_CAPTION) == WS_CAPTION && (style & WS_MINIMIZEBOX) && !(style & WS_MAXIMIZEBOX) &&
              !(style & WS_THICKFRAME),
          "caption and minimize box, no sizing border or maximize box");
    struct Expected {
        int id;
        const wchar_t* className;
        bool visible;
    };
    const Expected controls[] = {{7, L"Button", true},     {5, L"Button", true},           {6, L"Button", true},
                                 {2, L"Edit", true},       {10, L"msctls_updown32", true}, {1, L"ComboBox", true},
                                 {10, L"ComboBox", false}, {100, L"ComboBox", false}};
    for (const Expected& e : controls) {
        HWND c = child(w, e.id, e.className);
        check(c != nullptr && (IsWindowVisible(c) != 0) == e.visible,
              "control " + std::to_string(e.id) + " " + narrow(e.className) + (e.visible ? " shown" : " hidden") +
                  " in Jalali mode");
    }
    for (HWND combo : {jalaliCombo(w), gregorianCombo(w), hijriCombo(w)}) {
        check(SendMessageW(combo, CB_GETCOUNT, 0, 0) == 12, "a month box holds 12 months");
    }
    wchar_t item[64] = {};
    SendMessageW(gregorianCombo(w), CB_GETLBTEXT, 11, reinterpret_cast<LPARAM>(item));
    check(std::wstring(item) == L"December", "the Gregorian box ends with December");
    SendMessageW(jalaliCombo(w), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    check(std::wstring(item) == L"Farvardin", "the Solar Hijri box begins with Farvardin, in English");
    check(textOf(yearEdit(w)) == persianDigits(jalaliYearOfToday()),
          "the year box shows this Solar Hijri year in Persian digits");
    check(selection(jalaliCombo(w)) >= 0, "the Solar Hijri box has this month selected");
    // The menus as the resource has them.
    const HMODULE module =
        LoadLibraryExW((folderOfThisProgram() + L"Velmora.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(221));
    wchar_t label[32] = {};
    std::wstring bar;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        GetMenuStringW(menu, static_cast<UINT>(i), label, 32, MF_BYPOSITION);
        bar += (i ? L"|" : L"") + std::wstring(label);
    }
    check(bar == L"&File|&Option|&Help", "menu 221: File, Option, Help, each with its mnemonic");
    check(menuItems(GetSubMenu(menu, 0)) ==
              L"&Go To Today\tHome=40001; Copy &Today's Date=4294967295; &Copy the "
              L"Day\tCtrl+C=40021; -; E&xit=40002",
          "File: Go To Today (Home), Copy Today's Date, Copy the Day (Ctrl+C), Exit");
    check(menuItems(GetSubMenu(menu, 1)) ==
              L"&Jalali Mode\tCtrl+1=40003; &Miladi Mode\tCtrl+2=40004; &Hijri Mode\tCtrl+3=40009; -; "
              L"&Correct Lunar Month\x2026=40012; My &Days\x2026=40013; &Prayer Times\x2026=40019; "
              L"Con&vert Date\x2026\tCtrl+G=40020; "
              L"&Remind Me of My Days=40014; "
              L"Remind Me the &Evening Before=40015; -; E&nglish=40010; &\x0641\x0627\x0631\x0633\x06CC=40011; "
              L"&Theme=4294967295; Di&gits=4294967295; Check for Updates b&y Myself=40060; -; "
              L"Add to Start&up=40005",
          "Option: the three modes (Ctrl+1/2/3), Correct Lunar Month, My Days, Prayer Times, Convert Date, the "
          "reminders, the two languages, Theme, Digits, Check for Updates by Myself and Add to Startup");
    check(menuItems(GetSubMenu(GetSubMenu(menu, 1), 13)) == L"As &Windows=40040; &Light=40041; &Dark=40042",
          "Option > Theme: As Windows, Light, Dark");
    check(menuItems(GetSubMenu(GetSubMenu(menu, 1), 14)) ==
              L"As the &Language Has Them=40050; &Persian (\x06F1\x06F2\x06F3)=40051; La&tin (123)=40052",
          "Option > Digits: as the language has them, Persian, Latin");
    check(menuItems(GetSubMenu(menu, 2)) == L"&Contents\tF1=40007; -; Check for &Updates=50000; -; &About=40008",
          "Help: Contents (F1), Check for Updates, About");
    const HMENU tray = LoadMenuW(module, L"SYSTRAY");
    check(menuItems(GetSubMenu(tray, 0)) ==
              L"&Open=10002; -; Con&vert Date\x2026=40020; Copy &Today's Date=4294967295; -; E&xit=10004",
          "the tray menu: Open, Convert Date, Copy Today's Date, Exit");
    // And as the running program has them.
    check(checked(w, 40003) && !checked(w, 40004) && !checked(w, 40009),
          "\"Jalali Mode\" carries the check mark at start");
    command(w, 40009);
    check(!checked(w, 40003) && !checked(w, 40004) && checked(w, 40009), "\"Hijri Mode\" takes the check mark");
    command(w, 40003);
    screenshot(w, shots.empty() ? L"" : shots + L"\\window-today.bmp");
    stop(p);
}

void lifecycleScenario(const std::wstring&) {
    Program first = start();
    HWND w = first.window;
    check(w != nullptr, "the program starts");
    if (w == nullptr) return;
    SendMessageW(w, WM_CLOSE, 0, 0);
    settle(w);
    check(!IsWindowVisible(w), "the close box hides the window");
    check(waitForExit(first, 500) == STILL_ACTIVE, "the process goes on in the notification area");
    check(IsWindow(w) != 0, "the window still exists");

    Program second = start();
    check(waitForExit(second, 10000) == 0, "a second start while hidden exits with code 0");
    settle(w);
    check(IsWindowVisible(w) != 0, "and shows the first instance's window");
    Program third = start();
    const DWORD code = waitForExit(third, 10000);
    check(code != 0 && code != STILL_ACTIVE, "a second start while visible exits with a nonzero code");
    check(FindWindowW(L"calendar", L"Velmora") == w, "only the first instance's window exists");

    PostMessageW(w, WM_COMMAND, 40002, 0);  // File > Exit
    check(waitForExit(first, 10000) == 0, "File > Exit ends the process with code 0");
    CloseHandle(first.process.hThread);
    CloseHandle(first.process.hProcess);

    // Two starts at once, as a double click on a shortcut and Windows' start-up may make them:
    // one program, one window.
    int single = 0;
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        Program a = launch();
        Program b = launch();
        const HANDLE both[] = {a.process.hProcess, b.process.hProcess};
        WaitForMultipleObjects(2, both, FALSE, 8000);  // the later start leaves
        WaitForInputIdle(a.process.hProcess, 3000);
        WaitForInputIdle(b.process.hProcess, 3000);
        Sleep(500);
        const DWORD codeA = waitForExit(a, 0);
        const DWORD codeB = waitForExit(b, 0);
        int windows = 0;
        for (HWND h = FindWindowW(L"calendar", L"Velmora"); h != nullptr;
             h = FindWindowExW(nullptr, h, L"calendar", L"Velmora"))
            ++windows;
        single += windows == 1 && ((codeA == STILL_ACTIVE) != (codeB == STILL_ACTIVE));
        for (Program* p : {&a, &b}) {
            p->window = FindWindowW(L"calendar", L"Velmora");
            stop(*p);
        }
    }
    check(single == kRounds, "two starts at once leave one running program, in " + std::to_string(single) + " of " +
                                 std::to_string(kRounds) + " rounds");
}

// A right click (or the menu key) on the tray icon, as the notification area reports it to an
// icon of NOTIFYICON_VERSION_4: the tray menu, once it shows; null when it does not.
HWND openTrayMenu(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    settle(w);
    SetCursorPos(620, 420);
    PostMessageW(w, WM_USER + 1, MAKEWPARAM(620, 420), MAKELPARAM(WM_CONTEXTMENU, 1));
    for (int i = 0; i < 100; ++i) {
        const HWND popup = FindWindowW(L"#32768", nullptr);
        if (popup != nullptr && IsWindowVisible(popup)) {
            Sleep(800);  // drawn, and the window under it too
            return popup;
        }
        Sleep(50);
    }
    return nullptr;
}

void closeMenu(HWND w) {
    PostMessageW(w, WM_CANCELMODE, 0, 0);
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    Sleep(300);
}

// The balloon as the notification area shows it, when it does, with the screen's corner below it.
void balloonShot(const std::wstring& path) {
    HWND balloon = nullptr;
    for (int i = 0; i < 60 && balloon == nullptr; ++i) {
        for (HWND h = FindWindowW(L"tooltips_class32", nullptr); h != nullptr;
             h = FindWindowExW(nullptr, h, L"tooltips_class32", nullptr))
            if (IsWindowVisible(h) && (GetWindowLongW(h, GWL_STYLE) & TTS_BALLOON) != 0) balloon = h;  // not a tooltip
        if (balloon == nullptr) Sleep(50);
    }
    RECT shown{};
    if (balloon != nullptr && !path.empty()) {
        Sleep(400);  // drawn
        GetWindowRect(balloon, &shown);
        screenshotOf({shown.left - 12, shown.top - 12, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                     path);
    }
}

std::wstring trayText(HWND w, int which);
int testDpi();
HWND createBareWindow(const wchar_t* title);
HWND findDialog(const wchar_t* title, DWORD process, int tries = 100);
std::wstring staticTextHolding(HWND dialog, const std::wstring& part);

void trayScenario(const std::wstring& shots) {
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    check(trayDay(w) == jalaliDayOfToday(), "the tray icon shows today's day from the start");
    check(LOWORD(trayIdentity(w)) == 1 && HIWORD(trayIdentity(w)) == 1, "under the identifier 1, added once");
    // The first close says, once, where the program went; a click on the icon opens it again.
    SendMessageW(w, WM_CLOSE, 0, 0);
    settle(w);
    check(!IsWindowVisible(w) && trayText(w, 1).find(L"notification area") != std::wstring::npos,
          "the first close hides the window and a balloon says it goes on in the notification area: " +
              narrow(trayText(w, 1)));
    RECT own, atClock;
    GetWindowRect(w, &own);
    SendMessageW(w, WM_USER + 1, 1, NIN_SELECT);
    settle(w);
    GetWindowRect(w, &atClock);
    // Wine gives no icon rectangle: the month opens in the corner above the taskbar's clock.
    RECT taskbar{};
    if (const HWND bar = FindWindowW(L"Shell_TrayWnd", nullptr); bar != nullptr) GetWindowRect(bar, &taskbar);
    const int gap = MulDiv(12, testDpi(), 96);
    std::printf("# the window at the clock: %ld,%ld-%ld,%ld; the taskbar %ld,%ld-%ld,%ld\n", atClock.left, atClock.top,
                atClock.right, atClock.bottom, taskbar.left, taskbar.top, taskbar.right, taskbar.bottom);
    check(IsWindowVisible(w) != 0 && atClock.right == GetSystemMetrics(SM_CXSCREEN) - gap &&
              atClock.bottom == (taskbar.top > 0 ? taskbar.top : GetSystemMetrics(SM_CYSCREEN)) - gap &&
              (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
          "a click on the tray icon opens the month at the clock, on top");
    SendMessageW(w, WM_USER + 1, 1, NIN_SELECT);
    settle(w);
    check(!IsWindowVisible(w), "a second click closes it");
    SendMessageW(w, WM_USER + 1, 1, NIN_SELECT);
    settle(w);
    const HWND elsewhere = createBareWindow(L"elsewhere");
    SetForegroundWindow(elsewhere);
    settle(w);
    SendMessageW(w, WM_USER + 1, 1, NIN_SELECT);  // the click elsewhere was on the icon
    settle(w);
    check(!IsWindowVisible(w), "a click elsewhere closes it, and a click on the icon then does not reopen it at once");
    DestroyWindow(elsewhere);
    Sleep(600);
    SendMessageW(w, WM_USER + 1, 1, NIN_SELECT);
    settle(w);
    check(IsWindowVisible(w) != 0, "a later click opens it again");
    SendMessageW(w, WM_CLOSE, 0, 0);
    SendMessageW(w, WM_USER + 1, 1, NIN_KEYSELECT);
    settle(w);
    check(IsWindowVisible(w) != 0, "and so does Enter on it");
    SendMessageW(w, WM_CLOSE, 0, 0);
    SendMessageW(w, WM_USER + 1, 1, WM_LBUTTONDOWN);
    SendMessageW(w, WM_USER + 1, 1, WM_LBUTTONDBLCLK);
    settle(w);
    check(IsWindowVisible(w) != 0, "and a double click");
    SendMessageW(w, WM_CLOSE, 0, 0);
    command(w, 10002);
    RECT opened;
    GetWindowRect(w, &opened);
    check(IsWindowVisible(w) != 0 && EqualRect(&opened, &own) && (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0,
          "the tray menu's Open shows it where it was");
    // The shell's notification area restarted: the program answers without trouble.
    SendMessageW(w, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    settle(w);
    check(IsWindow(w) != 0, "TaskbarCreated is handled");
    check(LOWORD(trayIdentity(w)) == 1, "and a TaskbarCreated while the icon is there leaves it known as there");
    // A right click (or the menu key) opens the tray menu at the mouse.
    const HWND popup = openTrayMenu(w);
    check(popup != nullptr, "a right click opens the tray menu");
    if (popup != nullptr) {
        RECT r;
        GetWindowRect(popup, &r);
        RECT around{r.left - 60, r.top - 40, r.right + 60, r.bottom + 20};
        GetWindowRect(w, &r);
        around.left = std::min(around.left, r.left);
        around.top = std::min(around.top, r.top);
        screenshotOf(around, shots.empty() ? L"" : shots + L"\\tray-menu.bmp");
        closeMenu(w);
    }
    PostMessageW(w, WM_COMMAND, 10004, 0);
    check(waitForExit(p, 10000) == 0, "the tray menu's Exit ends the process with code 0");
    p = start();
    w = p.window;
    if (w == nullptr) return check(false, "the program starts again");
    SendMessageW(w, WM_CLOSE, 0, 0);
    settle(w);
    check(trayText(w, 1).empty(), "the next start's close says nothing: it was said once");
    stop(p);
}

void navigationScenario(const std::wstring& shots) {
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    // Jalali mode: Esfand 1403 (a leap year), then next month.
    typeYear(w, L"1403");
    selectMonth(w, jalaliCombo(w), 11);
    check(textOf(yearEdit(w)) == persianDigits(1403) && selection(jalaliCombo(w)) == 11, "Esfand 1403 is shown");
    command(w, 6);
    check(textOf(yearEdit(w)) == persianDigits(1404) && selection(jalaliCombo(w)) == 0, "next month: Farvardin 1404");
    command(w, 5);
    command(w, 5);
    check(textOf(yearEdit(w)) == persianDigits(1403) && selection(jalaliCombo(w)) == 10,
          "two months back: Bahman 1403");
    // Years typed in other digits.
    typeYear(w, L"1399");
    check(textOf(yearEdit(w)) == persianDigits(1399), "a year typed in ASCII digits");
    typeYear(w, L"abc");
    check(textOf(yearEdit(w)) == persianDigits(1399) && selection(jalaliCombo(w)) == 10,
          "text that is not a year keeps the shown year and month");
    typeYear(w, L"\x0661\x0664\x0660\x0660");
    check(textOf(yearEdit(w)) == persianDigits(1400), "a year typed in Arabic-Indic digits");
    // The Up key (and the up arrow) is one year on.
    pressArrow(w, VK_UP);
    check(textOf(yearEdit(w)) == persianDigits(1401), "the Up key in the year box shows the next year");
    pressArrow(w, VK_DOWN);
    check(textOf(yearEdit(w)) == persianDigits(1400), "the Down key the previous one");
    clickArrow(w, true);
    check(textOf(yearEdit(w)) == persianDigits(1401), "a click on the up arrow shows the next year");
    clickArrow(w, false);
    check(textOf(yearEdit(w)) == persianDigits(1400), "a click on the down arrow the previous one");

    // Miladi mode keeps the shown date: Farvardin 1400 began 21 March 2021.
    typeYear(w, L"1405");
    selectMonth(w, jalaliCombo(w), 0);  // Farvardin 1405
    screenshot(w, shots.empty() ? L"" : shots + L"\\jalali-farvardin-1405.bmp");
    command(w, 40004);
    check(IsWindowVisible(gregorianCombo(w)) && !IsWindowVisible(jalaliCombo(w)) &&
              !IsWindowVisible(child(w, 7, L"Button")),
          "Miladi mode shows the Gregorian box only, and no occasions button");
    check(textOf(yearEdit(w)) == L"2026" && (selection(gregorianCombo(w)) == 2 || selection(gregorianCombo(w)) == 3),
          "Miladi mode shows the Gregorian month of the shown date");
    typeYear(w, L"2026");
    selectMonth(w, gregorianCombo(w), 3);
    check(textOf(yearEdit(w)) == L"2026" && selection(gregorianCombo(w)) == 3, "April 2026 chosen in the month box");
    screenshot(w, shots.empty() ? L"" : shots + L"\\miladi-april-2026.bmp");
    selectMonth(w, gregorianCombo(w), 0);
    command(w, 5);
    check(textOf(yearEdit(w)) == L"2025" && selection(gregorianCombo(w)) == 11,
          "January, previous month: December of the year before");
    command(w, 6);
    command(w, 6);
    check(textOf(yearEdit(w)) == L"2026" && selection(gregorianCombo(w)) == 1, "then two months on: February");

    command(w, 40009);  // Hijri mode
    check(IsWindowVisible(hijriCombo(w)) && !IsWindowVisible(gregorianCombo(w)),
          "Hijri mode shows the lunar Hijri box");
    check(textOf(yearEdit(w)) == L"\x0661\x0664\x0664\x0667", "February 2026 lies in 1447");
    selectMonth(w, hijriCombo(w), 11);
    command(w, 6);
    check(textOf(yearEdit(w)) == L"\x0661\x0664\x0664\x0668" && selection(hijriCombo(w)) == 0,
          "Dhu al-Hijja, next: Muharram of the next year");
    command(w, 5);
    check(textOf(yearEdit(w)) == L"\x0661\x0664\x0664\x0667" && selection(hijriCombo(w)) == 11, "and back");
    typeYear(w, L"1447");
    selectMonth(w, hijriCombo(w), 9);
    screenshot(w, shots.empty() ? L"" : shots + L"\\hijri-shawwal-1447.bmp");
    command(w, 40003);
    check(textOf(yearEdit(w)) == persianDigits(1405) && selection(jalaliCombo(w)) == 0,
          "back in Jalali mode the shown date is kept: Shawwal 1447 began in Farvardin 1405");

    // Go To Today and a clock change bring today back.
    typeYear(w, L"1390");
    command(w, 40001);
    check(textOf(yearEdit(w)) == persianDigits(jalaliYearOfToday()), "Go To Today shows today's year");
    typeYear(w, L"1390");
    SendMessageW(w, WM_TIMECHANGE, 0, 0);
    settle(w);
    check(textOf(yearEdit(w)) == persianDigits(1390), "a clock change that keeps the date leaves the browsed month");
    // A year outside those shown is said to be so; the shown month stays.
    command(w, 40004);
    const std::wstring shownYear = textOf(yearEdit(w));
    SendMessageW(yearEdit(w), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5000"));
    PostMessageW(yearEdit(w), WM_KEYDOWN, VK_RETURN, 0);
    const HWND said = findDialog(L"Velmora", p.process.dwProcessId);
    const std::wstring words = said != nullptr ? staticTextHolding(said, L"3621") : L"";
    check(words.find(L"-4379 to 3621") != std::wstring::npos,
          "5000 typed in Miladi mode is said to be outside the years shown: " + narrow(words));
    if (said != nullptr) SendMessageW(said, WM_COMMAND, IDOK, 0);
    settle(w);
    check(textOf(yearEdit(w)) == shownYear, "and the shown year stays");
    stop(p);
}

void startupScenario(const std::wstring&) {
    HKEY run = nullptr;
    const wchar_t* path = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &run, nullptr);
    RegDeleteValueW(run, L"Velmora");
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    check(menuItemState(w, 40005) != -1 && menuItemState(w, 40006) == -1, "the Option menu offers Add to Startup");
    command(w, 40005);
    check(menuItemState(w, 40005) == -1 && menuItemState(w, 40006) != -1,
          "after adding, it offers Remove From Startup");
    wchar_t value[2048] = {};
    DWORD size = sizeof value;
    const bool present =
        RegQueryValueExW(run, L"Velmora", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    check(present && std::wstring(value) == L"\"" + folderOfThisProgram() + L"Velmora.exe\"",
          "Add to Startup writes the program's quoted full path as the Run value");
    stop(p);
    // The next start finds the registration.
    p = start();
    w = p.window;
    check(menuItemState(w, 40006) != -1, "the next start finds the registration and offers Remove From Startup");
    command(w, 40006);
    check(menuItemState(w, 40005) != -1 && menuItemState(w, 40006) == -1, "after removing, Add To Startup again");
    size = sizeof value;
    check(RegQueryValueExW(run, L"Velmora", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS,
          "Remove From Startup deletes it");
    stop(p);
    RegCloseKey(run);
}

// A dialog of the process is ready to be read once it is visible: the dialog manager shows
// it only after WM_INITDIALOG has filled its fields, and a window of its title exists before.
// Then one answered message, so that what the showing posted is handled too.
HWND readyDialog(HWND dialog) {
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    return dialog;
}

bool ownedBy(HWND window, DWORD process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == process;
}

HWND findDialog(const wchar_t* title, DWORD process, int tries) {
    for (int i = 0; i < tries; ++i) {
        HWND found = nullptr;
        for (HWND h = FindWindowW(L"#32770", title); h != nullptr; h = FindWindowExW(nullptr, h, L"#32770", title)) {
            if (ownedBy(h, process) && IsWindowVisible(h)) found = h;
        }
        if (found != nullptr) return readyDialog(found);
        Sleep(50);
    }
    return nullptr;
}

void dialogsScenario(const std::wstring& shots) {
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    PostMessageW(w, WM_COMMAND, 40008, 0);
    HWND about = findDialog(L"About Velmora", p.process.dwProcessId);
    check(about != nullptr, "About opens the box \"About Velmora\"");
    if (about != nullptr) {
        screenshot(about, shots.empty() ? L"" : shots + L"\\about.bmp");
        PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
        Sleep(500);
        check(IsWindow(about) && IsWindowVisible(about), "Escape leaves it open");
        PostMessageW(about, WM_KEYDOWN, VK_RETURN, 0);
        for (int i = 0; i < 50 && IsWindow(about) && IsWindowVisible(about); ++i) Sleep(50);
        check(!IsWindow(about) || !IsWindowVisible(about), "Enter (the default Ok button) closes it");
    }
    typeYear(w, L"1405");
    selectMonth(w, jalaliCombo(w), 0);
    command(w, 7);
    HWND events = findDialog(L"Events Dialog: Farvardin 1405", p.process.dwProcessId);
    check(events != nullptr, "the occasions button opens \"Events Dialog\", titled with the month it lists");
    if (events != nullptr) {
        check(GetDlgItem(events, 1041) != nullptr, "with its list view 1041");
        screenshot(w, shots.empty() ? L"" : shots + L"\\window-farvardin-1405.bmp");
        screenshot(events, shots.empty() ? L"" : shots + L"\\occasions-farvardin-1405.bmp");
        command(w, 7);
        int dialogs = 0;
        for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(h, &owner);
            dialogs += owner == p.process.dwProcessId && classOf(h) == L"#32770" && IsWindowVisible(h) &&
                       textOf(h).starts_with(L"Events Dialog");
        }
        check(dialogs == 1, "a second click brings the same dialog forward, not a second one");
        command(w, 6);  // Next: Ordibehesht
        check(findDialog(L"Events Dialog: Ordibehesht 1405", p.process.dwProcessId, 40) == events,
              "the open dialog follows the shown month");
        screenshot(events, shots.empty() ? L"" : shots + L"\\occasions-ordibehesht-1405.bmp");
        SetForegroundWindow(events);
        PostMessageW(events, WM_KEYDOWN, VK_ESCAPE, 0);
        for (int i = 0; i < 40 && IsWindow(events); ++i) Sleep(50);
        check(!IsWindow(events), "Esc closes it");
        command(w, 7);
        events = findDialog(L"Events Dialog: Ordibehesht 1405", p.process.dwProcessId);
        SendMessageW(w, WM_CLOSE, 0, 0);
        settle(w);
        check(events != nullptr && !IsWindow(events), "closing the main window closes it");
    }
    stop(p);
}

void soakScenario(const std::wstring&) {
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    const UINT query = liveGdiMessage();
    for (int mode : {40003, 40004, 40009}) {
        command(w, mode);
        const LRESULT before = SendMessageW(w, query, 0, 0);
        for (int i = 0; i < 10000 / 3 + 1; ++i)
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        settle(w);
        const LRESULT after = SendMessageW(w, query, 0, 0);
        check(before > 0 && before == after, "3334 repaints in mode " + std::to_string(mode) +
                                                 " leave the live GDI objects at " + std::to_string(before) + " (now " +
                                                 std::to_string(after) + ")");
    }
    stop(p);
}

// The yardstick of the month step: a bare window whose paint draws 200 short text runs in a
// 14-pixel font. The message that asks it to repaint itself is kBareInvalidate.
constexpr UINT kBareInvalidate = WM_APP + 1;

LRESULT CALLBACK bareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kBareInvalidate) return InvalidateRect(window, nullptr, TRUE);
    if (message == WM_DESTROY) PostQuitMessage(0);
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    const HFONT font = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < 200; ++i) TextOutW(dc, (i % 10) * 36, (i / 10) * 20, L"1404", 4);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &paint);
    return 0;
}

// The display scale the test runs at (VELMORA_DPI), 96 when unset.
int testDpi() {
    const char* asked = std::getenv("VELMORA_DPI");
    return asked != nullptr ? std::atoi(asked) : 96;
}

// A bare window as large as the program's window at the test's scale.
HWND createBareWindow(const wchar_t* title) {
    WNDCLASSW bareClass{};
    bareClass.lpfnWndProc = bareWindowProc;
    bareClass.hInstance = GetModuleHandleW(nullptr);
    bareClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    bareClass.lpszClassName = L"VelmoraBareWindow";
    RegisterClassW(&bareClass);
    return CreateWindowExW(0, L"VelmoraBareWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           MulDiv(400, testDpi(), 96), MulDiv(569, testDpi(), 96), nullptr, nullptr,
                           bareClass.hInstance, nullptr);
}

// velmora-driver bare-window: the bare window in a process of its own, until it is closed.
void bareWindowScenario(const std::wstring&) {
    createBareWindow(L"bare elsewhere");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    ExitProcess(0);  // a helper: no count of checks
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of one run of `work`.
double timing(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median milliseconds of each of `works`, run in turn so that whatever else the machine
// does weighs on all alike.
std::vector<double> interleavedMedians(const std::vector<std::function<void()>>& works) {
    std::vector<std::vector<double>> times(works.size());
    for (int i = 0; i < 300; ++i) {
        for (std::size_t k = 0; k < works.size(); ++k) times[k].push_back(timing(works[k]));
    }
    std::vector<double> medians;
    for (const std::vector<double>& each : times) medians.push_back(medianOf(each));
    return medians;
}

// What a month step costs (the command, then every paint it causes, child controls
// included) against one paint of the bare window, as medians. The bound holds for a bare
// window in a process of its own, reached by the same three messages as the program: under
// Wine each round trip between processes costs about as much as the bare paint itself. The
// same window inside this process, painted without a message between processes, is reported.
void paintCostScenario(const std::wstring&) {
    const int dpi = testDpi();
    const HWND here = createBareWindow(L"bare here");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION helper{};
    std::wstring command = L"\"" + folderOfThisProgram() + L"velmora-driver.exe\" bare-window";
    HWND elsewhere = nullptr;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &helper)) {
        for (int i = 0; i < 200 && elsewhere == nullptr; ++i) {
            elsewhere = FindWindowW(L"VelmoraBareWindow", L"bare elsewhere");
            if (elsewhere == nullptr) Sleep(50);
        }
    }
    Program p = start();
    HWND w = p.window;
    if (w == nullptr || here == nullptr || elsewhere == nullptr)
        return check(false, "the program and the bare windows start");
    settle(w);
    // The same three messages for either window: the change, the paint, and a round trip that
    // waits for what the change posted.
    const auto stepOf = [](HWND window, UINT message, WPARAM wParam) {
        return [window, message, wParam] {
            SendMessageW(window, message, wParam, 0);
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            SendMessageW(window, WM_NULL, 0, 0);
        };
    };
    const auto monthStep = stepOf(w, WM_COMMAND, MAKEWPARAM(6, 0));  // Next
    const auto barePaint = stepOf(elsewhere, kBareInvalidate, 0);
    const auto barePaintHere = [&] {
        RedrawWindow(here, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };
    for (int i = 0; i < 20; ++i) timing(barePaint), timing(barePaintHere), timing(monthStep);  // warm up
    // On a busy machine the best of three runs (all three where two figures are compared).
    const auto measure = [&](double& best, std::string& report, bool allRuns) {
        best = 1e9;
        for (int run = 0; run < 3 && (best > 3.0 || allRuns); ++run) {
            const std::vector<double> medians = interleavedMedians({monthStep, barePaint, barePaintHere});
            const double stepMs = medians[0], bareMs = medians[1], hereMs = medians[2];
            char line[240];
            std::snprintf(line, sizeof line,
                          "month step %.3f ms, bare paint of 200 text runs %.3f ms: ratio %.1f "
                          "(the bare window painted in the driver's own process: %.3f ms, ratio %.1f)",
                          stepMs, bareMs, stepMs / bareMs, hereMs, stepMs / hereMs);
            if (stepMs / bareMs < best) {
                best = stepMs / bareMs;
                report = line;
            }
        }
    };
    double best = 0;
    std::string report;
    measure(best, report, true);
    // The bound holds at 96 dpi; at other scales the figure is reported.
    if (dpi == 96) {
        check(best <= 3.0, report);
    } else {
        std::printf("# at %d dpi: %s\n", dpi, report.c_str());
    }
    // What the band of times under the month adds: hidden and shown again through Option >
    // Prayer Times…, twice, each time measured as above; the better figure of each kept.
    const auto toggleBand = [&] {
        PostMessageW(w, WM_COMMAND, 40019, 0);
        const HWND box = findDialog(L"Prayer Times", p.process.dwProcessId);
        if (box == nullptr) return false;
        SendMessageW(GetDlgItem(box, 1080), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        settle(w);
        return true;
    };
    double with = 1e9, without = 1e9;
    for (int round = 0; round < 2; ++round) {
        double figure = 0;
        std::string line;
        if (!toggleBand()) break;
        measure(figure, line, true);
        without = std::min(without, figure);
        if (!toggleBand()) break;
        measure(figure, line, true);
        with = std::min(with, figure);
    }
    std::printf(
        "# month step against the bare paint: %.3f with the band of times, %.3f without: the band adds %.1f %%\n", with,
        without, (with / without - 1.0) * 100.0);
    DestroyWindow(here);
    PostMessageW(elsewhere, WM_CLOSE, 0, 0);
    WaitForSingleObject(helper.hProcess, 5000);
    CloseHandle(helper.hThread);
    CloseHandle(helper.hProcess);
    stop(p);
}

// What data the program uses: 1 the lunar table, 2 events.ini.
LRESULT dataState(HWND w) { return SendMessageW(w, RegisterWindowMessageW(L"Velmora.DataState"), 0, 0); }
// Writes a file of a test's own making.
void writeText(const std::wstring& path, const std::string& text) {
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
}

// A copy of the program and of the chosen data files in a folder of this one.
std::wstring copyProgram(const std::wstring& folderName, const std::vector<std::wstring>& files) {
    const std::wstring here = folderOfThisProgram();
    const std::wstring folder = here + folderName + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* name : {L"calendar.ini", L"events.ini", L"content.htm", L"my-days.ini"})
        DeleteFileW((folder + name).c_str());
    CopyFileW((here + L"Velmora.exe").c_str(), (folder + L"Velmora.exe").c_str(), FALSE);
    for (const std::wstring& name : files) CopyFileW((here + name).c_str(), (folder + name).c_str(), FALSE);
    return folder;
}

// The text of the first static control of a dialog that holds `part`, or "".
std::wstring staticTextHolding(HWND dialog, const std::wstring& part) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (_wcsicmp(classOf(c).c_str(), L"Static") == 0 && textOf(c).find(part) != std::wstring::npos)
            return textOf(c);
    }
    return L"";
}

void folderScenario(const std::wstring& shots) {
    // A folder with a blank, and a command line that names the program unquoted.
    const std::wstring blank = copyProgram(L"folder with blank", {L"calendar.ini", L"events.ini", L"content.htm"});
    Program p = start(SW_SHOWNORMAL, blank + L"Velmora.exe", blank + L"Velmora.exe");
    check(p.window != nullptr && dataState(p.window) == 3,
          "started unquoted from a folder with a blank, it reads its calendar.ini and events.ini");
    stop(p);

    // No calendar.ini: no lunar dates, and nothing to complain about.
    const std::wstring none = copyProgram(L"no-calendar", {L"events.ini"});
    p = start(SW_SHOWNORMAL, L"", L"\"" + none + L"Velmora.exe\"");
    settle(p.window);
    check(p.window != nullptr && dataState(p.window) == 2, "without calendar.ini it runs without lunar dates");
    check(findDialog(L"Velmora", p.process.dwProcessId, 10) == nullptr, "and says nothing of a missing file");
    check((menuItemState(p.window, 40009) & MF_GRAYED) != 0, "Hijri Mode is not offered without a lunar table");
    command(p.window, 40009);
    check(IsWindowVisible(jalaliCombo(p.window)) && !IsWindowVisible(hijriCombo(p.window)),
          "and asking for it keeps the Solar Hijri month");
    stop(p);

    // A damaged calendar.ini: not used, and the user is told once what is wrong and where.
    const std::wstring damaged = copyProgram(L"damaged", {L"events.ini"});
    writeText(damaged + L"calendar.ini",
              "[value]\r\nminJulianday=2458359\r\nmaxJulianday=2459422\r\nminYear=1440\r\nendHijri=2459200\r\n"
              "1440=354\r\n[1440]\r\n1=3\r\n");
    p = start(SW_SHOWNORMAL, L"", L"\"" + damaged + L"Velmora.exe\"");
    const HWND message = findDialog(L"Velmora", p.process.dwProcessId);
    const std::wstring said = message != nullptr ? staticTextHolding(message, L"calendar.ini") : L"";
    check(said.find(L"calendar.ini:8: error: month 1 of 1440 has \"3\" days") != std::wstring::npos,
          "a damaged calendar.ini is reported at start-up with its line: " + narrow(said));
    check(p.window != nullptr && dataState(p.window) == 2, "and its table is not used");
    screenshot(message, shots.empty() ? L"" : shots + L"\\damaged-calendar-ini.bmp");
    if (message != nullptr) SendMessageW(message, WM_COMMAND, IDOK, 0);
    settle(p.window);
    RedrawWindow(p.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    check(findDialog(L"Velmora", p.process.dwProcessId, 10) == nullptr, "it is said once, not at every paint");
    PostMessageW(p.window, WM_COMMAND, 40008, 0);  // About
    const HWND about = findDialog(L"About Velmora", p.process.dwProcessId);
    check(about != nullptr && !staticTextHolding(about, L"month 1 of 1440").empty(), "About says so while it lasts");
    screenshot(about, shots.empty() ? L"" : shots + L"\\about-damaged-calendar-ini.bmp");
    if (about != nullptr) SendMessageW(about, WM_COMMAND, IDOK, 0);
    stop(p);

    // A damaged events.ini is told once too, and its sound lines still count.
    const std::wstring badEvents = copyProgram(L"damaged-events", {L"calendar.ini"});
    writeText(badEvents + L"events.ini", "[01]\r\n40=no such day 1\r\n1=Nowruz 1\r\n");
    p = start(SW_SHOWNORMAL, L"", L"\"" + badEvents + L"Velmora.exe\"");
    const HWND told = findDialog(L"Velmora", p.process.dwProcessId);
    const std::wstring words = told != nullptr ? staticTextHolding(told, L"events.ini") : L"";
    check(words.find(L"events.ini:2: error") != std::wstring::npos,
          "a damaged events.ini is reported at start-up with its line: " + narrow(words));
    if (told != nullptr) SendMessageW(told, WM_COMMAND, IDOK, 0);
    settle(p.window);
    RedrawWindow(p.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    check(findDialog(L"Velmora", p.process.dwProcessId, 10) == nullptr && dataState(p.window) == 3,
          "once, and the file is still read");
    stop(p);
}

// The tray icon's tooltip as the notification area shows it when the mouse rests on the icon,
// the last one at the right end of Wine's taskbar.
void trayTooltipShot(const std::wstring& path) {
    const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (taskbar == nullptr || path.empty()) return;
    RECT bar;
    GetWindowRect(taskbar, &bar);
    const POINT icon{bar.right - 10, (bar.top + bar.bottom) / 2};
    HWND tip = nullptr;
    for (int i = 0; i < 120 && tip == nullptr; ++i) {
        if (i % 40 == 0) {  // the mouse comes to rest on the icon, again if no tooltip came
            SetCursorPos(icon.x - 40, icon.y - 200);
            Sleep(200);
            SetCursorPos(icon.x, icon.y);
            mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);
        }
        Sleep(50);
        for (HWND h = FindWindowW(L"tooltips_class32", nullptr); h != nullptr;
             h = FindWindowExW(nullptr, h, L"tooltips_class32", nullptr)) {
            if (IsWindowVisible(h)) tip = h;
        }
    }
    if (tip != nullptr) {
        RECT r;
        GetWindowRect(tip, &r);
        screenshotOf({r.left - 12, r.top - 12, bar.right, bar.bottom}, path);
    }
    SetCursorPos(bar.left + 300, bar.top - 300);
    Sleep(300);
}

void setStoredSetting(const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::wstring storedSetting(const wchar_t* name) {
    wchar_t value[64] = {};
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velmora", name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

std::wstring storedLanguage() { return storedSetting(L"Language"); }

// The Persian interface, chosen from the Option menu and remembered, and English again.
void languageScenario(const std::wstring& shots) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"Language");
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    check((menuItemState(w, 40010) & MF_CHECKED) != 0, "English is the interface on an English system");
    trayTooltipShot(shots.empty() ? L"" : shots + L"\\tray-tooltip.bmp");
    // The holiday panel of a month with more holidays than lines, in two modes.
    typeYear(w, L"1403");
    selectMonth(w, jalaliCombo(w), 0);
    screenshot(w, shots.empty() ? L"" : shots + L"\\panel-farvardin-1403-jalali.bmp");
    command(w, 40004);  // Miladi mode: the year box writes the Gregorian year
    screenshot(w, shots.empty() ? L"" : shots + L"\\panel-farvardin-1403-miladi.bmp");
    command(w, 40001);  // today
    command(w, 40011);
    check(storedLanguage() == L"fa" && (menuItemState(w, 40011) & MF_CHECKED) != 0,
          "Option > Farsi turns the interface Persian and remembers it");
    check(textOf(yearEdit(w)) == persianDigits(jalaliYearOfToday() + 621) ||
              textOf(yearEdit(w)) == persianDigits(jalaliYearOfToday() + 622),
          "the year box writes the Gregorian year in Persian digits");
    const std::wstring monthShown = textOf(gregorianCombo(w));
    check(!monthShown.empty() && monthShown[0] >= L'\x0600' && monthShown[0] <= L'\x06FF',
          "and the Gregorian months in Persian letters");
    command(w, 40003);
    screenshot(w, shots.empty() ? L"" : shots + L"\\window-persian.bmp");
    trayTooltipShot(shots.empty() ? L"" : shots + L"\\tray-tooltip-persian.bmp");
    const HWND popup = openTrayMenu(w);
    if (popup != nullptr) {
        RECT r;
        GetWindowRect(popup, &r);
        screenshotOf({r.left - 40, r.top - 20, r.right + 40, r.bottom + 20},
                     shots.empty() ? L"" : shots + L"\\tray-menu-persian.bmp");
        closeMenu(w);
    }
    PostMessageW(w, WM_COMMAND, 40008, 0);
    const HWND about = findDialog(L"\x062F\x0631\x0628\x0627\x0631\x0647\x0654 Velmora", p.process.dwProcessId);
    check(about != nullptr && (GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0,
          "About is in Persian, laid out right to left");
    screenshot(about, shots.empty() ? L"" : shots + L"\\about-persian.bmp");
    if (about != nullptr) SendMessageW(about, WM_COMMAND, IDOK, 0);
    // The occasions dialog in Persian: mirrored, its caption at the right, its days in Persian digits.
    PostMessageW(w, WM_COMMAND, IDC_ALL_OCCASIONS, 0);
    HWND events = nullptr;
    for (int i = 0; i < 100 && events == nullptr; ++i) {
        for (HWND h = FindWindowW(L"#32770", nullptr); h != nullptr; h = FindWindowExW(nullptr, h, L"#32770", nullptr))
            if (ownedBy(h, p.process.dwProcessId) && IsWindowVisible(h) &&
                textOf(h).rfind(L"\x0645\x0646\x0627\x0633\x0628\x062A", 0) == 0)  // مناسبت
                events = readyDialog(h);
        if (events == nullptr) Sleep(50);
    }
    check(events != nullptr && (GetWindowLongW(events, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0,
          "the occasions dialog is Persian and mirrored");
    screenshot(events, shots.empty() ? L"" : shots + L"\\occasions-persian.bmp");
    if (events != nullptr) SendMessageW(events, WM_CLOSE, 0, 0);
    // The first close tells, in Persian, where Velmora went.
    SendMessageW(w, WM_CLOSE, 0, 0);
    settle(w);
    const std::wstring told = trayText(w, 1);
    check(told.rfind(L"\x2067", 0) == 0 && told.find(L"\x0627\x0639\x0644\x0627\x0646") != std::wstring::npos,
          "the first close's balloon is Persian, each line reading right to left");  // اعلان
    balloonShot(shots.empty() ? L"" : shots + L"\\closing-balloon-persian.bmp");
    stop(p);

    // Remembered at the next start; English again from the menu.
    p = start();
    w = p.window;
    check(w != nullptr && (menuItemState(w, 40011) & MF_CHECKED) != 0, "the next start is Persian too");
    if (w != nullptr) {
        command(w, 40010);
        check(storedLanguage() == L"en" && (menuItemState(w, 40010) & MF_CHECKED) != 0,
              "Option > English brings English back, remembered");
    }
    stop(p);
}

// Started on a Persian system (the display language from LC_ALL), with no choice stored.
void persianSystemScenario(const std::wstring&) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"Language");
    Program p = start();
    check(p.window != nullptr && (menuItemState(p.window, 40011) & MF_CHECKED) != 0,
          "on a Persian system the interface is Persian");
    stop(p);
}

// A month whose occasions do not fit on the screen: the occasions dialog scrolls.
void longMonthScenario(const std::wstring& shots) {
    const std::wstring folder = copyProgram(L"long-month", {L"calendar.ini"});
    std::string longTexts;
    for (const char* section : {"[01]", "[13]", "[14]"}) {
        longTexts += std::string(section) + "\r\n";
        for (int day = 1; day <= 31; ++day)
            longTexts += std::to_string(day) + "=" + std::string(60, 'x') + " " + std::to_string(day) + " 0\r\n";
    }
    writeText(folder + L"events.ini", longTexts);
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    typeYear(w, L"1405");
    selectMonth(w, jalaliCombo(w), 0);
    command(w, 7);
    const HWND events = findDialog(L"Events Dialog: Farvardin 1405", p.process.dwProcessId);
    HWND bar = nullptr;
    for (HWND c = events != nullptr ? GetWindow(events, GW_CHILD) : nullptr; c != nullptr;
         c = GetWindow(c, GW_HWNDNEXT))
        if (_wcsicmp(classOf(c).c_str(), L"ScrollBar") == 0 && IsWindowVisible(c)) bar = c;
    RECT box{};
    if (events != nullptr) GetWindowRect(events, &box);
    check(bar != nullptr && box.bottom <= GetSystemMetrics(SM_CYSCREEN),
          "a month that does not fit shows a scroll bar, the dialog within the screen");
    if (bar != nullptr) {
        SendMessageW(events, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(bar));
        check(GetScrollPos(bar, SB_CTL) > 0, "and a page down scrolls it");
        screenshot(events, shots.empty() ? L"" : shots + L"\\occasions-scrolled.bmp");
    }
    stop(p);
}

// velmora-cli.exe in a console of its own: what it prints is read back from the console's
// screen, Persian included, and Persian digits typed as arguments arrive whole.
void consoleScenario(const std::wstring&) {
    FreeConsole();
    if (!AllocConsole()) return check(false, "a console for the converter");
    const auto runInConsole = [](const std::wstring& arguments) {
        std::wstring command = L"\"" + folderOfThisProgram() + L"velmora-cli.exe\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return;
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    };
    const HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    const auto screenText = [screen] {
        CONSOLE_SCREEN_BUFFER_INFO info{};
        GetConsoleScreenBufferInfo(screen, &info);
        std::wstring text(static_cast<std::size_t>(info.dwSize.X) * info.dwSize.Y, L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, text.data(), static_cast<DWORD>(text.size()), {0, 0}, &read);
        text.resize(read);
        return text;
    };
    runInConsole(L"convert --from jalali \x06F1\x06F4\x06F0\x06F5/\x06F0\x06F1/\x06F0\x06F1");
    runInConsole(L"occasions 1405 1");
    const std::wstring shown = screenText();
    check(shown.find(L"2461121") != std::wstring::npos && shown.find(L"2026-03-21") != std::wstring::npos,
          "a date typed in Persian digits with slashes converts");
    check(shown.find(L"\x0622\x063A\x0627\x0632 \x0646\x0648\x0631\x0648\x0632") != std::wstring::npos,
          "and Persian reaches the console as Persian");
    CloseHandle(screen);
    FreeConsole();
}

// Run with libfaketime at 23:59:50: the new day must reach the view and the tray icon
// within seconds of midnight, with no WM_TIMECHANGE.
void nightScenario(const std::wstring&) {
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    check(textOf(yearEdit(w)) == persianDigits(1404), "at 23:59:50 on 20 March 2026 it shows Esfand 1404");
    for (int i = 0; i < 60 && textOf(yearEdit(w)) != persianDigits(1405); ++i) Sleep(500);
    check(textOf(yearEdit(w)) == persianDigits(1405) && selection(jalaliCombo(w)) == 0,
          "after midnight it shows Farvardin 1405 by itself");
    check(trayDay(w) == 1, "and the tray icon shows the 1st");
    check(LOWORD(trayIdentity(w)) == 1 && HIWORD(trayIdentity(w)) == 1,
          "under the same identifier, modified in place rather than added again");
    stop(p);
}

std::string readText(const std::wstring& path) {
    std::string text;
    if (FILE* in = _wfopen(path.c_str(), L"rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, n);
        std::fclose(in);
    }
    return text;
}

// The tray icon's tooltip (which 0) or last balloon (1), as the program holds it.
std::wstring trayText(HWND w, int which) {
    std::wstring text;
    const UINT question = RegisterWindowMessageW(L"Velmora.TrayText");
    for (int i = 0; i < 512; ++i) {
        const LRESULT unit = SendMessageW(w, question, MAKEWPARAM(i, which), 0);
        if (unit < 0) break;
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

// The lunar date of a day of the shown month: year * 10000 + month * 100 + day, with 1 << 30
// for a prediction and 1 << 29 for a month headed as predicted.
LRESULT lunarOfDay(HWND w, int day) {
    return SendMessageW(w, RegisterWindowMessageW(L"Velmora.LunarOfDay"), static_cast<WPARAM>(day), 0);
}

std::wstring selectedItemText(HWND list) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    wchar_t item[256] = {};
    if (index >= 0 && SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < 256)
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
    return item;
}

// On 9 March 2027, the eve of the first predicted month, Iran announces that Shawwal 1448
// begins tomorrow... one day earlier than the table says: the user corrects it from the window.
void lunarScenario(const std::wstring& shots) {
    const std::wstring folder = copyProgram(L"lunar-correction", {L"calendar.ini", L"events.ini"});
    const std::string shipped = readText(folder + L"calendar.ini");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"PredictedMonthsTold");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"Language");
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    settle(w);
    check(trayText(w, 1).find(L"Shawwal 1448 (10 March 2027)") != std::wstring::npos,
          "within 30 days of the first predicted month a balloon says so: " + narrow(trayText(w, 1)));
    wchar_t told[16] = {};
    DWORD size = sizeof told;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"PredictedMonthsTold", RRF_RT_REG_SZ, nullptr, told, &size);
    check(std::wstring(told) == L"1448/10", "and remembers it said so for this table");
    check(lunarOfDay(w, 18) == 14480930 && lunarOfDay(w, 19) == (14481001 | (1 << 30)),
          "18 Esfand 1405 is 30 Ramadan, 19 Esfand the 1st of Shawwal, a prediction");
    screenshot(w, shots.empty() ? L"" : shots + L"\\lunar-predicted-esfand-1405.bmp");
    const std::wstring tipBefore = trayText(w, 0);
    check(tipBefore.find(L", 30 Ramadan") != std::wstring::npos,
          "the tooltip says the 30th of Ramadan: " + narrow(tipBefore));

    PostMessageW(w, WM_COMMAND, 40012, 0);
    HWND box = findDialog(L"Correct Lunar Month", p.process.dwProcessId);
    if (box == nullptr) return check(false, "Option > Correct Lunar Month… opens its dialog");
    HWND list = GetDlgItem(box, 1050);
    check(selectedItemText(list) == L"Shawwal 1448\t19 Esfand 1405\t10 March 2027\tpredicted",
          "it opens on the first predicted month: " + narrow(selectedItemText(list)));
    check(textOf(GetDlgItem(box, 1051)) == L"Tuesday 9 March 2027 (18 Esfand 1405)" &&
              IsWindowEnabled(GetDlgItem(box, 1051)),
          "and offers the day before as its first day: " + narrow(textOf(GetDlgItem(box, 1051))));
    screenshot(box, shots.empty() ? L"" : shots + L"\\lunar-dialog.bmp");
    SendMessageW(GetDlgItem(box, 1051), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(box, 1053), BM_CLICK, 0, 0);
    settle(w);
    check(selectedItemText(list) == L"Shawwal 1448\t18 Esfand 1405\t9 March 2027\tcorrected",
          "Apply moves the month: " + narrow(selectedItemText(list)));
    const std::string corrected = readText(folder + L"calendar.ini");
    check(corrected.find("correction 1448/10=30 days, was 29") != std::string::npos &&
              readText(folder + L"calendar.ini.bak") == shipped,
          "calendar.ini records the correction, the table before it kept as calendar.ini.bak");
    check(lunarOfDay(w, 18) == 14481001 && lunarOfDay(w, 19) == 14481002,
          "the window's lunar dates follow at once, no longer predictions");
    check(trayText(w, 0).find(L", 1 Shawwal") != std::wstring::npos && trayText(w, 0) != tipBefore,
          "and so does the tray tooltip: " + narrow(trayText(w, 0)));
    screenshot(w, shots.empty() ? L"" : shots + L"\\lunar-corrected-esfand-1405.bmp");

    // About names the first month that is still a prediction.
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    settle(w);
    PostMessageW(w, WM_COMMAND, IDM_HELP_ABOUT, 0);
    const HWND about = findDialog(L"About Velmora", p.process.dwProcessId);
    const std::wstring aboutLunar = about != nullptr ? textOf(GetDlgItem(about, IDC_ABOUT_LUNAR)) : L"";
    check(aboutLunar.find(L"from Dhu al-Qada 1448 on") != std::wstring::npos,
          "after the correction About says the predictions begin with Dhu al-Qada: " + narrow(aboutLunar));
    if (about != nullptr) SendMessageW(about, WM_COMMAND, IDOK, 0);
    settle(w);
    PostMessageW(w, WM_COMMAND, 40012, 0);
    box = findDialog(L"Correct Lunar Month", p.process.dwProcessId);
    if (box == nullptr) return check(false, "the dialog opens again");
    list = GetDlgItem(box, 1050);

    SendMessageW(GetDlgItem(box, 1054), BM_CLICK, 0, 0);
    settle(w);
    check(readText(folder + L"calendar.ini") == shipped && lunarOfDay(w, 18) == 14480930,
          "Undo my corrections brings the table back as shipped, and the window with it");
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    settle(w);

    command(w, 40009);  // Hijri mode: Ramadan 1448, published
    check((lunarOfDay(w, 1) & (1 << 29)) == 0, "a published month is not headed as predicted");
    command(w, 6);
    check((lunarOfDay(w, 1) & (1 << 29)) != 0, "Shawwal 1448 is");
    screenshot(w, shots.empty() ? L"" : shots + L"\\hijri-predicted-shawwal-1448.bmp");
    command(w, 40011);  // in Persian
    PostMessageW(w, WM_COMMAND, 40012, 0);
    const HWND persian = findDialog(L"\u0627\u0635\u0644\u0627\u062D \u0645\u0627\u0647 \u0642\u0645\u0631\u06CC",
                                    p.process.dwProcessId);  // اصلاح ماه قمری
    check(persian != nullptr && (GetWindowLongW(persian, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0,
          "in Persian the dialog reads right to left");
    screenshot(persian, shots.empty() ? L"" : shots + L"\\lunar-dialog-persian.bmp");
    if (persian != nullptr) SendMessageW(persian, WM_COMMAND, IDCANCEL, 0);
    command(w, 40010);
    stop(p);
    Program again = startCopy(folder);
    if (again.window != nullptr) settle(again.window);
    check(again.window != nullptr && trayText(again.window, 1).empty(), "the balloon comes once, not at every start");
    stop(again);
}

// The program stopped and started again from its folder, then made to look at the clock (as
// it does at its timer), for what a restart keeps.
Program restartLookingAtTheClock(Program& running, const std::wstring& folder) {
    stop(running);
    Program again = startCopy(folder);
    if (again.window != nullptr) {
        settle(again.window);
        SendMessageW(again.window, WM_TIMECHANGE, 0, 0);
        settle(again.window);
    }
    return again;
}

// On 18 Azar 1405 the user double-clicks today, writes "Mother's birthday", marks it a day off
// and adds it: the day is marked, the tray tooltip and a balloon say it, and a restart keeps it
// without reminding twice.
void myDaysScenario(const std::wstring& shots) {
    const std::wstring folder = copyProgram(L"my-days", {L"calendar.ini", L"events.ini"});
    const std::wstring profile = std::wstring(_wgetenv(L"APPDATA")) + L"\\Velmora\\my-days.ini";
    DeleteFileW(profile.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"MyDaysReminded");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"MyDaysReminders");
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    settle(w);
    const LRESULT cell = SendMessageW(w, RegisterWindowMessageW(L"Velmora.CellOfDay"), 18, 0);
    PostMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, cell);
    const HWND box = findDialog(L"My Days", p.process.dwProcessId);
    if (box == nullptr)
        return check(false, "a double-click on 18 Azar opens My Days (at " + std::to_string(LOWORD(cell)) + "," +
                                std::to_string(HIWORD(cell)) + ")");
    check(textOf(GetDlgItem(box, 1063)) == L"18" && SendDlgItemMessageW(box, 1062, CB_GETCURSEL, 0, 0) == 8 &&
              SendDlgItemMessageW(box, 1061, CB_GETCURSEL, 0, 0) == 0,
          "on that day: 18 Azar of the Solar Hijri calendar");
    SendDlgItemMessageW(box, 1064, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Mother's birthday"));
    SendMessageW(GetDlgItem(box, 1065), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(box, 1067), BM_CLICK, 0, 0);
    check(SendDlgItemMessageW(box, 1060, LB_GETCOUNT, 0, 0) == 1 &&
              selectedItemText(GetDlgItem(box, 1060)) == L"Solar Hijri\t18 Azar\tMother's birthday\tday off",
          "Add lists it: " + narrow(selectedItemText(GetDlgItem(box, 1060))));
    check(readText(profile).find("[09]\r\n18=Mother's birthday 1\r\n") != std::string::npos,
          "and writes it to %APPDATA%\\Velmora\\my-days.ini");
    // 30 Esfand does not come every year, and the dialog says so.
    SendDlgItemMessageW(box, 1062, CB_SETCURSEL, 11, 0);
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(1062, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(box, 1062)));
    SendDlgItemMessageW(box, 1063, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"30"));
    check(textOf(GetDlgItem(box, 1066)).find(L"30 Esfand is not in every year") != std::wstring::npos,
          "30 Esfand: " + narrow(textOf(GetDlgItem(box, 1066))));
    screenshot(box, shots.empty() ? L"" : shots + L"\\my-days-dialog.bmp");
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    settle(w);
    check(trayText(w, 0).ends_with(L"\n\x2605 Mother's birthday"), "the tray tooltip says it on the day");
    SendMessageW(w, WM_TIMECHANGE, 0, 0);  // a look at the clock
    settle(w);
    check(trayText(w, 1) == L"Mother's birthday", "and a balloon reminds of it: " + narrow(trayText(w, 1)));
    balloonShot(shots.empty() ? L"" : shots + L"\\my-day-balloon.bmp");
    screenshot(w, shots.empty() ? L"" : shots + L"\\my-day-marked.bmp");
    command(w, 7);  // the month's occasions list it under a star
    const HWND events = findDialog(L"Events Dialog: Azar 1405", p.process.dwProcessId);
    check(events != nullptr, "the occasions dialog of Azar opens");
    screenshot(events, shots.empty() ? L"" : shots + L"\\occasions-my-day.bmp");
    if (events != nullptr) SendMessageW(events, WM_CLOSE, 0, 0);
    command(w, 40011);  // in Persian
    PostMessageW(w, WM_COMMAND, 40013, 0);
    const HWND persian = findDialog(L"\u0631\u0648\u0632\u0647\u0627\u06CC \u0645\u0646", p.process.dwProcessId);
    check(persian != nullptr && selectedItemText(GetDlgItem(persian, 1060)).empty() &&
              SendDlgItemMessageW(persian, 1060, LB_GETCOUNT, 0, 0) == 1,
          "My Days in Persian lists the day too");
    screenshot(persian, shots.empty() ? L"" : shots + L"\\my-days-dialog-persian.bmp");
    if (persian != nullptr) SendMessageW(persian, WM_COMMAND, IDCANCEL, 0);
    command(w, 40010);
    Program again = restartLookingAtTheClock(p, folder);
    check(again.window != nullptr && trayText(again.window, 0).ends_with(L"Mother's birthday") &&
              trayText(again.window, 1).empty(),
          "after a restart the day is still there, and not reminded twice");
    stop(again);
    // The day would show in the windows of the tests that follow.
    DeleteFileW(profile.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"MyDaysReminded");
}

// my-days.ini held by another program while Velmora starts (a backup or a sync tool): the
// days show once it is let go; and a day another program writes meanwhile survives an Add.
void heldMyDaysScenario(const std::wstring&) {
    const std::wstring folder = copyProgram(L"my-days-held", {L"calendar.ini", L"events.ini"});
    const std::wstring path = folder + L"my-days.ini";  // a portable copy's own
    SYSTEMTIME now;
    GetLocalTime(&now);
    writeText(path, "; mine\r\n[1" + std::to_string(now.wMonth) + "]\r\n" + std::to_string(now.wDay) +
                        "=Held at start 0\r\n");
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    check(held != INVALID_HANDLE_VALUE, "another program holds my-days.ini");
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    settle(w);
    CloseHandle(held);
    InvalidateRect(w, nullptr, FALSE);  // a paint looks at the files
    settle(w);
    check(trayText(w, 0).ends_with(L"\n\x2605 Held at start"), "once it is let go, the next look reads it");
    // A day another program writes while My Days is open stays when the user adds one.
    PostMessageW(w, WM_COMMAND, 40013, 0);
    const HWND box = findDialog(L"My Days", p.process.dwProcessId);
    if (box != nullptr) {
        writeText(path, readText(path) + "[112]\r\n26=Written meanwhile 0\r\n");
        SendDlgItemMessageW(box, 1064, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Added in the dialog"));
        SendMessageW(GetDlgItem(box, 1067), BM_CLICK, 0, 0);
        const std::string saved = readText(path);
        check(saved.find("Held at start") != std::string::npos &&
                  saved.find("Written meanwhile") != std::string::npos &&
                  saved.find("Added in the dialog") != std::string::npos && saved.starts_with("; mine\r\n"),
              "an Add keeps a day written meanwhile, and the file's comment");
        SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
    check(box != nullptr, "My Days opens");
    stop(p);
    DeleteFileW(path.c_str());
}

// A my-days.ini of many days (VELMORA_MANY_DAYS of them, 10,000 unless told): one Add in My
// Days, from the click to the list shown again, costs time in proportion to the file, not
// to its square.
void manyDaysScenario(const std::wstring&) {
    const wchar_t* asked = _wgetenv(L"VELMORA_MANY_DAYS");
    const int count = asked != nullptr ? _wtoi(asked) : 10000;
    const std::wstring folder = copyProgram(L"my-days-many", {L"calendar.ini", L"events.ini"});
    std::string text = "; many\r\n";
    for (int month = 1; month <= 12; ++month) {
        text += "[0" + std::to_string(month) + "]\r\n";
        for (int i = 0; i < count / 12; ++i)
            text += std::to_string(1 + i % 29) + "-" + std::to_string(2 + i / 29) + "=Someone's day " +
                    std::to_string(i) + " 0\r\n";
    }
    writeText(folder + L"my-days.ini", text);
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    PostMessageW(w, WM_COMMAND, 40013, 0);
    const HWND box = findDialog(L"My Days", p.process.dwProcessId, 600);
    if (box == nullptr) return check(false, "My Days opens on " + std::to_string(count) + " days");
    const LRESULT before = SendDlgItemMessageW(box, 1060, LB_GETCOUNT, 0, 0);
    SendDlgItemMessageW(box, 1063, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));
    SendDlgItemMessageW(box, 1064, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"One more"));
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(GetDlgItem(box, 1067), BM_CLICK, 0, 0);  // returns when saved and listed again
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("# an Add among %ld days: %.2f s\n", static_cast<long>(before), seconds);
    check(SendDlgItemMessageW(box, 1060, LB_GETCOUNT, 0, 0) == before + 1, "the Add lists one day more");
    // The file is what it was with one line more.
    std::string now = readText(folder + L"my-days.ini");
    const std::size_t added = now.find("=One more 0\r\n");
    if (added != std::string::npos) {
        const std::size_t lineStart = now.rfind('\n', added) + 1;
        now.erase(lineStart, added + 13 - lineStart);
    }
    check(added != std::string::npos && now == text, "and keeps every other line of the file as it was");
    check(seconds < 0.00025 * static_cast<double>(before) + 1.0,
          "within a quarter of a millisecond a day (" + std::to_string(seconds) + " s)");
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    stop(p);
    DeleteFileW((folder + L"my-days.ini").c_str());
}

// The ProductVersion string of an executable's version resource.
std::wstring productVersionOf(const std::wstring& path) {
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    if (info.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data())) return L"";
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\StringFileInfo\\040904b0\\ProductVersion", reinterpret_cast<void**>(&value),
                        &length))
        return L"";
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

// The installed program (in the folder given) starts, and carries the version its
// uninstall entry names; it is left running, for the next install to end.
void installedScenario(const std::wstring& folder) {
    const std::wstring program = folder + L"\\Velmora.exe";
    Program p = start(SW_SHOWNORMAL, program, L"\"" + program + L"\"");
    check(p.window != nullptr && dataState(p.window) == 3, "the installed program starts with its data files");
    wchar_t entry[64] = {};
    DWORD size = sizeof entry;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora",
                 L"DisplayVersion", RRF_RT_REG_SZ, nullptr, entry, &size);
    const std::wstring version = productVersionOf(program);
    check(!version.empty() && version == entry,
          "its version resource (" + narrow(version) + ") is the uninstall entry's (" + narrow(entry) + ")");
    check(productVersionOf(folder + L"\\velmora-cli.exe") == version, "and velmora-cli.exe's too");
    CloseHandle(p.process.hThread);
    CloseHandle(p.process.hProcess);
}

// The installer test's helper: the installed Velmora in FOLDER (made to trust the test's key)
// is offered a newer version by Help > Check for Updates; on Yes it fetches the installer,
// runs it and exits, and the installer starts the new one.
void programUpdateScenario(const std::wstring& folder) {
    const std::wstring program = folder + L"\\Velmora.exe";
    Program p = start(SW_SHOWNORMAL, program, L"\"" + program + L"\"");
    if (p.window == nullptr) return check(false, "the installed program starts");
    PostMessageW(p.window, WM_COMMAND, IDM_HELP_CHECK_FOR_UPDATES, 0);
    const HWND box = findDialog(L"Velmora", p.process.dwProcessId, 300);
    const std::wstring said = box != nullptr ? staticTextHolding(box, L"Install it now?") : L"";
    check(said.find(L"Velmora 9.9.9 is available; this is ") != std::wstring::npos,
          "Help > Check for Updates offers the newer program: " + narrow(said));
    if (box == nullptr) return;
    SendMessageW(box, WM_COMMAND, IDYES, 0);
    check(waitForExit(p, 60000) == 0, "on Yes Velmora fetches the installer, runs it and exits");
    HWND again = nullptr;
    for (int i = 0; i < 600 && again == nullptr; ++i) {
        const HWND w = FindWindowW(L"calendar", L"Velmora");
        DWORD owner = 0;
        if (w != nullptr) GetWindowThreadProcessId(w, &owner);
        if (w != nullptr && owner != p.process.dwProcessId)
            again = w;
        else
            Sleep(100);
    }
    check(again != nullptr, "and the installer starts the new Velmora");
    CloseHandle(p.process.hThread);
    CloseHandle(p.process.hProcess);
}

void absentScenario(const std::wstring&) {
    check(FindWindowW(L"calendar", L"Velmora") == nullptr, "no Velmora is running");
}

void presentScenario(const std::wstring&) {
    check(FindWindowW(L"calendar", L"Velmora") != nullptr, "a Velmora is running");
}

// Ends the running Velmora as File > Exit does.
void quitScenario(const std::wstring&) {
    const HWND w = FindWindowW(L"calendar", L"Velmora");
    if (w != nullptr) PostMessageW(w, WM_COMMAND, 40002, 0);
    for (int i = 0; i < 100 && FindWindowW(L"calendar", L"Velmora") != nullptr; ++i) Sleep(100);
    check(FindWindowW(L"calendar", L"Velmora") == nullptr, "the running Velmora exits");
}

// Holds a file open, shared with no one, for some seconds: a file another program locks.
void holdScenario(const std::wstring& file) {
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    check(held != INVALID_HANDLE_VALUE, "the file is held");
    Sleep(40000);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
}

// Keys as the keyboard gives them, to whatever window has the focus.
void pressKey(WORD key, bool control = false) {
    if (control) keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    if (control) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    Sleep(200);
}

HWND focusOf(HWND w) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info);
    return info.hwndFocus;
}

// What a screen reader hears of the grid's focused day, asked from this process through oleacc.
std::wstring accessibleFocusName(HWND grid) {
    constexpr IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(grid, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr)
        return L"(no accessible object)";
    VARIANT focus;
    VariantInit(&focus);
    std::wstring name = L"(no focused day)";
    if (accessible->get_accFocus(&focus) == S_OK && focus.vt == VT_I4) {
        BSTR text = nullptr;
        if (accessible->get_accName(focus, &text) == S_OK && text != nullptr) {
            name = text;
            SysFreeString(text);
        }
    }
    accessible->Release();
    return name;
}

std::string utf8(const std::wstring& text) {
    std::string out(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    if (!out.empty()) out.pop_back();
    return out;
}

// "9 December 2026" of the local date `days` days from today.
std::wstring gregorianWords(int days) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME time;
    SystemTimeToFileTime(&now, &time);
    ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
    ticks.QuadPart += static_cast<ULONGLONG>(days) * 864000000000ULL;
    time = {ticks.LowPart, ticks.HighPart};
    FileTimeToSystemTime(&time, &now);
    static const wchar_t* const kMonths[] = {L"January",   L"February", L"March",    L"April",
                                             L"May",       L"June",     L"July",     L"August",
                                             L"September", L"October",  L"November", L"December"};
    return std::to_wstring(now.wDay) + L" " + kMonths[now.wMonth - 1] + L" " + std::to_wstring(now.wYear);
}

RECT clientRectOf(HWND control, HWND w) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// On 18 Azar 1405 at 17:05 with a reminder ten minutes before Maghrib: the window and the
// tray show Tehran's times, the reminder comes once (not again after a restart), a click shows
// another day's times, and Option > Prayer Times… moves them to Tabriz, typed in Persian.
void prayerScenario(const std::wstring& shots) {
    const std::wstring folder = copyProgram(L"prayer", {L"calendar.ini", L"events.ini"});
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the grid's accessible object
    setStoredSetting(L"PrayerReminders", L"maghrib");
    setStoredSetting(L"PrayerReminderMinutes", L"10");
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    settle(w);
    SendMessageW(w, WM_TIMECHANGE, 0, 0);  // a look at the clock
    settle(w);
    check(trayText(w, 0).find(L"\nMaghrib 17:11") != std::wstring::npos,
          "the tray tooltip names the next time: " + narrow(trayText(w, 0)));
    check(trayText(w, 1) == L"In 6 minutes, in Tehran.", "the reminder comes: " + narrow(trayText(w, 1)));
    balloonShot(shots.empty() ? L"" : shots + L"\\prayer-balloon.bmp");
    const HWND grid = GetDlgItem(w, 8);
    SetForegroundWindow(w);
    SetFocus(grid);
    check(accessibleFocusName(grid).find(L"Tehran: Fajr 05:33, Sunrise 07:02, Dhuhr 11:57, Sunset 16:51, Maghrib "
                                         L"17:11, Midnight 23:12") != std::wstring::npos,
          "a screen reader hears today's times with the day: " + utf8(accessibleFocusName(grid)));
    screenshot(w, shots.empty() ? L"" : shots + L"\\prayer-times.bmp");
    // A click on 20 Azar puts the day cursor there, and the times are that day's.
    const LRESULT cell = SendMessageW(w, RegisterWindowMessageW(L"Velmora.CellOfDay"), 20, 0);
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, cell);
    SendMessageW(w, WM_LBUTTONUP, 0, cell);
    settle(w);
    const std::wstring clicked = accessibleFocusName(grid);
    check(clicked.find(L"11 December 2026") != std::wstring::npos &&
              clicked.find(L"Fajr 05:34, Sunrise 07:04") != std::wstring::npos,
          "a click on 20 Azar shows its times: " + utf8(clicked));

    PostMessageW(w, WM_COMMAND, 40019, 0);
    HWND box = findDialog(L"Prayer Times", p.process.dwProcessId);
    if (box == nullptr) return check(false, "Option > Prayer Times… opens");
    check(selectedItemText(GetDlgItem(box, 1072)) == L"Tehran  (\u062A\u0647\u0631\u0627\u0646)" &&
              IsDlgButtonChecked(box, 1086) == BST_CHECKED && textOf(GetDlgItem(box, 1090)) == L"10",
          "the dialog shows the city and the reminder: " + utf8(selectedItemText(GetDlgItem(box, 1072))));
    SendDlgItemMessageW(box, 1071, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\u062A\u0628\u0631"));  // تبر
    check(SendDlgItemMessageW(box, 1072, LB_GETCOUNT, 0, 0) == 1 &&
              selectedItemText(GetDlgItem(box, 1072)) == L"Tabriz  (\u062A\u0628\u0631\u06CC\u0632)",
          "typing in Persian leaves Tabriz alone, chosen");
    screenshot(box, shots.empty() ? L"" : shots + L"\\prayer-dialog.bmp");
    // A place that is not one stays in the dialog, which says why.
    SendMessageW(GetDlgItem(box, 1073), BM_CLICK, 0, 0);
    SendDlgItemMessageW(box, 1074, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"95"));
    SendDlgItemMessageW(box, 1075, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    check(IsWindow(box) && textOf(GetDlgItem(box, 1094)).find(L"latitude") != std::wstring::npos,
          "latitude 95 is refused: " + narrow(textOf(GetDlgItem(box, 1094))));
    SendMessageW(GetDlgItem(box, 1070), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    settle(w);
    check(!IsWindow(box) && trayText(w, 0).find(L"\nMaghrib 17:26") != std::wstring::npos,
          "OK: Tabriz's times in the tray: " + narrow(trayText(w, 0)));
    wchar_t kept[64] = {};
    DWORD size = sizeof kept;
    RegGetValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"PrayerPlace", RRF_RT_REG_SZ, nullptr, kept, &size);
    check(std::wstring(kept) == L"Tabriz", "and kept: " + narrow(kept));

    command(w, 40011);  // in Persian
    settle(w);
    check(trayText(w, 0).find(L"\u0627\u0630\u0627\u0646 \u0645\u063A\u0631\u0628 \u06F1\u06F7:\u06F2\u06F6") !=
              std::wstring::npos,
          "in Persian the tooltip says اذان مغرب ۱۷:۲۶");
    screenshot(w, shots.empty() ? L"" : shots + L"\\prayer-times-persian.bmp");
    PostMessageW(w, WM_COMMAND, 40019, 0);
    box = findDialog(L"\u0627\u0648\u0642\u0627\u062A \u0634\u0631\u0639\u06CC", p.process.dwProcessId);  // اوقات شرعی
    check(box != nullptr && (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0,
          "in Persian the dialog reads right to left");
    screenshot(box, shots.empty() ? L"" : shots + L"\\prayer-dialog-persian.bmp");
    if (box != nullptr) SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    command(w, 40010);
    Program again = restartLookingAtTheClock(p, folder);
    check(again.window != nullptr && trayText(again.window, 1).empty(),
          "after a restart the reminder does not come again");
    stop(again);
    CoUninitialize();
}

void putOnClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    }
    CloseClipboard();
}

std::wstring clipboardText() {
    std::wstring text;
    for (int i = 0; i < 20 && !OpenClipboard(nullptr); ++i) Sleep(50);
    if (const HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

// A cold start, to the first answered message of a shown, painted window: the program (its
// files read, today's day and prayer times reckoned) against the bare window in a process of
// the same kind, started alternately, as medians of seven. A figure, not a bound: under Wine
// the start of any process costs far more than either window's own work.
void coldStartScenario(const std::wstring&) {
    // The start's time in milliseconds (-1 when no window comes); then `end` is posted to it.
    const auto startedIn = [](const std::wstring& commandLine, const wchar_t* className, const wchar_t* title, UINT end,
                              WPARAM endParameter) {
        LARGE_INTEGER frequency, before, after;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&before);
        Program p = launch(SW_SHOWNORMAL, L"", commandLine);
        HWND window = nullptr;
        const ULONGLONG deadline = GetTickCount64() + 20000;  // a busy machine's slowest start, and more
        while (window == nullptr && p.process.hProcess != nullptr && GetTickCount64() < deadline) {
            window = FindWindowW(className, title);
            if (window == nullptr || !IsWindowVisible(window)) {
                window = nullptr;
                Sleep(1);
            }
        }
        if (window != nullptr) {
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
        }
        QueryPerformanceCounter(&after);
        if (window != nullptr) PostMessageW(window, end, endParameter, 0);
        if (p.process.hProcess != nullptr) {
            if (WaitForSingleObject(p.process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(p.process.hProcess, 0);
            CloseHandle(p.process.hProcess);
            CloseHandle(p.process.hThread);
        }
        return window == nullptr ? -1.0
                                 : 1000.0 * double(after.QuadPart - before.QuadPart) / double(frequency.QuadPart);
    };
    const std::wstring program = L"\"" + folderOfThisProgram() + L"Velmora.exe\"";
    const std::wstring bare = L"\"" + folderOfThisProgram() + L"velmora-driver.exe\" bare-window";
    // And Velmora with the band of prayer times hidden, which then reckons none at start.
    const auto bandShown = [](bool shown) { setStoredSetting(L"PrayerShown", shown ? L"on" : L"off"); };
    std::vector<double> programTimes, bareTimes, withoutBand;
    for (int i = 0; i < 7; ++i) {  // Velmora's close hides it: it ends by the tray menu's Exit
        bandShown(true);
        programTimes.push_back(startedIn(program, L"calendar", L"Velmora", WM_COMMAND, 10004));
        bareTimes.push_back(startedIn(bare, L"VelmoraBareWindow", L"bare elsewhere", WM_CLOSE, 0));
        bandShown(false);
        withoutBand.push_back(startedIn(program, L"calendar", L"Velmora", WM_COMMAND, 10004));
    }
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"PrayerShown");
    const auto none = [](const std::vector<double>& times) {
        return std::ranges::none_of(times, [](double t) { return t < 0; });
    };
    const bool started = none(programTimes) && none(bareTimes) && none(withoutBand);
    std::printf(
        "# cold start to a painted window, medians of 7: Velmora %.0f ms (%.0f ms with the band of prayer "
        "times hidden), the bare window %.0f ms\n",
        medianOf(programTimes), medianOf(withoutBand), medianOf(bareTimes));
    check(started, "the program and the bare window start each time");
}

// Option > Convert Date… on 18 Azar 1405: a pasted Persian-digit date converted as it lands,
// a day the calendar lacks said in words, "Show in calendar", the copy commands, and Persian.
void convertScenario(const std::wstring& shots) {
    const std::wstring folder = copyProgram(L"convert", {L"calendar.ini", L"events.ini"});
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the grid's accessible object
    Program p = startCopy(folder);
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    settle(w);
    PostMessageW(w, WM_COMMAND, 40020, 0);
    HWND box = findDialog(L"Convert Date", p.process.dwProcessId);
    if (box == nullptr) return check(false, "Option > Convert Date… opens");
    const HWND date = GetDlgItem(box, 1100), result = GetDlgItem(box, 1105);
    check(textOf(result).find(L"Solar Hijri: 18 Azar 1405") != std::wstring::npos &&
              textOf(result).find(L"\r\nToday\r\n") != std::wstring::npos,
          "it opens on the day under the cursor: " + utf8(textOf(result)));
    putOnClipboard(L"\u06F1\u06F3\u06F6\u06F5/\u06F0\u06F4/\u06F1\u06F2");  // ۱۳۶۵/۰۴/۱۲
    SendMessageW(date, EM_SETSEL, 0, -1);
    SendMessageW(date, WM_PASTE, 0, 0);
    settle(box);
    const std::wstring converted = textOf(result);
    check(converted.starts_with(L"Thursday\r\nSolar Hijri: 12 Tir 1365\r\nGregorian: 3 July 1986\r\nLunar Hijri: 25 "
                                L"Shawwal 1406") &&
              converted.find(L"40 years, 5 months and 6 days ago (14769 days)") != std::wstring::npos,
          "a pasted ۱۳۶۵/۰۴/۱۲ is converted at once: " + utf8(converted));
    check(textOf(GetDlgItem(box, 1102)) == L"1365" && SendDlgItemMessageW(box, 1103, CB_GETCURSEL, 0, 0) == 3 &&
              SendDlgItemMessageW(box, 1104, CB_GETCURSEL, 0, 0) == 11,
          "the pickers follow the pasted date");
    SendDlgItemMessageW(box, 1110, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"-6m"));
    check(textOf(GetDlgItem(box, 1111)) == L"12 Tir 1365 \u2212 6 months: Thursday 12 Dey 1364",
          "six months back: " + utf8(textOf(GetDlgItem(box, 1111))));
    check(textOf(GetDlgItem(box, 1109)) == L"14769 days later: 40 years, 5 months and 6 days in Solar Hijri months",
          "the days to today: " + utf8(textOf(GetDlgItem(box, 1109))));
    screenshot(box, shots.empty() ? L"" : shots + L"\\convert-dialog.bmp");
    SendMessageW(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"30 Esfand 1404"));
    check(textOf(result) == L"Esfand 1404 has 29 days." && !IsWindowEnabled(GetDlgItem(box, 1112)),
          "30 Esfand of a common year is said to be missing: " + utf8(textOf(result)));
    SendMessageW(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1365/4/12"));
    SendMessageW(GetDlgItem(box, 1112), BM_CLICK, 0, 0);  // Show in calendar
    settle(w);
    const HWND grid = GetDlgItem(w, 8);
    check(!IsWindow(box) && textOf(yearEdit(w)) == L"\u06F1\u06F3\u06F6\u06F5" && selection(jalaliCombo(w)) == 3 &&
              accessibleFocusName(grid).find(L"12 Tir 1365") != std::wstring::npos,
          "Show in calendar lands on 12 Tir 1365: " + utf8(accessibleFocusName(grid)));

    // The copy commands: today in the form chosen, which is remembered, and Ctrl+C the cursor's day.
    command(w, 40021);
    check(clipboardText() == L"\u06F1\u06F3\u06F6\u06F5/\u06F0\u06F4/\u06F1\u06F2",
          "Ctrl+C copies the cursor's day as ۱۳۶۵/۰۴/۱۲: " + utf8(clipboardText()));
    command(w, 40032);
    check(clipboardText() == L"1405-09-18" && storedSetting(L"CopyForm") == L"iso",
          "Copy Today's Date > 1405-09-18, remembered: " + utf8(clipboardText()));
    SetForegroundWindow(w);
    SetFocus(grid);
    pressKey('C', true);
    settle(w);
    check(clipboardText() == L"1365-04-12", "then Ctrl+C in that form: " + utf8(clipboardText()));

    // The tray menu's Copy Today's Date, from the keyboard: today in each form, the first chosen.
    for (const bool persian : {false, true}) {
        if (persian) {
            command(w, 40011);  // in Persian
            settle(w);
        }
        if (openTrayMenu(w) == nullptr) {
            check(false, "the tray menu opens");
            continue;
        }
        for (const WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}) pressKey(key);
        Sleep(500);  // the submenu drawn
        RECT around{};
        for (HWND h = FindWindowW(L"#32768", nullptr); h != nullptr;
             h = FindWindowExW(nullptr, h, L"#32768", nullptr)) {
            RECT r;
            if (!IsWindowVisible(h) || !GetWindowRect(h, &r)) continue;
            if (IsRectEmpty(&around)) around = r;
            UnionRect(&around, &around, &r);
        }
        screenshotOf(
            {around.left - 8, around.top - 8, around.right + 8, around.bottom + 8},
            shots.empty() ? L"" : shots + (persian ? L"\\tray-menu-copy-persian.bmp" : L"\\tray-menu-copy.bmp"));
        pressKey(VK_RETURN);
        check(clipboardText() == L"\u06F1\u06F4\u06F0\u06F5/\u06F0\u06F9/\u06F1\u06F8" &&
                  storedSetting(L"CopyForm") == L"numeric",
              "the tray menu copies today as ۱۴۰۵/۰۹/۱۸: " + utf8(clipboardText()));
    }
    PostMessageW(w, WM_COMMAND, 40020, 0);
    box = findDialog(L"\u062A\u0628\u062F\u06CC\u0644 \u062A\u0627\u0631\u06CC\u062E",
                     p.process.dwProcessId);  // تبدیل تاریخ
    if (box == nullptr) return check(false, "the Persian dialog opens");
    check((GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0 &&
              textOf(GetDlgItem(box, 1105))
                      .find(L"\u0645\u06CC\u0644\u0627\u062F\u06CC: \u06F3 \u0698\u0648\u0626\u06CC\u0647 "
                            L"\u06F1\u06F9\u06F8\u06F6") != std::wstring::npos,
          "in Persian it reads right to left: میلادی: ۳ ژوئیه ۱۹۸۶: " + utf8(textOf(GetDlgItem(box, 1105))));
    screenshot(box, shots.empty() ? L"" : shots + L"\\convert-dialog-persian.bmp");
    PostMessageW(GetDlgItem(box, 1100), WM_KEYDOWN, VK_ESCAPE, 0);
    for (int i = 0; i < 40 && IsWindow(box); ++i) Sleep(50);
    check(!IsWindow(box), "Esc closes it");
    command(w, 40010);
    stop(p);
    CoUninitialize();
}

// The client area's pixels as the screen shows them, and their mean lightness (0 to 255).
std::vector<BYTE> clientPixels(HWND window) {
    settle(window);
    Sleep(300);
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    BITMAPINFOHEADER info{sizeof info, r.right - r.left, r.top - r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top down
    return screenPixels(r, info);
}

double meanLightness(const std::vector<BYTE>& pixels) {
    double sum = 0;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
        sum += 0.0722 * pixels[i] + 0.7152 * pixels[i + 1] + 0.2126 * pixels[i + 2];
    return pixels.empty() ? 0 : sum / static_cast<double>(pixels.size() / 4);
}

// The keyboard's focus on the days, set from the program's own input queue.
void focusDays(HWND w) {
    const DWORD own = GetCurrentThreadId(), program = GetWindowThreadProcessId(w, nullptr);
    AttachThreadInput(own, program, TRUE);
    SetForegroundWindow(w);
    SetFocus(GetDlgItem(w, 8));
    AttachThreadInput(own, program, FALSE);
    settle(w);
}

void setAppsTheme(DWORD light) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                    L"AppsUseLightTheme", REG_DWORD, &light, sizeof light);
}

// Windows tells its windows that the light or dark mode changed.
void sayThemeChanged(HWND window) {
    SendMessageTimeoutW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_NORMAL, 5000,
                        nullptr);
    settle(window);
}

// Light and dark as Windows says, switched while the program runs, and as Option > Theme
// says, remembered; the light window the same to the pixel before and after a dark spell.
void themeScenario(const std::wstring& shots) {
    const char* asked = std::getenv("VELMORA_DPI");
    const std::wstring suffix = asked != nullptr ? L"-" + std::to_wstring(std::atoi(asked)) + L"-dpi" : L"";
    const auto shot = [&](const std::wstring& name) {
        return shots.empty() ? L"" : shots + L"\\" + name + suffix + L".bmp";
    };
    setAppsTheme(1);
    Program p = start();
    HWND w = p.window;
    if (w == nullptr) return check(false, "the program starts");
    typeYear(w, L"1405");
    selectMonth(w, jalaliCombo(w), 0);
    focusDays(w);  // the day cursor shown in both pictures
    const std::vector<BYTE> light = clientPixels(w);
    check(meanLightness(light) > 180,
          "with AppsUseLightTheme 1 the window is light: " + std::to_string(meanLightness(light)));
    screenshot(w, shot(L"theme-light"));

    setAppsTheme(0);
    sayThemeChanged(w);
    const double dark = meanLightness(clientPixels(w));
    check(dark < 70, "AppsUseLightTheme 0 and WM_SETTINGCHANGE make the running window dark: " + std::to_string(dark));
    screenshot(w, shot(L"theme-dark"));
    command(w, 7);
    HWND events = findDialog(L"Events Dialog: Farvardin 1405", p.process.dwProcessId);
    check(events != nullptr, "the occasions dialog opens");
    if (events != nullptr) {
        const double page = meanLightness(clientPixels(GetDlgItem(events, 1041)));
        check(page < 70, "its page is dark: " + std::to_string(page));
        screenshot(events, shot(L"theme-dark-occasions"));
        SendMessageW(events, WM_CLOSE, 0, 0);
    }
    PostMessageW(w, WM_COMMAND, 40008, 0);
    if (HWND about = findDialog(L"About Velmora", p.process.dwProcessId); about != nullptr) {
        const double box = meanLightness(clientPixels(about));
        check(box < 90, "About is dark: " + std::to_string(box));
        screenshot(about, shot(L"theme-dark-about"));
        PostMessageW(about, WM_KEYDOWN, VK_RETURN, 0);
        for (int i = 0; i < 50 && IsWindow(about) && IsWindowVisible(about); ++i) Sleep(50);
    } else {
        check(false, "About opens");
    }

    command(w, 40011);  // the Persian window, mirrored, dark as well
    check(meanLightness(clientPixels(w)) < 70, "the Persian window is dark too");
    screenshot(w, shot(L"theme-dark-persian"));
    command(w, 40010);

    // Every dialog on the dark page, its lists and boxes dark too.
    const std::pair<int, const wchar_t*> boxes[] = {
        {40012, L"Correct Lunar Month"}, {40013, L"My Days"}, {40019, L"Prayer Times"}, {40020, L"Convert Date"}};
    for (const auto& [id, title] : boxes) {
        PostMessageW(w, WM_COMMAND, id, 0);
        const HWND box = findDialog(title, p.process.dwProcessId);
        if (box == nullptr) {
            check(false, narrow(title) + " opens");
            continue;
        }
        const double lightness = meanLightness(clientPixels(box));
        check(lightness < 100, narrow(title) + " is dark: " + std::to_string(lightness));
        std::wstring name = title;
        std::replace(name.begin(), name.end(), L' ', L'-');
        screenshot(box, shot(L"theme-dark-" + name));
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 50 && IsWindow(box); ++i) Sleep(50);
    }

    setAppsTheme(1);
    sayThemeChanged(w);
    focusDays(w);  // the day cursor shown in both pictures
    const std::vector<BYTE> lightAgain = clientPixels(w);
    size_t differing = 0;
    for (size_t i = 0; i < std::min(light.size(), lightAgain.size()); i += 4)
        differing += std::memcmp(&light[i], &lightAgain[i], 3) != 0;
    check(lightAgain.size() == light.size() && differing == 0,
          "light again, the same to the pixel as before the dark spell: " + std::to_string(differing) + " differ");
    screenshot(w, shot(L"theme-light-again"));

    // Option > Digits: Latin digits in the Solar Hijri month, Persian ones in the English tooltip.
    command(w, 40052);
    check(textOf(yearEdit(w)) == L"1405" && checked(w, 40052), "Option > Digits > Latin writes the year 1405");
    screenshot(w, shot(L"digits-latin"));
    command(w, 40051);
    check(trayText(w, 0).find(L", " + persianDigits(jalaliDayOfToday()) + L" ") != std::wstring::npos,
          "Persian digits reach the English tooltip: " + narrow(trayText(w, 0)));
    command(w, 40050);
    check(textOf(yearEdit(w)) == L"\x06F1\x06F4\x06F0\x06F5", "as the language has them, Persian digits again");

    command(w, 40042);  // Option > Theme > Dark, whatever Windows says
    check(meanLightness(clientPixels(w)) < 70, "Option > Theme > Dark makes it dark while Windows is light");
    check(checked(w, 40042) && !checked(w, 40040), "and is checked in the menu");
    stop(p);
    p = start();
    w = p.window;
    check(w != nullptr && meanLightness(clientPixels(w)) < 70, "the choice is remembered at the next start");
    if (w != nullptr) {
        command(w, 40040);  // back to as Windows
        check(meanLightness(clientPixels(w)) > 180, "As Windows follows Windows' light mode again");
    }
    stop(p);
}

// The window at the display's scale (VELMORA_DPI, 96 when unset): where its controls stand
// against the layout, a screenshot, the keys, the tab order and what a screen reader hears.
void scaleScenario(const std::wstring& shots) {
    const char* asked = std::getenv("VELMORA_DPI");
    const int dpi = asked != nullptr ? std::atoi(asked) : 96;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Program p = start();
    const HWND w = p.window;
    check(w != nullptr, "the window opens");
    if (w == nullptr) return;
    settle(w);
    check(velmora::windowDpi(w) == static_cast<UINT>(dpi), "the window is at " + std::to_string(dpi) + " dpi");

    // Every control where the layout puts it, within one pixel of the design at this scale.
    const velmora::DisplayScale scale{dpi};
    RECT client;
    GetClientRect(w, &client);
    const int paintWidth = scale.design(client.right) - velmora::systemMetricAt(SM_CXBORDER, 96);
    const int paintHeight = scale.design(client.bottom) - velmora::systemMetricAt(SM_CYBORDER, 96) -
                            velmora::systemMetricAt(SM_CYSMCAPTION, 96) -
                            velmora::prayerBandSpace(6);  // the band of times under the month
    const LONG units = GetDialogBaseUnits();
    const int system = static_cast<int>(velmora::systemDpi());
    const SIZE design = velmora::designBaseUnits();
    std::printf("# dialog base units %d x %d at %d dpi (%ld x %ld at 96); client %ld x %ld\n", LOWORD(units),
                HIWORD(units), system, design.cx, design.cy, client.right, client.bottom);
    const HDC screen = GetDC(nullptr);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    ReleaseDC(nullptr, screen);
    const velmora::WindowLayout layout =
        velmora::mainWindowLayout(paintWidth, paintHeight, {design.cx, design.cy}, scale.design(metrics.tmAveCharWidth),
                                  scale, velmora::Language::english);
    const int slack = scale.px(1);
    const auto within = [slack](LONG a, LONG b) { return std::abs(a - b) <= slack; };
    std::vector<RECT> placed;
    bool allNear = true;
    for (const velmora::ControlPlace& place : layout.controls) {
        HWND control = place.id == IDC_JALALI_MONTH_COMBO ? jalaliCombo(w)
                       : place.id == IDC_YEAR_UP_DOWN     ? child(w, IDC_YEAR_UP_DOWN, L"msctls_updown32")
                                                          : GetDlgItem(w, place.id);
        const RECT r = clientRectOf(control, w);
        const bool box = place.id == IDC_JALALI_MONTH_COMBO;  // its height is its font's
        const bool here = within(r.left, place.rect.left) && within(r.top, place.rect.top) &&
                          within(r.right, place.rect.right) && (box || within(r.bottom, place.rect.bottom));
        if (!here)
            std::printf("# control %d at %ld,%ld-%ld,%ld, laid out at %d,%d-%d,%d\n", place.id, r.left, r.top, r.right,
                        r.bottom, place.rect.left, place.rect.top, place.rect.right, place.rect.bottom);
        allNear = allNear && here;
        placed.push_back(r);
    }
    check(allNear, "every control stands where the layout puts it at this scale");
    bool inside = true, apart = true;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const RECT& a = placed[i];
        if (a.left < 0 || a.top < 0 || a.right > client.right || a.bottom > client.bottom)
            std::printf("# control %d at %ld,%ld-%ld,%ld outside the client area of %ld x %ld\n", layout.controls[i].id,
                        a.left, a.top, a.right, a.bottom, client.right, client.bottom);
        inside = inside && a.left >= 0 && a.top >= 0 && a.right <= client.right && a.bottom <= client.bottom;
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            RECT both;
            if (IntersectRect(&both, &a, &placed[j])) apart = false;
        }
    }
    check(inside, "every control inside the client area");
    check(apart, "no control over another");
    screenshot(w, shots.empty() ? L"" : shots + L"\\window-" + std::to_wstring(dpi) + L"-dpi.bmp");

    // The keys, sent as the keyboard sends them to the focused days: the window opens with the
    // keyboard there, where Home and the arrows act.
    SetForegroundWindow(w);
    settle(w);
    const HWND year = yearEdit(w);
    const HWND grid = GetDlgItem(w, IDC_DAY_GRID);
    const std::wstring year0 = textOf(year);
    const LRESULT month0 = SendMessageW(jalaliCombo(w), CB_GETCURSEL, 0, 0);
    check(focusOf(w) == grid, "the days have the focus at start");
    pressKey(VK_NEXT);
    check(SendMessageW(jalaliCombo(w), CB_GETCURSEL, 0, 0) == (month0 + 1) % 12, "Page Down shows the next month");
    pressKey(VK_HOME);
    check(SendMessageW(jalaliCombo(w), CB_GETCURSEL, 0, 0) == month0 && textOf(year) == year0,
          "Home right after start goes back to today's month");
    pressKey(VK_NEXT);
    pressKey(VK_PRIOR);
    check(SendMessageW(jalaliCombo(w), CB_GETCURSEL, 0, 0) == month0, "Page Up the previous one");
    pressKey(VK_NEXT, true);
    check(textOf(year) != year0, "Ctrl+Page Down the next year");
    pressKey(VK_PRIOR, true);
    check(textOf(year) == year0, "Ctrl+Page Up the year before");
    pressKey('2', true);
    check(checked(w, IDM_OPTION_MILADI_MODE), "Ctrl+2 takes Miladi mode");
    pressKey('3', true);
    check(checked(w, IDM_OPTION_HIJRI_MODE), "Ctrl+3 Hijri mode");
    pressKey('1', true);
    check(checked(w, IDM_OPTION_JALALI_MODE), "Ctrl+1 Jalali mode again");

    // Tab in reading order, from the days round to them.
    std::vector<int> expected;
    for (const velmora::ControlPlace& place : layout.controls) {
        if (place.id == IDC_YEAR_UP_DOWN) continue;  // its arrows are the year box's keys
        if (place.id == IDC_HOLIDAY_LIST && !IsWindowEnabled(GetDlgItem(w, IDC_HOLIDAY_LIST))) continue;
        expected.push_back(place.id);
    }
    std::rotate(expected.begin(), std::find(expected.begin(), expected.end(), IDC_DAY_GRID), expected.end());
    std::vector<int> visited{GetDlgCtrlID(focusOf(w))};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        pressKey(VK_TAB);
        visited.push_back(GetDlgCtrlID(focusOf(w)));
    }
    check(visited == expected, "Tab goes through every control in reading order");
    while (focusOf(w) != year && visited.size() < 30) {
        pressKey(VK_TAB);
        visited.push_back(0);
    }
    pressKey(VK_NEXT);
    pressKey(VK_HOME);
    check(SendMessageW(jalaliCombo(w), CB_GETCURSEL, 0, 0) == (month0 + 1) % 12,
          "Home in the year box moves its caret, not the month");
    // A four-digit year typed a key at a time, in wide Latin digits, whole in the box.
    SendMessageW(year, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (const wchar_t digit : std::wstring(L"1410")) SendMessageW(year, WM_CHAR, digit, 1);
    check(textOf(year) == L"1410", "the year box takes \"1410\" typed in Latin digits: " + narrow(textOf(year)));
    PostMessageW(year, WM_KEYDOWN, VK_RETURN, 0);
    waitForYearBoxChange(w, L"1410");
    check(textOf(year) == persianDigits(1410), "and Enter shows the year 1410");
    command(w, IDM_FILE_GO_TO_TODAY);

    // The grid: today's cell as a screen reader hears it, then the next day after Left.
    while (focusOf(w) != grid && visited.size() < 20) {
        pressKey(VK_TAB);
        visited.push_back(0);
    }
    const std::wstring todayName = accessibleFocusName(grid);
    std::printf("# today's cell: %s\n", utf8(todayName).c_str());
    check(todayName.find(gregorianWords(0) + L",") != std::wstring::npos &&
              todayName.find(L"today") != std::wstring::npos,
          "the focused day of the grid is today, with its three dates, read through oleacc");
    pressKey(VK_LEFT);
    const std::wstring nextName = accessibleFocusName(grid);
    std::printf("# after Left: %s\n", utf8(nextName).c_str());
    check(nextName.find(gregorianWords(1)) != std::wstring::npos,
          "Left moves the day cursor to the next day (the grid reads right to left)");
    pressKey(VK_RIGHT);
    pressKey(VK_DOWN);
    check(accessibleFocusName(grid).find(gregorianWords(7)) != std::wstring::npos, "Down a week on");
    pressKey(VK_UP);
    screenshot(w, shots.empty() ? L"" : shots + L"\\day-cursor-" + std::to_wstring(dpi) + L"-dpi.bmp");
    pressKey(VK_RETURN);
    HWND events = nullptr;
    for (int i = 0; i < 50 && events == nullptr; ++i) {
        for (HWND h = FindWindowW(L"#32770", nullptr); h != nullptr;
             h = FindWindowExW(nullptr, h, L"#32770", nullptr)) {
            if (ownedBy(h, p.process.dwProcessId) && IsWindowVisible(h) && textOf(h).rfind(L"Events Dialog: ", 0) == 0)
                events = readyDialog(h);
        }
        if (events == nullptr) Sleep(50);
    }
    check(events != nullptr, "Enter on a day opens its occasions");
    if (events != nullptr) {
        RECT box;
        GetWindowRect(events, &box);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(events, MONITOR_DEFAULTTONEAREST), &monitor);
        RECT taskbar{};
        if (const HWND bar = FindWindowW(L"Shell_TrayWnd", nullptr); bar != nullptr) GetWindowRect(bar, &taskbar);
        const velmora::Rect clear = velmora::clearOfTaskbar(
            {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom},
            {taskbar.left, taskbar.top, taskbar.right, taskbar.bottom});
        const RECT work{clear.left, clear.top, clear.right, clear.bottom};
        std::printf("# the occasions dialog at %ld,%ld-%ld,%ld in the work area %ld,%ld-%ld,%ld\n", box.left, box.top,
                    box.right, box.bottom, work.left, work.top, work.right, work.bottom);
        check(box.left >= work.left && box.top >= work.top && box.right <= work.right && box.bottom <= work.bottom,
              "the occasions dialog stands whole inside the work area");
        const HWND list = GetDlgItem(events, IDC_OCCASIONS_LIST);
        check(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0, "the occasions dialog lists its days as items to read");
        screenshot(events, shots.empty() ? L"" : shots + L"\\occasions-" + std::to_wstring(dpi) + L"-dpi.bmp");
        SetForegroundWindow(events);
        pressKey(VK_ESCAPE);
        check(!IsWindow(events), "Esc closes it");
    }
    // Ctrl+G: the converter, whole on the screen, every field reached by Tab in order, Esc closes.
    SetForegroundWindow(w);
    pressKey('G', true);
    const HWND converter = findDialog(L"Convert Date", p.process.dwProcessId);
    check(converter != nullptr, "Ctrl+G opens the converter");
    if (converter != nullptr) {
        RECT box;
        GetWindowRect(converter, &box);
        check(box.left >= 0 && box.top >= 0 && box.right <= GetSystemMetrics(SM_CXSCREEN) &&
                  box.bottom <= GetSystemMetrics(SM_CYSCREEN),
              "the converter stands whole on the screen");
        std::vector<int> order;
        for (int i = 0; i < 12; ++i) {
            order.push_back(GetDlgCtrlID(focusOf(converter)));
            pressKey(VK_TAB);
        }
        const std::vector<int> tabStops = {1100, 1101, 1102, 1103, 1104, 1106, 1107, 1108, 1110, 1112, 1113, IDCANCEL};
        check(order == tabStops, "Tab reaches every field of the converter in order");
        screenshot(converter, shots.empty() ? L"" : shots + L"\\convert-" + std::to_wstring(dpi) + L"-dpi.bmp");
        SetForegroundWindow(converter);
        pressKey(VK_ESCAPE);
        check(!IsWindow(converter), "Esc closes the converter");
    }
    // The holiday panel as text: Farvardin 1405 lists Nowruz first.
    SetForegroundWindow(w);
    selectMonth(w, jalaliCombo(w), 0);
    const HWND holidays = GetDlgItem(w, IDC_HOLIDAY_LIST);
    wchar_t first[256] = {};
    SendMessageW(holidays, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    std::printf("# the holiday list's first line: %s\n", utf8(first).c_str());
    check(SendMessageW(holidays, LB_GETCOUNT, 0, 0) >= 4 && std::wstring(first).rfind(L"1 Farvardin ", 0) == 0,
          "the holiday panel's lines are a list a screen reader reads");
    wchar_t second[64] = {};
    SendMessageW(jalaliCombo(w), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
    check(second[0] != 0 && textOf(GetDlgItem(w, IDC_NEXT_MONTH)) == second,
          "the month buttons are named by their tooltips (the next month's name)");
    // A month on, the list holds that month's holidays (it is filled when read).
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_NEXT_MONTH, 0), 0);
    settle(w);
    const LRESULT count = SendMessageW(holidays, LB_GETCOUNT, 0, 0);
    wchar_t after[256] = {};
    if (count > 0) SendMessageW(holidays, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(after));
    wchar_t firstMonth[64] = {};
    SendMessageW(jalaliCombo(w), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(firstMonth));
    check((count > 0) == (IsWindowEnabled(holidays) != FALSE) &&
              std::wstring(after).find(L"Farvardin") == std::wstring::npos &&
              textOf(GetDlgItem(w, IDC_PREVIOUS_MONTH)) == firstMonth,
          "a month on, the list and the buttons' names follow: " + utf8(after));
    selectMonth(w, jalaliCombo(w), 0);
    screenshot(w, shots.empty() ? L"" : shots + L"\\farvardin-1405-" + std::to_wstring(dpi) + L"-dpi.bmp");
    SetForegroundWindow(w);
    SetFocus(nullptr);
    pressKey(VK_ESCAPE);
    check(!IsWindowVisible(w), "Esc hides the window to the notification area");
    stop(p);
    CoUninitialize();
}

// No settings, no days of the user's own, no start with Windows.
// A line of update-urls.txt beside this program ("name=URL"), which the update test's script
// writes for the servers it started.
std::wstring updateUrl(const std::string& name) {
    const std::string text = readText(folderOfThisProgram() + L"update-urls.txt");
    const std::size_t at = text.find(name + "=");
    if (at == std::string::npos) return L"";
    const std::size_t end = text.find_first_of("\r\n", at);
    const std::string url = text.substr(at + name.size() + 1, end - at - name.size() - 1);
    return std::wstring(url.begin(), url.end());
}

// The message box Help > Check for Updates ends in: its words, and it closed with OK.
std::wstring answerOfCheck(const Program& p, const std::wstring& shot = L"") {
    command(p.window, IDM_HELP_CHECK_FOR_UPDATES);
    const HWND box = findDialog(L"Velmora", p.process.dwProcessId, 300);
    std::wstring said;
    for (HWND c = box == nullptr ? nullptr : GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        if (_wcsicmp(classOf(c).c_str(), L"Static") == 0) said += textOf(c);
    if (box != nullptr) {
        screenshot(box, shot);
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        settle(p.window);
    }
    return said;
}

// About's static text that holds `part` (empty without About or without it), as About opens
// over p's window; shot taken, and About closed.
std::wstring aboutSaying(const Program& p, const wchar_t* title, const std::wstring& part, const std::wstring& shot) {
    PostMessageW(p.window, WM_COMMAND, IDM_HELP_ABOUT, 0);
    const HWND about = findDialog(title, p.process.dwProcessId);
    const std::wstring said = about != nullptr ? staticTextHolding(about, part) : L"";
    screenshot(about, shot);
    if (about != nullptr) SendMessageW(about, WM_COMMAND, IDOK, 0);
    return said;
}

// The holiday list's lines of the shown month, joined.
std::wstring holidayLines(HWND w) {
    const HWND list = GetDlgItem(w, IDC_HOLIDAY_LIST);
    std::wstring lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t line[256] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 256)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines += line;
        lines += L"\n";
    }
    return lines;
}

// Velmora.exe trusting the test's throwaway key (update-program\, made by the update test's
// script) against feeds served on 127.0.0.1: a stalling server leaves the window at the
// user's hand; an altered feed, a file that is not the signed one and no server change
// nothing and say why; the good feed moves Eid al-Fitr a day, by itself and when asked, in
// English and in Persian, and About names the new edition.
void updatesScenario(const std::wstring& shots) {
    const std::wstring folder = folderOfThisProgram() + L"update-program\\";
    const auto resetData = [&] {
        for (const wchar_t* name : {L"calendar.ini", L"events.ini"}) {
            CopyFileW((folderOfThisProgram() + name).c_str(), (folder + name).c_str(), FALSE);
            DeleteFileW((folder + name + L".bak").c_str());
        }
    };
    resetData();
    const std::string shipped = readText(folder + L"calendar.ini");
    setStoredSetting(L"Language", L"en");

    // A server that takes the connection and never answers: the window answers meanwhile.
    setStoredSetting(L"UpdateFeed", updateUrl("stall"));
    Program p = startCopy(folder);
    if (p.window == nullptr) return check(false, "the program trusting the test's key starts");
    PostMessageW(p.window, WM_COMMAND, IDM_HELP_CHECK_FOR_UPDATES, 0);
    const LRESULT before = SendMessageW(jalaliCombo(p.window), CB_GETCURSEL, 0, 0);
    bool answered = true;
    DWORD slowest = 0;
    for (int i = 0; i < 20; ++i) {
        const DWORD start = GetTickCount();
        answered = answered && SendMessageTimeoutW(p.window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, nullptr) != 0;
        slowest = std::max(slowest, GetTickCount() - start);
        Sleep(200);
    }
    command(p.window, MAKEWPARAM(IDC_NEXT_MONTH, 0));
    check(answered && slowest < 500 && SendMessageW(jalaliCombo(p.window), CB_GETCURSEL, 0, 0) != before,
          "while the feed's server stalls, the window answers at once (slowest " + std::to_string(slowest) +
              " ms in 4 s) and moves to the next month");
    stop(p);
    check(waitForExit(p, 0) != 99, "and File > Exit ends it, the look at the feed not waited for");

    // Refusals, each said, none changing a byte. The look Velmora takes by itself is not due
    // (one was made a moment ago), so that every look here is the one asked for.
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t ticks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    setStoredSetting(L"LastUpdateCheck", std::to_wstring(ticks / 600000000ULL));
    const struct {
        const char* feed;
        const wchar_t* says;
        const char* what;
    } refusals[] = {{"altered", L"not signed with Velmora's key", "an altered feed"},
                    {"wronghash", L"did not arrive whole", "a calendar.ini other than the signed one"},
                    {"nobody", L"could not reach", "a server that is not there"}};
    p = startCopy(folder);
    for (const auto& refusal : refusals) {
        setStoredSetting(L"UpdateFeed", updateUrl(refusal.feed));
        const std::wstring said = answerOfCheck(p);
        check(said.find(refusal.says) != std::wstring::npos && readText(folder + L"calendar.ini") == shipped,
              std::string(refusal.what) + " is refused, said (\"" + utf8(said) + "\"), and changes nothing");
    }

    // The good feed, asked for: the new edition, Eid al-Fitr on 18 Esfand.
    selectMonth(p.window, jalaliCombo(p.window), 11);
    check(holidayLines(p.window).find(L"19 Esfand") != std::wstring::npos &&
              holidayLines(p.window).find(L"18 Esfand") == std::wstring::npos,
          "before the update Eid al-Fitr falls on 19 Esfand 1405");
    setStoredSetting(L"UpdateFeed", updateUrl("good"));
    const std::wstring said = answerOfCheck(p, shots.empty() ? L"" : shots + L"\\update-asked.bmp");
    check(said.find(L"now edition 2: Eid al-Fitr moved to 18 Esfand") != std::wstring::npos,
          "the good feed updates, and says so: " + utf8(said));
    check(trayText(p.window, 1).find(L"Eid al-Fitr moved to 18 Esfand") != std::wstring::npos,
          "a balloon says what changed");
    check(readText(folder + L"calendar.ini").find("edition=2") != std::string::npos &&
              readText(folder + L"calendar.ini.bak") == shipped,
          "calendar.ini is edition 2, the old one kept as calendar.ini.bak");
    check(holidayLines(p.window).find(L"18 Esfand") != std::wstring::npos,
          "and the window shows Eid al-Fitr on 18 Esfand at once: " + utf8(holidayLines(p.window)));
    const std::wstring edition =
        aboutSaying(p, L"About Velmora", L"edition", shots.empty() ? L"" : shots + L"\\about-edition.bmp");
    check(edition.find(L"edition 2 of 8 March 2027") != std::wstring::npos,
          "About names the new edition and its date: " + utf8(edition));
    check(answerOfCheck(p).find(L"up to date") != std::wstring::npos, "asked again: up to date");
    stop(p);

    // By itself, a little after the start, with no word but the balloon; in Persian.
    const auto startAndAwaitLook = [&](const wchar_t* language) {
        resetData();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"LastUpdateCheck");
        setStoredSetting(L"Language", language);
        p = startCopy(folder);
        for (int i = 0; i < 300 && readText(folder + L"calendar.ini") == shipped; ++i) Sleep(100);
        settle(p.window);
    };
    startAndAwaitLook(L"fa");
    check(readText(folder + L"calendar.ini").find("edition=2") != std::string::npos,
          "by itself, Velmora takes up the new edition a few seconds after it starts");
    check(findDialog(L"Velmora", p.process.dwProcessId, 10) == nullptr, "and says nothing but the balloon");
    check(trayText(p.window, 1).find(L"\x0639\x06CC\x062F") != std::wstring::npos,
          "which says what changed in Persian: " + utf8(trayText(p.window, 1)));
    balloonShot(shots.empty() ? L"" : shots + L"\\update-balloon-persian.bmp");
    check(!aboutSaying(p, L"\x062F\x0631\x0628\x0627\x0631\x0647\x0654 Velmora",
                       L"\x0648\x06CC\x0631\x0627\x06CC\x0634 \x06F2",
                       shots.empty() ? L"" : shots + L"\\about-edition-persian.bmp")
               .empty(),
          "Persian About names edition 2");
    stop(p);

    // The English balloon, and Option > Check for Updates by Myself off: no look at all.
    startAndAwaitLook(L"en");
    balloonShot(shots.empty() ? L"" : shots + L"\\update-balloon.bmp");
    check(trayText(p.window, 1).find(L"Eid al-Fitr moved") != std::wstring::npos, "the English balloon too");
    check(checked(p.window, IDM_OPTION_CHECK_BY_MYSELF), "Check for Updates by Myself is on by default");
    command(p.window, IDM_OPTION_CHECK_BY_MYSELF);
    check(!checked(p.window, IDM_OPTION_CHECK_BY_MYSELF) && storedSetting(L"CheckForUpdates") == L"off",
          "and turned off, remembered");
    stop(p);
    resetData();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Velmora", L"LastUpdateCheck");
    p = startCopy(folder);
    Sleep(14000);
    check(readText(folder + L"calendar.ini") == shipped, "off, Velmora does not look by itself");
    stop(p);

    // A table whose published months ended before today: said once in a balloon, and in About.
    std::string old = shipped;
    old.replace(old.find("firstPredictedMonth=1448/10"), 27, "firstPredictedMonth=1447/10");
    writeText(folder + L"calendar.ini", old);
    p = startCopy(folder);
    settle(p.window);
    balloonShot(shots.empty() ? L"" : shots + L"\\out-of-date-balloon.bmp");
    check(trayText(p.window, 1).find(L"Iran has not yet published the lunar months") != std::wstring::npos,
          "past the table's published months, a balloon says the calendar is out of date: " +
              narrow(trayText(p.window, 1)));
    check(!aboutSaying(p, L"About Velmora", L"Help > Check for Updates brings",
                       shots.empty() ? L"" : shots + L"\\about-out-of-date.bmp")
               .empty(),
          "and About says so with the way to update");
    stop(p);
    p = startCopy(folder);
    settle(p.window);
    Sleep(1000);
    check(trayText(p.window, 1).find(L"not yet published") == std::wstring::npos, "the balloon comes once");
    stop(p);
    resetData();
}

void startAsANewUser() {
    SetCursorPos(8, 8);  // away from the tray icon, whose tooltip would cover the balloons
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velmora");
    setAppsTheme(1);  // Windows in its light mode, whatever a scenario before left
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Velmora");
    if (const wchar_t* appData = _wgetenv(L"APPDATA"))
        for (const wchar_t* name : {L"my-days.ini", L"calendar.ini", L"events.ini"})
            DeleteFileW((std::wstring(appData) + L"\\Velmora\\" + name).c_str());
    // The feed on a closed port of this machine: no scenario reaches out to the Internet.
    setStoredSetting(L"UpdateFeed", L"http://127.0.0.1:9/feed.txt");
}

}  // namespace

int wmain(int argc, wchar_t** argv);
int wmain(int argc, wchar_t** argv) {
    // Told the display's real scale, as the program is.
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (const auto setContext = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext"))))
        setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));
    const std::map<std::wstring, std::function<void(const std::wstring&)>> scenarios = {
        {L"window", windowScenario},
        {L"lifecycle", lifecycleScenario},
        {L"tray", trayScenario},
        {L"navigation", navigationScenario},
        {L"startup", startupScenario},
        {L"dialogs", dialogsScenario},
        {L"soak", soakScenario},
        {L"paintcost", paintCostScenario},
        {L"bare-window", bareWindowScenario},
        {L"folders", folderScenario},
        {L"night", nightScenario},
        {L"lunar", lunarScenario},
        {L"my-days", myDaysScenario},
        {L"prayer", prayerScenario},
        {L"convert", convertScenario},
        {L"cold-start", coldStartScenario},
        {L"held-my-days", heldMyDaysScenario},
        {L"many-days", manyDaysScenario},
        {L"installed", installedScenario},
        {L"absent", absentScenario},
        {L"language", languageScenario},
        {L"persian-system", persianSystemScenario},
        {L"long-month", longMonthScenario},
        {L"console", consoleScenario},
        {L"present", presentScenario},
        {L"quit", quitScenario},
        {L"hold", holdScenario},
        {L"scale", scaleScenario},
        {L"theme", themeScenario},
        {L"updates", updatesScenario},
        {L"program-update", programUpdateScenario},
    };
    if (argc < 2 || !scenarios.contains(argv[1])) {
        std::printf(
            "usage: velmora-driver window|lifecycle|tray|navigation|startup|dialogs|soak|paintcost|folders|night "
            "[SHOTS]\n       velmora-driver installed FOLDER | absent\n");
        return 2;
    }
    // The scenarios share one Wine prefix; each of the program's own starts from what a new
    // user has, whatever an earlier one (or an earlier failure) left. The helpers of the
    // installer's test work in its prefix, on the state it set up.
    static const std::set<std::wstring> helpers = {L"installed", L"absent",      L"present",       L"quit",
                                                   L"hold",      L"bare-window", L"program-update"};
    if (!helpers.contains(argv[1])) startAsANewUser();
    scenarios.at(argv[1])(argc > 2 ? argv[2] : L"");
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed;
}
