#include "app/main_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

#include "app/about_box.h"
#include "app/display_scale.h"
#include "app/lunar_dialog.h"
#include "app/my_days_dialog.h"
#include "app/startup_registration.h"
#include "app/user_settings.h"
#include "app/win32_text.h"
#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "calendar/native_digits.h"
#include "data/executable_folder.h"
#include "decisions/day_reading.h"
#include "decisions/icon_size.h"
#include "decisions/keyboard.h"
#include "decisions/link_area.h"
#include "decisions/lunar_months.h"
#include "decisions/my_days_form.h"
#include "render/main_paint.h"
#include "render/month_grid.h"
#include "render/scaled_surface.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr UINT kTrayMessage = WM_USER + 1;
constexpr UINT kTellDataProblemMessage = WM_APP + 1;
constexpr UINT_PTR kDayChangeTimer = 1;
constexpr UINT_PTR kYearEditSubclass = 1;
constexpr wchar_t kHomePage[] = L"https://velmora.co.ir/";
constexpr wchar_t kProductPage[] = L"https://velmora.co.ir/velmora-fa.html";
constexpr wchar_t kPredictionNoticeValue[] = L"PredictedMonthsTold";  // the first predicted month told of
constexpr wchar_t kRemindersValue[] = L"MyDaysReminders";             // "off" turns the reminders off
constexpr wchar_t kEveningBeforeValue[] = L"MyDaysEveningBefore";     // "on" reminds the evening before too
constexpr wchar_t kRemindedValue[] = L"MyDaysReminded";               // the reminders given, a line each
constexpr int kDesignWidth = 400;                                     // the window at 96 dpi, frame included
constexpr int kDesignHeight = 569;

LocalTime readClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance),
      files_(executableFolder()),
      bitmaps_(instance, ledger_),
      words_(instance, storedInterfaceLanguage()) {}

MainWindow::~MainWindow() {
    if (handle() != nullptr) DestroyWindow(handle());
    if (trayMenuRoot_ != nullptr) DestroyMenu(trayMenuRoot_);
}

bool MainWindow::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;  // a double-click on a day opens My Days
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // Both kept for the life of the process, at the primary display's scale; a window on
    // another display takes icons of its own.
    windowClass.hIcon = loadScaledIcon(instance, L"calendar", kWindowIconPixels, systemDpi());
    windowClass.hIconSm = loadScaledIcon(instance, L"calendar", kTrayIconPixels, systemDpi());
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Created once and kept for the life of the process.
    windowClass.hbrBackground = CreateSolidBrush(RGB(243, 246, 247));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MAIN_MENU);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

bool MainWindow::create(int showCommand) {
    CreateWindowExW(0, kClassName, kTitle, WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 300, 90, kDesignWidth,
                    kDesignHeight, nullptr, nullptr, instance_, this);
    if (handle() == nullptr) return false;
    ShowWindow(handle(), showCommand);
    UpdateWindow(handle());
    return true;
}

bool MainWindow::preTranslate(MSG& message) {
    // The window's keys, wherever the focus is in it (not in a dialog it opened).
    if (message.message == WM_KEYDOWN && controls_ != nullptr &&
        (message.hwnd == handle() || GetAncestor(message.hwnd, GA_ROOT) == handle()) && GetKeyState(VK_MENU) >= 0) {
        KeyFocus focus = KeyFocus::other;
        const HWND box = controls_->monthBox(shown_.mode);
        if (message.hwnd == controls_->yearEdit()) focus = KeyFocus::yearBox;
        if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != 0) focus = KeyFocus::droppedMonthBox;
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (const auto command = commandOfKey(static_cast<std::uint16_t>(message.wParam), control, focus)) {
            SendMessageW(handle(), WM_COMMAND, MAKEWPARAM(*command, 1), 0);
            return true;
        }
    }
    // IsDialogMessageW would swallow Enter in the year box: dispatch it first.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && controls_ != nullptr &&
        message.hwnd == controls_->yearEdit()) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The occasions dialog takes its own keys (Esc closes it).
    if (occasionsDialog_->isOpen() && IsDialogMessageW(occasionsDialog_->handle(), &message)) return true;
    return handle() != nullptr && IsDialogMessageW(handle(), &message);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return onCreate();
        case WM_SIZE: return onSize(lParam);
        case WM_PAINT: return onPaint();
        case WM_CLOSE: return onClose();
        case WM_DESTROY: return onDestroy(wParam, lParam);
        case WM_ENDSESSION:
            if (wParam != FALSE) tray_->remove();  // Windows ends without a WM_DESTROY
            return 0;
        case WM_ERASEBKGND: return 1;  // the paint fills the background itself
        case kTellDataProblemMessage: return onTellDataProblem(wParam);
        case WM_TIMECHANGE: return onClock(ClockEvent::timeChange);
        case WM_TIMER: return wParam == kDayChangeTimer ? onClock(ClockEvent::check) : 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) onClock(ClockEvent::resume);
            return TRUE;
        case WM_NOTIFY: return onNotify(wParam, lParam);
        case WM_COMMAND: return onCommand(wParam, lParam);
        case WM_MOUSEMOVE: return onMouseMove(lParam);
        case WM_LBUTTONDOWN: return onLeftButtonDown(lParam);
        case WM_LBUTTONDBLCLK: return onDoubleClick(lParam);
        case WM_DPICHANGED: return onDpiChanged(wParam, lParam);
        case WM_DRAWITEM: return TRUE;  // the holiday list is drawn by the paint
        case kTrayMessage: return onTrayNotify(wParam, lParam);
        default: break;
    }
    if (message != 0 && message == taskbarCreatedMessage_) {  // Explorer restarted and forgot our icon
        tray_->restore(trayContent());
        return 0;
    }
    if (queries_.isQuestion(message)) return queries_.answer(message, wParam, driverFacts()).value_or(0);
    return DefWindowProcW(handle(), message, wParam, lParam);
}

