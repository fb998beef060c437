// The main window: its controls, fonts, layout and paint, and the dispatch of its messages.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "app/gdi_surface.h"
#include "app/main_window.h"
#include "calendar/month_names.h"
#include "data/executable_folder.h"
#include "decisions/day_change.h"
#include "decisions/link_area.h"
#include "render/main_paint.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr wchar_t kHomePage[] = L"https://velmora.co.ir/";

struct FontDesign {
    const wchar_t* face;
    int height;
    int width;
    int weight;
};
// In FontId order: comboFont, yearEditFont, linkFont, gridFont, companionFont,
// arabicWeekdayFont, latinFont, smallFont.
constexpr FontDesign kFonts[kProgramFontCount] = {
    {L"TAHOMA", 15, 7, 400}, {L"TAHOMA", 16, 0, 400}, {L"Times New Roman", 16, 0, 400}, {L"Times New Roman", 0, 0, 700},
    {L"TAHOMA", 15, 0, 400}, {L"TAHOMA", 22, 6, 700}, {L"Courier New", 20, 9, 700},     {L"TAHOMA", 14, 0, 100},
};

HWND createChild(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style, int id, int width,
                 int height) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | style, 0, 0, width, height, app.mainWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app.instance, nullptr);
}

void setBitmap(HWND button, int bitmapId) {
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(LoadBitmapW(app.instance, MAKEINTRESOURCEW(bitmapId))));
}

void setFont(HWND control, FontId font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(app.fonts[static_cast<std::size_t>(font)]), TRUE);
}

void createControls() {
    const int bx = app.charWidth;
    const int by = app.charHeight;
    const int buttonWidth = (bx * 35) / 10, buttonHeight = (by * 15) / 10;
    app.allOccasionsButton =
        createChild(0, L"button", L"", WS_VISIBLE | BS_CENTER | BS_BITMAP, IDC_ALL_OCCASIONS, 60, 20);
    setBitmap(app.allOccasionsButton, IDB_ALL_OCCASIONS);
    app.previousMonthButton = createChild(0, L"button", L"", WS_VISIBLE | WS_TABSTOP | BS_BITMAP, IDC_PREVIOUS_MONTH,
                                          buttonWidth, buttonHeight);
    setBitmap(app.previousMonthButton, IDB_PREVIOUS_MONTH);
    app.nextMonthButton =
        createChild(0, L"button", L"", WS_VISIBLE | WS_TABSTOP | BS_BITMAP, IDC_NEXT_MONTH, buttonWidth, buttonHeight);
    setBitmap(app.nextMonthButton, IDB_NEXT_MONTH);
    app.yearEdit = createChild(WS_EX_CLIENTEDGE, L"edit", nullptr, WS_VISIBLE | WS_BORDER | WS_TABSTOP, IDC_YEAR_EDIT,
                               (bx * 725) / 100, buttonHeight);
    app.yearUpDown =
        createChild(0, UPDOWN_CLASSW, nullptr, WS_VISIBLE | UDS_ARROWKEYS, IDC_YEAR_UP_DOWN, bx * 3, buttonHeight);
    // No range is set: the arrows keep the default one, whose deltas say up or down.
    SendMessageW(app.yearUpDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(app.yearEdit), 0);
    const int comboWidth = (bx * 135) / 10, comboHeight = (by * 186) / 10;
    app.jalaliMonthCombo = createChild(WS_EX_RIGHT, L"combobox", L"SelectMonth", WS_TABSTOP | CBS_DROPDOWNLIST,
                                       IDC_JALALI_MONTH_COMBO, comboWidth, comboHeight);
    app.gregorianMonthCombo = createChild(0, L"combobox", L"SelectMonth", WS_TABSTOP | CBS_DROPDOWNLIST,
                                          IDC_GREGORIAN_MONTH_COMBO, comboWidth, comboHeight);
    app.hijriMonthCombo = createChild(WS_EX_RIGHT, L"combobox", L"SelectMonth", WS_TABSTOP | CBS_DROPDOWNLIST,
                                      IDC_HIJRI_MONTH_COMBO, comboWidth, comboHeight);
}