LRESULT MainWindow::onCreate() {
    today_ = readClock().date;
    startDay_ = today_.day;
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    tray_ = std::make_unique<TrayIcon>(instance_, handle(), kTrayMessage);
    occasionsDialog_ = std::make_unique<OccasionsDialog>(
        instance_, resources_, [this] { return occasionsMonth(); },
        [this](const MonthLayout& month) { return occasionsTitle(month); },
        [this](const MonthLayout& month, const LaidOutDay& day) { return dayReading(month, day, words_.language()); });
    refreshDataFiles();

    dpi_ = windowDpi(handle());
    fonts_.scaleTo(dpi_);
    bitmaps_.scaleTo(dpi_);
    DayGrid::Owner gridOwner;
    gridOwner.keyDown = [this](std::uint16_t key) { onGridKey(key); };
    gridOwner.focusChanged = [this] { RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN); };
    gridOwner.name = [this] {
        const MonthControls written = monthControls(shown_, words_.language());
        return std::u16string(monthBoxName(shown_.mode, shown_.month, words_.language())) + u" " + written.yearText;
    };
    gridOwner.days = [this] { return gridDays(); };
    gridOwner.cursorDay = [this] { return shown_.day; };
    grid_ = std::make_unique<DayGrid>(handle(), instance_, IDC_DAY_GRID, std::move(gridOwner));
    controls_ = std::make_unique<MainControls>(handle(), instance_, fonts_, grid_->handle());
    if (dpi_ != 96) scaleTo(dpi_, nullptr);
    SetWindowSubclass(controls_->yearEdit(), yearEditProc, kYearEditSubclass, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(controls_->yearEdit());
    registeredAtStartup_ = isRegisteredAtStartup();
    shown_ = todayMonth(Calendar::jalali, context());
    applyWords();
    controls_->setLanguage(words_.language());
    show(shown_);
    tray_->show(trayContent());  // the program lives in the notification area from the start
    tellOfPredictedMonths();
    onClock(ClockEvent::check);  // starts the day watch, and reminds of the user's own days
    return 0;
}

LRESULT MainWindow::onSize(LPARAM lParam) {
    // The paint lays out in the pixels of the 96-dpi design.
    const DisplayScale scale{static_cast<std::int32_t>(dpi_)};
    clientWidth_ = scale.design(LOWORD(lParam)) - systemMetricAt(SM_CXBORDER, 96);
    clientHeight_ = scale.design(HIWORD(lParam)) - systemMetricAt(SM_CYBORDER, 96) - systemMetricAt(SM_CYSMCAPTION, 96);
    if (linkCharWidth_ == 0) {  // until the first paint measures it: the default font's
        const HDC dc = GetDC(handle());
        const HGDIOBJ old =
            fonts_.get(FontId::systemFont) != nullptr ? SelectObject(dc, fonts_.get(FontId::systemFont)) : nullptr;
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        if (old != nullptr) SelectObject(dc, old);
        ReleaseDC(handle(), dc);
        linkCharWidth_ = scale.design(metrics.tmAveCharWidth);
    }
    controls_->layOut(clientWidth_, clientHeight_, linkCharWidth_);
    return 0;
}

LRESULT MainWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    scaleTo(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    return 0;
}

void MainWindow::scaleTo(UINT dpi, const RECT* suggested) {
    dpi_ = dpi;
    fonts_.scaleTo(dpi);
    bitmaps_.scaleTo(dpi);
    canvas_.reset();
    controls_->rescale();
    linkCharWidth_ = 0;
    for (const auto& [which, pixels] :
         {std::pair{ICON_BIG, kWindowIconPixels}, std::pair{ICON_SMALL, kTrayIconPixels}}) {
        const HICON icon = loadScaledIcon(instance_, L"calendar", pixels, dpi);
        const auto old =
            reinterpret_cast<HICON>(SendMessageW(handle(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon)));
        if (old != nullptr &&
            old != reinterpret_cast<HICON>(GetClassLongPtrW(handle(), which == ICON_BIG ? GCLP_HICON : GCLP_HICONSM)))
            DestroyIcon(old);
    }
    // The design's client area (the 96-dpi window less its frame there), at this DPI.
    RECT frame96{0, 0, 0, 0};
    RECT frame{0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(handle(), GWL_STYLE));
    adjustWindowRectForDpi(frame96, style, 96);
    adjustWindowRectForDpi(frame, style, dpi);
    const DisplayScale scale{static_cast<std::int32_t>(dpi)};
    const int width = scale.px(kDesignWidth - (frame96.right - frame96.left)) + (frame.right - frame.left);
    const int height = scale.px(kDesignHeight - (frame96.bottom - frame96.top)) + (frame.bottom - frame.top);
    RECT place;
    GetWindowRect(handle(), &place);
    if (suggested != nullptr) place = *suggested;
    // Whole on the display it is on, as far as it fits.
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = std::max<int>(std::min<int>(place.left, work.right - width), work.left);
    const int top = std::max<int>(std::min<int>(place.top, work.bottom - height), work.top);
    SetWindowPos(handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(handle(), &client);
    onSize(MAKELPARAM(client.right, client.bottom));  // also where the size did not change
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

LRESULT MainWindow::onPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle(), &paint);
    if (IsRectEmpty(&paint.rcPaint)) {  // a second WM_PAINT for what was painted already
        EndPaint(handle(), &paint);
        return 0;
    }
    refreshDataFiles();  // an edited calendar.ini or events.ini shows now
    RECT client;
    GetClientRect(handle(), &client);
    if (!canvas_ || !canvas_->fits(client.right, client.bottom))
        canvas_ = std::make_unique<OffscreenCanvas>(dc, client.right, client.bottom, ledger_);
    const HDC canvas = canvas_->begin(reinterpret_cast<HBRUSH>(GetClassLongPtrW(handle(), GCLP_HBRBACKGROUND)));
    GdiSurfaceFactory shownSurfaces(canvas, resources_);
    const DisplayScale scale{static_cast<std::int32_t>(dpi_)};
    ScaledSurfaceFactory surfaces(shownSurfaces, scale);
    linkCharWidth_ = drawLink(*surfaces.open(), clientWidth_, clientHeight_);
    const MonthLayout layout = layOutMonth(files_.data(), shown_.mode, shown_.year, shown_.month, today_);
    const bool persian = words_.language() == Language::persian;
    MonthView view{layout, clientWidth_, clientHeight_, {}, {moreHolidays_, persian, persian, predictedMark_}};
    controls_->setHolidayLines(holidayLines(layout, words_.language()));
    if (grid_->focused()) view.cursorDay = shown_.day;
    if (controls_->holidayListFocused())
        view.focusedHoliday = static_cast<std::int32_t>(SendMessageW(controls_->holidayList(), LB_GETCURSEL, 0, 0));
    // Keeps the paint off the child controls, as WS_CLIPCHILDREN would: they draw themselves.
    for (const MainControls::Place& place : controls_->places()) {
        if ((GetWindowLongW(place.control, GWL_STYLE) & WS_VISIBLE) == 0 || !controls_->drawsItself(place.control))
            continue;
        const RECT& r = place.rect;
        if (place.control == controls_->allOccasionsButton())
            view.occasionsButton = {scale.design(r.left), scale.design(r.top), scale.design(r.right),
                                    scale.design(r.bottom)};
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    paintDisplayMode(surfaces, view);
    canvas_->present(dc);
    EndPaint(handle(), &paint);
    return 0;
}

LRESULT MainWindow::onClose() {
    tray_->show(trayContent());
    ShowWindow(handle(), SW_HIDE);
    occasionsDialog_->close();
    return 0;  // the window stays; the program goes on in the notification area
}

LRESULT MainWindow::onDestroy(WPARAM wParam, LPARAM lParam) {
    tray_->remove();
    canvas_.reset();
    PostQuitMessage(0);
    return DefWindowProcW(handle(), WM_DESTROY, wParam, lParam);
}

// The clock was read for a reason: on a new day the icon, its tooltip and the view move to it.
LRESULT MainWindow::onClock(ClockEvent event) {
    const LocalTime now = readClock();
    const DayDecision decision = decideDayChange(now, today_, event);
    if (decision.newDay) {
        today_ = now.date;
        tray_->show(trayContent());
        show(todayMonth(shown_.mode, context()));
        tellOfPredictedMonths();
    } else if (tray_->wanted() && !tray_->added()) {
        tray_->retryIfRefused(trayContent());
    }
    remindOfMyDays(now);
    SetTimer(handle(), kDayChangeTimer, static_cast<UINT>(decision.nextCheckMs), nullptr);
    return 0;
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam);
    if (onMenuCommand(id)) return 0;  // the modes and the tray's Open end the message at once
    onNavigationCommand(id, HIWORD(wParam));
    return DefWindowProcW(handle(), WM_COMMAND, wParam, lParam);
}