void createFonts() {
    for (std::size_t i = 0; i < app.fonts.size(); ++i) {
        const FontDesign& design = kFonts[i];
        app.fonts[i] = CreateFontW(design.height, design.width, 0, 0, design.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                   OUT_OUTLINE_PRECIS, CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY,
                                   FF_DECORATIVE | FIXED_PITCH, design.face);
        if (app.fonts[i] != nullptr) countGdiObject(+1);
    }
}

void fillMonthBoxes() {
    for (std::int32_t month = 1; month <= 12; ++month) {
        SendMessageW(app.jalaliMonthCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(jalaliMonthNames[month].data()));
        SendMessageW(app.gregorianMonthCombo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(gregorianMonthNames[month].data()));
        SendMessageW(app.hijriMonthCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(hijriMonthNames[month].data()));
    }
    setFont(app.jalaliMonthCombo, FontId::comboFont);
    setFont(app.gregorianMonthCombo, FontId::comboFont);
    setFont(app.hijriMonthCombo, FontId::comboFont);
    setFont(app.yearEdit, FontId::yearEditFont);
    setFont(app.allOccasionsButton, FontId::smallFont);
}

// The clock was read for a reason: on a new day the icon, its tooltip and the view move to it.
LRESULT onClock(ClockEvent event) {
    GetLocalTime(&app.now);
    const LocalTime now{app.today(), app.now.wHour, app.now.wMinute, app.now.wSecond};
    const DayDecision decision = decideDayChange(now, app.knownToday, event);
    if (decision.newDay) {
        app.knownToday = app.today();
        app.navigation.shown = app.today();
        updateTrayIcon();
        showShownMonth();
    } else {
        retryTrayIcon();
    }
    SetTimer(app.mainWindow, kDayChangeTimer, static_cast<UINT>(decision.nextCheckMs), nullptr);
    return 0;
}

LRESULT onCreate(HWND window) {
    app.mainWindow = window;
    const LONG units = GetDialogBaseUnits();
    app.charWidth = LOWORD(units);
    app.charHeight = HIWORD(units);
    const CivilDate today = app.today();
    app.navigation = {Calendar::jalali, today, today.year, today.month, today.day};
    app.knownToday = today;

    app.taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    app.liveGdiObjectsMessage = RegisterWindowMessageW(L"Velmora.LiveGdiObjects");
    app.menuItemStateMessage = RegisterWindowMessageW(L"Velmora.MenuItemState");
    app.dataStateMessage = RegisterWindowMessageW(L"Velmora.DataState");
    app.trayDayMessage = RegisterWindowMessageW(L"Velmora.TrayDay");

    // calendar.ini and events.ini beside the executable; the table's bounds are read now.
    app.files = std::make_unique<CalendarFiles>(executableFolder());
    refreshDataFiles();

    createControls();
    createFonts();
    app.bitmaps = std::make_unique<BitmapCache>(app.instance);
    app.tooltip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, window, nullptr, app.instance, nullptr);
    app.mainMenu = GetMenu(window);
    app.trayMenu = GetSubMenu(LoadMenuW(app.instance, L"SYSTRAY"), 0);
    fillMonthBoxes();
    SetFocus(app.yearEdit);
    CheckMenuItem(app.mainMenu, IDM_OPTION_JALALI_MODE, MF_CHECKED);
    detectStartupRegistration();
    showShownMonth();
    onClock(ClockEvent::check);  // starts the day watch
    return 0;
}