LRESULT MainWindow::onNotify(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && header->code == UDN_DELTAPOS) {
        // The arrows: iDelta -1 is one year on.
        show(stepYear(shown_, context(), reinterpret_cast<const NMUPDOWN*>(header)->iDelta));
    }
    return DefWindowProcW(handle(), WM_NOTIFY, wParam, lParam);
}

// Under NOTIFYICON_VERSION_4 the event is LOWORD(lParam) and a right click, or the menu key
// on the icon, comes as WM_CONTEXTMENU.
LRESULT MainWindow::onTrayNotify(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(lParam)) {
        case WM_LBUTTONDOWN: ShowWindow(handle(), SW_HIDE); break;
        case WM_LBUTTONDBLCLK:
            ShowWindow(handle(), SW_SHOWNORMAL);
            SetForegroundWindow(handle());
            SetFocus(controls_->yearEdit());
            break;
        case WM_CONTEXTMENU: {
            POINT cursor;
            GetCursorPos(&cursor);
            // The window must be foreground before TrackPopupMenu, or the menu will not close
            // when the user clicks elsewhere; the WM_NULL afterwards lets it close at once.
            SetForegroundWindow(handle());
            TrackPopupMenu(trayMenu_, words_.rightToLeft() ? TPM_LAYOUTRTL | TPM_RIGHTALIGN : 0, cursor.x, cursor.y, 0,
                           handle(), nullptr);
            PostMessageW(handle(), WM_NULL, 0, 0);
            break;
        }
        default: break;
    }
    return DefWindowProcW(handle(), kTrayMessage, wParam, lParam);
}

// A tray program has no better moment: a message box once, when a data file turns out
// damaged (wParam 0 for calendar.ini, 1 for events.ini).
LRESULT MainWindow::onTellDataProblem(WPARAM which) {
    const std::u16string& problem = which == 0   ? toldDataProblem_
                                    : which == 1 ? toldEventsProblem_
                                                 : toldMyDaysProblem_;
    if (problem.empty()) return 0;
    const UINT texts[] = {IDS_DATA_PROBLEM, IDS_EVENTS_PROBLEM, IDS_MYDAYS_PROBLEM};
    words_.warn(handle(), texts[std::min<WPARAM>(which, 2)], problem);
    return 0;
}

POINT MainWindow::designPoint(LPARAM lParam) const {
    const DisplayScale scale{static_cast<std::int32_t>(dpi_)};
    return {scale.design(GET_X_LPARAM(lParam)), scale.design(GET_Y_LPARAM(lParam))};
}

LRESULT MainWindow::onMouseMove(LPARAM lParam) {
    const POINT p = designPoint(lParam);
    if (overLink(p.x, p.y, clientWidth_, clientHeight_, linkCharWidth_)) SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return 0;
}

LRESULT MainWindow::onDoubleClick(LPARAM lParam) {
    const MonthLayout layout = layOutMonth(files_.data(), shown_.mode, shown_.year, shown_.month, today_);
    const POINT p = designPoint(lParam);
    const auto day = dayAtPoint(layout, clientWidth_, clientHeight_, p.x, p.y);
    if (day) openMyDays(dayNumberToDate(shown_.mode, files_.data().hijri(), *day));
    return 0;
}

LRESULT MainWindow::onLeftButtonDown(LPARAM lParam) {
    const POINT p = designPoint(lParam);
    if (linkClicked(p.x, p.y, clientWidth_, clientHeight_))
        ShellExecuteW(nullptr, nullptr, kHomePage, nullptr, nullptr, SW_SHOW);
    return 0;
}

// The arrows move the day cursor, into the next or previous month past its ends; Enter opens
// the occasions of the cursor's day.
void MainWindow::onGridKey(std::uint16_t key) {
    if (key == key::enter) {
        occasionsDialog_->open(handle());
        occasionsDialog_->showDay(dayNumberToJalali(shownDayNumber(shown_, files_.data())).day);
        return;
    }
    show(moveDayCursor(shown_, context(), key));
    grid_->cursorMoved();
}