LRESULT onSize(LPARAM lParam) {
    app.clientWidth = LOWORD(lParam) - GetSystemMetrics(SM_CXBORDER);
    app.clientHeight = HIWORD(lParam) - GetSystemMetrics(SM_CYBORDER) - GetSystemMetrics(SM_CYSMCAPTION);
    const int w = app.clientWidth, h = app.clientHeight, bx = app.charWidth, by = app.charHeight;
    const int top = h / 20, buttonWidth = (bx * 35) / 10, buttonHeight = (by * 15) / 10;
    MoveWindow(app.previousMonthButton, (w * 10) / 12, top, buttonWidth, buttonHeight, TRUE);
    MoveWindow(app.nextMonthButton, (w * 10) / 98, top, buttonWidth, buttonHeight, TRUE);
    MoveWindow(app.yearEdit, (w * 10) / 47, top, (bx * 725) / 100, buttonHeight, TRUE);
    MoveWindow(app.yearUpDown, (bx * 725) / 100 + (w * 10) / 47, top, bx * 2, buttonHeight, TRUE);
    for (HWND combo : {app.jalaliMonthCombo, app.gregorianMonthCombo, app.hijriMonthCombo}) {
        MoveWindow(combo, w / 2, top, (bx * 135) / 10, (by * 186) / 10, TRUE);
    }
    MoveWindow(app.allOccasionsButton, 27, buttonHeight + h - 35, 60, 20, TRUE);
    app.childPlaces.clear();
    for (HWND child = GetWindow(app.mainWindow, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, app.mainWindow, reinterpret_cast<POINT*>(&r), 2);
        app.childPlaces.emplace_back(child, r);
    }
    return 0;
}

// Keeps the paint off the child controls, as WS_CLIPCHILDREN would: they draw themselves.
void excludeChildren(HDC dc) {
    for (const auto& [child, r] : app.childPlaces) {
        if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    if (IsRectEmpty(&paint.rcPaint)) {  // a second WM_PAINT for what was painted already
        EndPaint(window, &paint);
        return 0;
    }
    refreshDataFiles();  // an edited calendar.ini or events.ini shows now
    RECT client;
    GetClientRect(window, &client);
    if (!app.canvas || !app.canvas->fits(client.right, client.bottom))
        app.canvas = std::make_unique<OffscreenCanvas>(dc, client.right, client.bottom);
    const HDC canvas = app.canvas->begin(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)));
    {
        GdiSurface paintSurface(canvas, app.fonts.data(), *app.bitmaps);
        app.charWidth = drawLink(paintSurface, app.clientWidth, app.clientHeight);
    }
    GdiSurfaceFactory surfaces(canvas, app.fonts.data(), *app.bitmaps);
    MonthView view{app.data(), app.clientWidth, app.clientHeight, app.navigation.shown, app.today()};
    for (const auto& [child, place] : app.childPlaces) {
        if (child == app.allOccasionsButton && (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0)
            view.occasionsButton = {place.left, place.top, place.right, place.bottom};
    }
    paintDisplayMode(surfaces, view, app.navigation.displayMode);
    excludeChildren(dc);
    app.canvas->present(dc);
    EndPaint(window, &paint);
    return 0;
}

// A tray program has no better moment: a message box once, when the table turns out damaged.
LRESULT onTellDataProblem() {
    if (app.toldDataProblem.empty()) return 0;
    const std::u16string text =
        u"calendar.ini is damaged, so Velmora leaves out the lunar Hijri dates until it is "
        u"repaired:\n\n" +
        app.toldDataProblem +
        u"\n\nvelmora-cli check lists every problem; the file is read again as soon as it "
        u"changes.";
    MessageBoxW(app.mainWindow, wide(text.c_str()), L"Velmora", MB_OK | MB_ICONWARNING);
    return 0;
}

LRESULT onMouseMove(LPARAM lParam) {
    const int x = LOWORD(lParam), y = HIWORD(lParam);
    if (overLink(x, y, app.clientWidth, app.clientHeight, app.charWidth)) SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return 0;
}

LRESULT onLeftButtonDown(LPARAM lParam) {
    if (linkClicked(LOWORD(lParam), HIWORD(lParam), app.clientWidth, app.clientHeight)) {
        ShellExecuteW(nullptr, nullptr, kHomePage, nullptr, nullptr, SW_SHOW);
    }
    return 0;
}

LRESULT onClose() {
    updateTrayIcon();
    ShowWindow(app.mainWindow, SW_HIDE);
    closeOccasionsDialog();
    return 0;  // the window stays; the program goes on in the notification area
}

LRESULT onDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    for (HFONT& font : app.fonts) {
        if (font != nullptr && DeleteObject(font)) countGdiObject(-1);
        font = nullptr;
    }
    app.bitmaps.reset();
    app.canvas.reset();
    PostQuitMessage(0);
    return DefWindowProcW(window, WM_DESTROY, wParam, lParam);
}

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam);
    if (onMenuCommand(id)) return 0;  // the modes and the tray commands return at once
    onNavigationCommand(id);
    if (HIWORD(wParam) == CBN_SELCHANGE) onMonthSelected();
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

}  // namespace