std::vector<std::pair<std::u16string, RECT>> MainWindow::gridDays() {
    const MonthLayout layout = layOutMonth(files_.data(), shown_.mode, shown_.year, shown_.month, today_);
    const DisplayScale scale{static_cast<std::int32_t>(dpi_)};
    RECT grid;
    GetWindowRect(grid_->handle(), &grid);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&grid), 2);
    std::vector<std::pair<std::u16string, RECT>> days;
    for (const LaidOutDay& day : layout.days) {
        const Rect box = scale.px(gridCell(clientWidth_, clientHeight_, day.cell.row, day.cell.screenColumn).box);
        days.push_back({dayReading(layout, day, words_.language()),
                        RECT{box.left - grid.left, box.top - grid.top, box.right - grid.left, box.bottom - grid.top}});
    }
    return days;
}

LRESULT CALLBACK MainWindow::yearEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        reinterpret_cast<MainWindow*>(self)->onYearEntered();
        return 0;  // the edit control never sees this Enter
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void MainWindow::onYearEntered() {
    const auto year = readYearEdit(windowText(controls_->yearEdit()));
    if (!year) MessageBeep(MB_OK);  // not a year: the shown one stays, written back
    show(year ? enterYear(shown_, context(), *year) : shown_, true);
}

// True for the commands that end the message's handling at once.
bool MainWindow::onMenuCommand(WORD id) {
    switch (id) {
        case IDM_OPTION_JALALI_MODE: setDisplayMode(Calendar::jalali); return true;
        case IDM_OPTION_MILADI_MODE: setDisplayMode(Calendar::gregorian); return true;
        case IDM_OPTION_HIJRI_MODE: setDisplayMode(Calendar::hijri); return true;
        case IDM_TRAY_OPEN: ShowWindow(handle(), SW_SHOWNORMAL); return true;
        case IDM_TRAY_EXIT:
        case IDM_FILE_EXIT:
            PostQuitMessage(0);
            tray_->remove();
            return false;
        case IDM_OPTION_ENGLISH: setLanguage(Language::english); return true;
        case IDM_OPTION_PERSIAN: setLanguage(Language::persian); return true;
        case IDM_OPTION_ADD_TO_STARTUP:
            registerAtStartup();
            registeredAtStartup_ = true;
            replaceStartupItem(IDM_OPTION_ADD_TO_STARTUP, IDM_OPTION_REMOVE_FROM_STARTUP, IDS_REMOVE_FROM_STARTUP);
            return false;
        case IDM_OPTION_REMOVE_FROM_STARTUP:
            unregisterAtStartup();
            registeredAtStartup_ = false;
            replaceStartupItem(IDM_OPTION_REMOVE_FROM_STARTUP, IDM_OPTION_ADD_TO_STARTUP, IDS_ADD_TO_STARTUP);
            return false;
        case IDM_HELP_CONTENTS: {
            // The help holds both languages, the English part under #english.
            std::wstring url = L"file:///" + (executableFolder() / "content.htm").generic_wstring();
            if (words_.language() == Language::english) url += L"#english";
            ShellExecuteW(nullptr, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            return false;
        }
        case IDM_HELP_CHECK_FOR_UPDATES:
            ShellExecuteW(nullptr, nullptr, kProductPage, nullptr, nullptr, SW_SHOW);
            return false;
        case IDM_HELP_ABOUT:
            AboutBox(instance_, words_, toldDataProblem_, aboutLunarNote()).run(handle());
            return false;
        case IDM_OPTION_MY_DAYS: openMyDays(std::nullopt); return false;
        case IDM_OPTION_REMINDERS:
            writeUserSetting(kRemindersValue, remindersOn() ? u"off" : u"on");
            checkReminderItems();
            return false;
        case IDM_OPTION_REMIND_EVENING:
            writeUserSetting(kEveningBeforeValue, eveningBeforeOn() ? u"off" : u"on");
            checkReminderItems();
            return false;
        case IDM_OPTION_CORRECT_LUNAR:
            LunarDialog(
                instance_, words_, today_,
                [this]() -> const CalendarData& {
                    refreshDataFiles();
                    return files_.data();
                },
                [this](const std::function<EditedText(std::string_view)>& edit) { return editCalendar(edit); })
                .run(handle());
            return false;
        default: return false;
    }
}

bool MainWindow::onNavigationCommand(WORD id, WORD code) {
    switch (id) {
        case IDC_NEXT_MONTH: show(nextMonth(shown_, context())); return true;
        case IDC_PREVIOUS_MONTH: show(previousMonth(shown_, context())); return true;
        case IDM_FILE_GO_TO_TODAY:
            tray_->show(trayContent());
            show(todayMonth(shown_.mode, context()));
            return true;
        case IDC_ALL_OCCASIONS: occasionsDialog_->open(handle()); return true;
        case IDM_PREVIOUS_YEAR: show(stepYear(shown_, context(), +1)); return true;
        case IDM_NEXT_YEAR: show(stepYear(shown_, context(), -1)); return true;
        case IDM_HIDE_WINDOW: onClose(); return true;
        default: break;
    }
    if (code != CBN_SELCHANGE) return false;
    // The mode's month box; a year typed without Enter counts too.
    ShownMonth from = shown_;
    if (const auto typed = controls_->typedYear()) from.year = *typed;
    const LRESULT index = SendMessageW(controls_->monthBox(shown_.mode), CB_GETCURSEL, 0, 0);
    show(pickMonth(from, context(), static_cast<std::int32_t>(index) + 1), true);
    return true;
}

void MainWindow::show(const ShownMonth& shown, bool rewriteYear) {
    const bool sameMonth = shown.year == shown_.year && shown.month == shown_.month && shown.mode == shown_.mode;
    shown_ = shown;
    controls_->show(shown_, rewriteYear, allOccasionsTip_, words_.language());
    if (!sameMonth) occasionsDialog_->follow();
    // The paint covers the whole client area: nothing to erase first. The child controls
    // repaint themselves when their text or selection changes; without WS_CLIPCHILDREN a
    // plain InvalidateRect would repaint them all with the window.
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void MainWindow::setDisplayMode(Calendar mode) {
    show(changeMode(shown_, context(), mode));
    checkModeItem();
}

void MainWindow::checkModeItem() {
    for (const Calendar calendar : kCalendars) {
        CheckMenuItem(mainMenu_, static_cast<UINT>(calendarRecord(calendar).modeMenuItem),
                      calendar == shown_.mode ? MF_CHECKED : MF_UNCHECKED);
    }
}

// The last item of "Option" alternates between adding and removing the registration.
void MainWindow::replaceStartupItem(UINT removed, UINT added, UINT text) {
    const HMENU option = GetSubMenu(mainMenu_, 1);  // in the middle in either language
    DeleteMenu(option, removed, MF_BYCOMMAND);
    const std::u16string words = words_.text(text);
    AppendMenuW(option, MF_STRING | (words_.rightToLeft() ? MFT_RIGHTORDER : 0), added, wide(words.c_str()));
}

std::u16string MainWindow::occasionsTitle(const MonthLayout& month) const {
    const std::u16string name =
        dateText(Calendar::jalali, {month.year, month.month, 1}, words_.language(), DateForm::monthOf);
    return withInsert(words_.text(IDS_OCCASIONS_TITLE), name);
}

MonthLayout MainWindow::occasionsMonth() {
    refreshDataFiles();
    const CivilDate month = dayNumberToJalali(shownDayNumber(shown_, files_.data()));
    return layOutMonth(files_.data(), Calendar::jalali, month.year, month.month, today_);
}

std::string MainWindow::editCalendar(const std::function<EditedText(std::string_view)>& edit) {
    bool changed = false;
    const std::string problem = editFile(files_.calendarSource().path(), edit, &changed);
    if (!changed) return problem;
    // Read at once, even where the file's time and size look as before; the view, the tray
    // icon's tooltip and the occasions dialog follow.
    files_.calendarWritten();
    refreshDataFiles();
    tray_->show(trayContent());
    show(shown_);
    occasionsDialog_->follow();
    return problem;
}

void MainWindow::openMyDays(std::optional<CivilDate> start) {
    MyDaysDialog(
        instance_, words_,
        [this]() -> const CalendarData& {
            refreshDataFiles();
            return files_.data();
        },
        [this](const std::vector<MyDay>& days) { return saveMyDays(days); }, start, shown_.mode)
        .run(handle());
}

std::string MainWindow::saveMyDays(const std::vector<MyDay>& days) {
    std::filesystem::path path = files_.myDaysSource().path();
    if (path.empty()) path = executableFolder() / "my-days.ini";
    const std::string problem = saveFile(path, writeMyDays(days));
    if (!problem.empty()) return problem;
    files_.myDaysWritten();
    refreshDataFiles();
    tray_->show(trayContent());
    show(shown_);
    occasionsDialog_->follow();
    return {};
}

bool MainWindow::remindersOn() const { return readUserSetting(kRemindersValue) != u"off"; }
bool MainWindow::eveningBeforeOn() const { return readUserSetting(kEveningBeforeValue) == u"on"; }

void MainWindow::checkReminderItems() {
    CheckMenuItem(mainMenu_, IDM_OPTION_REMINDERS, MF_BYCOMMAND | (remindersOn() ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(mainMenu_, IDM_OPTION_REMIND_EVENING, MF_BYCOMMAND | (eveningBeforeOn() ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(mainMenu_, IDM_OPTION_REMIND_EVENING, MF_BYCOMMAND | (remindersOn() ? MF_ENABLED : MF_GRAYED));
}

// The user's own days, in a tray balloon at the first look at the clock on the day (and, when
// asked, the evening before), each once: the reminders given are kept, so that a restart or a
// wake from sleep does not repeat them.
void MainWindow::remindOfMyDays(const LocalTime& now) {
    if (!remindersOn() || !tray_->added()) return;
    std::vector<std::u16string> told;
    const std::u16string kept = readUserSetting(kRemindedValue);
    for (std::size_t start = 0; start < kept.size();) {
        const std::size_t end = std::min(kept.find(u'\n', start), kept.size());
        told.push_back(kept.substr(start, end - start));
        start = end + 1;
    }
    const std::vector<DueReminder> due = dueReminders(files_.data(), now, eveningBeforeOn(), told);
    if (due.empty()) return;
    const bool today = !due.front().tomorrow;
    std::u16string text;
    for (const DueReminder& reminder : due) {
        if (!text.empty()) text += u"\n";
        if (today && reminder.tomorrow) text += words_.text(IDS_REMINDER_TOMORROW) + u": ";
        text += reminder.day.text;
    }
    if (!tray_->balloon(words_.text(today ? IDS_REMINDER_TODAY : IDS_REMINDER_TOMORROW), text)) return;
    // Only the reminders of today and tomorrow are worth keeping.
    const std::u16string todayStamp = due.front().key.substr(0, 10);
    std::u16string keep;
    for (const std::u16string& key : told) {
        if (key.compare(0, 10, todayStamp) >= 0) keep += key + u"\n";
    }
    for (const DueReminder& reminder : due) keep += reminder.key + u"\n";
    writeUserSetting(kRemindedValue, keep);
}

// Once for each table, from 30 days before its first predicted month: a balloon says that the
// lunar dates from there on are predictions and how to correct them.
void MainWindow::tellOfPredictedMonths() {
    const auto notice = predictionNoticeDue(files_.data(), today_, readUserSetting(kPredictionNoticeValue));
    if (!notice) return;
    const Language language = words_.language();
    const Calendar solar = language == Language::persian ? Calendar::jalali : Calendar::gregorian;
    const std::u16string month =
        lunarMonthTitle(notice->year, notice->month, language) + u" (" +
        dateText(solar, dayNumberToDate(solar, files_.data().hijri(), notice->first), language) + u")";
    if (tray_->balloon(words_.text(IDS_PREDICTED_NOTICE_TITLE), withInsert(words_.text(IDS_PREDICTED_NOTICE), month)))
        writeUserSetting(kPredictionNoticeValue, notice->key);
}

// About's line on the lunar dates: from which month they are predictions, and when the
// table was made; empty without a table that predicts.
std::u16string MainWindow::aboutLunarNote() {
    refreshDataFiles();
    const CalendarData& data = files_.data();
    if (!data.lunarSource.firstPredicted || !hasLunarTable(data.bounds())) return {};
    const LunarMonth first = lunarMonthOfIndex(*data.lunarSource.firstPredicted);
    std::u16string note =
        withInsert(words_.text(IDS_ABOUT_PREDICTED), lunarMonthTitle(first.year, first.month, words_.language()));
    const std::u16string made = tableMadeWords(data, words_.language());
    return made.empty() ? note.substr(0, note.find(u'.') + 1) : withInsert(note, made);
}

TrayIconContent MainWindow::trayContent() {
    refreshDataFiles();  // the tooltip's lunar date from calendar.ini as it is now
    return trayIconContent(files_.data(), today_, words_.language());
}

void MainWindow::refreshDataFiles() {
    const bool changed = files_.refresh();
    // What is wrong with a file: its first error, as check says it; empty while it is sound.
    const auto firstError = [](const std::vector<FileProblem>& errors, const IniSource& source) {
        if (errors.empty()) return std::u16string();
        return fromUtf8(describeProblem(source.path().filename().string(), errors.front()));
    };
    const std::u16string calendarProblem = firstError(files_.calendarErrors(), files_.calendarSource());
    const std::u16string eventsProblem = firstError(files_.eventsErrors(), files_.eventsSource());
    const std::u16string myDaysProblem = firstError(files_.myDaysErrors(), files_.myDaysSource());
    if (myDaysProblem != toldMyDaysProblem_) {
        toldMyDaysProblem_ = myDaysProblem;
        if (!myDaysProblem.empty()) PostMessageW(handle(), kTellDataProblemMessage, 2, 0);
    }
    if (calendarProblem != toldDataProblem_) {
        toldDataProblem_ = calendarProblem;
        if (!calendarProblem.empty()) PostMessageW(handle(), kTellDataProblemMessage, 0, 0);
    }
    if (eventsProblem != toldEventsProblem_) {
        toldEventsProblem_ = eventsProblem;
        if (!eventsProblem.empty()) PostMessageW(handle(), kTellDataProblemMessage, 1, 0);
    }
    if (!changed || controls_ == nullptr) return;
    updateHijriItem();
    const ShownMonth kept = keepInSpan(shown_, context());
    if (kept == shown_) return;
    show(kept);
    checkModeItem();
}

void MainWindow::applyWords() {
    const HMENU old = GetMenu(handle());
    mainMenu_ = words_.menu(MAKEINTRESOURCEW(IDM_MAIN_MENU), true);
    SetMenu(handle(), mainMenu_);
    if (old != nullptr) DestroyMenu(old);
    if (trayMenuRoot_ != nullptr) DestroyMenu(trayMenuRoot_);
    trayMenuRoot_ = words_.menu(L"SYSTRAY", false);
    trayMenu_ = GetSubMenu(trayMenuRoot_, 0);
    allOccasionsTip_ = words_.text(IDS_ALL_OCCASIONS_TIP);
    moreHolidays_ = words_.text(IDS_MORE_HOLIDAYS);
    predictedMark_ = words_.text(IDS_PREDICTED_MARK);
    if (registeredAtStartup_)
        replaceStartupItem(IDM_OPTION_ADD_TO_STARTUP, IDM_OPTION_REMOVE_FROM_STARTUP, IDS_REMOVE_FROM_STARTUP);
    checkModeItem();
    updateHijriItem();
    checkReminderItems();
    const UINT chosen = words_.language() == Language::persian ? IDM_OPTION_PERSIAN : IDM_OPTION_ENGLISH;
    CheckMenuRadioItem(mainMenu_, IDM_OPTION_ENGLISH, IDM_OPTION_PERSIAN, chosen, MF_BYCOMMAND);
    DrawMenuBar(handle());
}

// Everything the program shows turns to the language at once, and the choice is remembered.
void MainWindow::setLanguage(Language language) {
    storeInterfaceLanguage(language);
    if (language == words_.language()) return;
    words_ = Catalogue(instance_, language);
    applyWords();
    controls_->setLanguage(language);
    show(shown_, true);
    if (tray_->wanted()) tray_->show(trayContent());
    occasionsDialog_->follow();
}

// Hijri mode is offered while there is a lunar table to show.
void MainWindow::updateHijriItem() {
    const bool lunar = modeAvailable(Calendar::hijri, files_.data());
    EnableMenuItem(mainMenu_, IDM_OPTION_HIJRI_MODE, MF_BYCOMMAND | (lunar ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(mainMenu_, IDM_OPTION_CORRECT_LUNAR, MF_BYCOMMAND | (lunar ? MF_ENABLED : MF_GRAYED));
}

DriverFacts MainWindow::driverFacts() const {
    DriverFacts facts;
    facts.mainMenu = mainMenu_;
    facts.lunarTable = hasLunarTable(files_.data().bounds());
    facts.eventsFile = files_.eventsSource().exists();
    facts.liveGdiObjects = ledger_.live();
    if (tray_ != nullptr) {
        facts.trayDay = tray_->shownDay();
        facts.trayIdentifier = tray_->added() ? TrayIcon::kIdentifier : 0;
        facts.trayAdditions = tray_->additions();
        facts.trayTooltip = tray_->tooltip();
        facts.trayBalloon = tray_->lastBalloon();
    }
    facts.lunarOfDay = [this](std::int32_t day) -> LRESULT {
        const MonthLayout layout = layOutMonth(files_.data(), shown_.mode, shown_.year, shown_.month, today_);
        if (day < 1 || day > static_cast<std::int32_t>(layout.days.size())) return 0;
        const LaidOutDay& laid = layout.days[static_cast<std::size_t>(day - 1)];
        if (!laid.lunar) return 0;
        return laid.lunar->year * 10000 + laid.lunar->month * 100 + laid.lunar->day +
               (laid.lunarPredicted ? 1 << 30 : 0) + (layout.predicted ? 1 << 29 : 0);
    };
    facts.cellOfDay = [this](std::int32_t day) -> LRESULT {
        const MonthLayout layout = layOutMonth(files_.data(), shown_.mode, shown_.year, shown_.month, today_);
        if (day < 1 || day > static_cast<std::int32_t>(layout.days.size())) return 0;
        const DayCell& cell = layout.days[static_cast<std::size_t>(day - 1)].cell;
        const GridCell place = gridCell(clientWidth_, clientHeight_, cell.row, cell.screenColumn);
        return MAKELONG(place.x, place.y);
    };
    return facts;
}

}  // namespace velmora