void refreshDataFiles() {
    app.files->refresh();
    const std::vector<FileProblem>& errors = app.files->calendarErrors();
    std::u16string problem;
    if (!errors.empty()) {
        const std::filesystem::path path = app.files->calendarSource().path();
        problem = fromUtf8(describeProblem(path.filename().string(), errors.front()));
    }
    if (problem == app.toldDataProblem) return;
    app.toldDataProblem = problem;
    if (!problem.empty()) PostMessageW(app.mainWindow, kTellDataProblemMessage, 0, 0);
}

void showShownMonth() {
    NavigationState& state = app.navigation;
    keepShownDateInSpan(state, app.navigationContext());
    const MonthControls controls = monthControls(state, app.navigationContext());
    if (windowText(app.yearEdit) != controls.yearText) setWindowText(app.yearEdit, controls.yearText);
    const HWND shownCombo = modeCombo();
    if (SendMessageW(shownCombo, CB_GETCURSEL, 0, 0) != controls.monthIndex)
        SendMessageW(shownCombo, CB_SETCURSEL, static_cast<WPARAM>(controls.monthIndex), 0);
    const auto showOnly = [](HWND control, bool shown) {
        const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
        if (visible != shown) ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
    };
    for (HWND combo : {app.jalaliMonthCombo, app.gregorianMonthCombo, app.hijriMonthCombo})
        showOnly(combo, combo == shownCombo);
    showOnly(app.allOccasionsButton, state.displayMode == Calendar::jalali);
    updateButtonTooltips();
    // The paint covers the whole client area: nothing to erase first.
    // The child controls repaint themselves when their text or selection changes; without
    // WS_CLIPCHILDREN a plain InvalidateRect would repaint them all with the window.
    RedrawWindow(app.mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

std::u16string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

void setWindowText(HWND window, std::u16string_view text) {
    const std::u16string terminated(text);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GetLocalTime(&app.now);  // every message takes a fresh look at the clock

    switch (message) {
        case WM_CREATE: return onCreate(window);
        case WM_SIZE: return onSize(lParam);
        case WM_PAINT: return onPaint(window);
        case WM_CLOSE: return onClose();
        case WM_DESTROY: return onDestroy(window, wParam, lParam);
        case WM_ERASEBKGND: return 1;  // the paint fills the background itself
        case kTellDataProblemMessage: return onTellDataProblem();
        case WM_TIMECHANGE: return onClock(ClockEvent::timeChange);
        case WM_TIMER: return wParam == kDayChangeTimer ? onClock(ClockEvent::check) : 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) onClock(ClockEvent::resume);
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && header->code == UDN_DELTAPOS) onYearStep(header);
            return DefWindowProcW(window, message, wParam, lParam);
        }
        case WM_COMMAND: return onCommand(window, wParam, lParam);
        case WM_MOUSEMOVE: return onMouseMove(lParam);
        case WM_LBUTTONDOWN: return onLeftButtonDown(lParam);
        case kTrayMessage: onTrayNotify(lParam); return DefWindowProcW(window, message, wParam, lParam);
        default: break;
    }
    if (message != 0 && message == app.taskbarCreatedMessage) {
        onTaskbarCreated();
        return 0;
    }
    if (message != 0 && message == app.liveGdiObjectsMessage) return liveGdiObjects();
    if (message != 0 && message == app.trayDayMessage) return app.trayIconAdded ? app.trayIconId : 0;
    if (message != 0 && message == app.dataStateMessage) {
        return (hasLunarTable(app.data().bounds) ? 1 : 0) | (app.files->eventsSource().exists() ? 2 : 0);
    }
    if (message != 0 && message == app.menuItemStateMessage) {
        return static_cast<LRESULT>(
            static_cast<INT>(GetMenuState(app.mainMenu, static_cast<UINT>(wParam), MF_BYCOMMAND)));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace velmora
