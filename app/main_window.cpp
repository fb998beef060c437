#include "app/main_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "app/about_box.h"
#include "app/clock_flyout.h"
#include "app/convert_dialog.h"
#include "app/date_copy.h"
#include "app/display_scale.h"
#include "app/lunar_dialog.h"
#include "app/my_days_dialog.h"
#include "app/prayer_dialog.h"
#include "app/theme.h"
#include "app/tray_notices.h"
#include "app/win32_text.h"
#include "data/executable_folder.h"
#include "data/local_offset.h"
#include "decisions/data_age.h"
#include "decisions/icon_size.h"
#include "decisions/keyboard.h"
#include "decisions/link_area.h"
#include "decisions/my_days_form.h"
#include "decisions/problem_words.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr UINT kTrayMessage = WM_USER + 1;
constexpr UINT_PTR kDayChangeTimer = 1;
constexpr UINT_PTR kPrayerTimer = 2;
constexpr UINT_PTR kUpdateTimer = 3;
// The first look at the update feed a little after the start, so that a start with Windows
// is not slowed; then every hour whether a day has passed since the last.
constexpr UINT kFirstUpdateLookMs = 10 * 1000;
constexpr UINT kUpdateLookMs = 60 * 60 * 1000;
constexpr wchar_t kHomePage[] = L"https://velmora.co.ir/";
constexpr int kDesignWidth = 400;  // the window at 96 dpi, frame included
constexpr int kDesignHeight = 569;

LocalTime readClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance),
      data_(chooseDataFolder(executableFolder(), userDataFolder())),
      picture_(instance),
      words_(instance, storedInterfaceLanguage()),
      prayer_(loadPrayerSettings()) {}

MainWindow::~MainWindow() {
    if (handle() != nullptr) DestroyWindow(handle());
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
    const SIZE size = designSize();
    CreateWindowExW(words_.windowLayout(), kClassName, kTitle, WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                    300, 90, size.cx, size.cy, nullptr, nullptr, instance_, this);
    if (handle() == nullptr) return false;
    ShowWindow(handle(), showCommand);
    UpdateWindow(handle());
    return true;
}

bool MainWindow::preTranslate(MSG& message) {
    // The window's keys, wherever the focus is in it (not in a dialog it opened).
    if (message.message == WM_KEYDOWN && controls_ != nullptr &&
        (message.hwnd == handle() || GetAncestor(message.hwnd, GA_ROOT) == handle()) && GetKeyState(VK_MENU) >= 0) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (const auto command = commandOfKey(static_cast<std::uint16_t>(message.wParam), control,
                                              controls_->keyFocus(message.hwnd, shown_.mode))) {
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
        case DataWatch::kProblemMessage: data_.warn(wParam, words_, handle()); return 0;
        case DataWatch::kWrittenMessage: showWrittenData(); return 0;
        case UpdateService::kCheckedMessage: updates_->onChecked(lParam, words_); return 0;
        case UpdateService::kDownloadedMessage:
            // The installer runs: Velmora exits so that it can be replaced, and is started again.
            if (updates_->onDownloaded(lParam, words_)) PostMessageW(handle(), WM_COMMAND, IDM_FILE_EXIT, 0);
            return 0;
        case WM_TIMECHANGE: return onClock();
        case WM_TIMER:
            if (wParam == kPrayerTimer) onPrayerClock();
            if (wParam == kUpdateTimer) {
                updates_->checkIfDue(menus_.checkByMyselfOn());
                SetTimer(handle(), kUpdateTimer, kUpdateLookMs, nullptr);
            }
            return wParam == kDayChangeTimer ? onClock() : 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) onClock();
            return TRUE;
        case WM_NOTIFY: return onNotify(wParam, lParam);
        case WM_COMMAND: return onCommand(wParam, lParam);
        case WM_MOUSEMOVE: return onMouseMove(lParam);
        case WM_LBUTTONDOWN: return onLeftButtonDown(lParam);
        case WM_LBUTTONDBLCLK: return onDoubleClick(lParam);
        case WM_DPICHANGED: return onDpiChanged(wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) clockFlyout_->onDeactivated(reinterpret_cast<HWND>(lParam));
            return DefWindowProcW(handle(), message, wParam, lParam);
        case WM_EXITSIZEMOVE: clockFlyout_->onMoved(); return 0;
        case WM_DRAWITEM: return TRUE;  // the holiday list is drawn by the paint
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (const auto colour = themedControlColour(message, wParam)) return *colour;
            return DefWindowProcW(handle(), message, wParam, lParam);
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            if (saysThemeChanged(message, wParam, lParam)) applyTheme();
            return DefWindowProcW(handle(), message, wParam, lParam);
        case WM_INITMENUPOPUP:
            showCopyForms(reinterpret_cast<HMENU>(wParam), data_.data(), todayNumber(), words_.language());
            return 0;
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
    chooseActivePalette();
    today_ = readClock().date;
    startDay_ = today_.day;
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    tray_ = std::make_unique<TrayIcon>(instance_, handle(), kTrayMessage);
    updates_ = std::make_unique<UpdateService>(handle(), data_, *tray_);
    clockFlyout_ = std::make_unique<ClockFlyout>(handle());
    occasionsDialog_ = std::make_unique<OccasionsDialog>(instance_, picture_.resources());
    data_.reportTo(handle());
    lookAtDataFiles();
    shown_ = todayMonth(Calendar::jalali, context());

    const UINT dpi = windowDpi(handle());
    picture_.scaleTo(dpi);
    grid_ = std::make_unique<DayGrid>(handle(), instance_, IDC_DAY_GRID);
    grid_->sayAlso([this](std::int32_t day) -> std::u16string {
        if (!prayer_.shown) return {};
        ShownMonth asked = shown_;
        asked.day = day;
        const std::u16string times =
            prayerTimesWords(prayer_, prayerTimesOf(shownDayNumber(asked, data_.data())), words_.language());
        return (words_.rightToLeft() ? u"\u061B " : u"; ") + times;
    });
    controls_ = std::make_unique<MainControls>(handle(), instance_, picture_.fonts(), grid_->handle());
    if (dpi != 96) {
        scaleTo(dpi, nullptr);
    } else if (words_.rightToLeft()) {  // the caption's icon, turned for the mirrored caption
        setWindowIconsAtDpi(handle(), instance_, L"calendar", kWindowIconPixels, kTrayIconPixels, dpi, true);
    }
    themeWindow(handle(), kDwmBackdropMainWindow);
    SetFocus(grid_->handle());  // the keys the menu promises (Home, the arrows) work from the start
    applyWords();
    controls_->setLanguage(words_.language());
    show(shown_);
    tray_->show(trayContent());  // the program lives in the notification area from the start
    if (!tellOfOutOfDateData(*tray_, data_.data(), today_, words_))
        tellOfPredictedMonths(*tray_, data_.data(), today_, words_);
    onClock();  // starts the day watch, and reminds of the user's own days
    SetTimer(handle(), kUpdateTimer, kFirstUpdateLookMs, nullptr);
    return 0;
}

LRESULT MainWindow::onSize(LPARAM lParam) {
    // The band of times stands under what the paint lays out by the client's size.
    const int band = picture_.scale().px(bandSpace());
    picture_.sized(handle(), LOWORD(lParam), HIWORD(lParam) - band);
    controls_->layOut(picture_.width(), picture_.height(), picture_.linkCharWidth());
    showGridDays();  // where the cells are now
    return 0;
}

LRESULT MainWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    scaleTo(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    return 0;
}

void MainWindow::scaleTo(UINT dpi, const RECT* suggested) {
    picture_.scaleTo(dpi);
    controls_->rescale();
    setWindowIconsAtDpi(handle(), instance_, L"calendar", kWindowIconPixels, kTrayIconPixels, dpi,
                        words_.rightToLeft());
    const RECT place = windowPlaceAtDpi(handle(), dpi, designSize(), suggested);
    SetWindowPos(handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(handle(), &client);
    onSize(MAKELPARAM(client.right, client.bottom));  // also where the size did not change
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

LRESULT MainWindow::onPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(handle(), &paint);
    // A mirrored (Persian) window shows its calendar as drawn, not mirrored; the controls it
    // leaves alone are where the mirrored client area counts them.
    if (words_.rightToLeft()) SetLayout(dc, LAYOUT_RTL | LAYOUT_BITMAPORIENTATIONPRESERVED);
    if (IsRectEmpty(&paint.rcPaint)) {  // a second WM_PAINT for what was painted already
        EndPaint(handle(), &paint);
        return 0;
    }
    lookAtDataFiles();  // an edited calendar.ini or events.ini shows now
    const MonthLayout layout = shownLayout();
    const bool persian = words_.language() == Language::persian;
    MonthView view{layout,
                   picture_.width(),
                   picture_.height(),
                   {},
                   {moreHolidays_, persian, persian, predictedMark_, words_.language(), moreHolidaysHere_}};
    controls_->setHolidayLines(holidayLines(layout, words_.language()));
    view.palette = activePalette();
    view.words.digits = digits_;
    if (grid_->focused()) view.cursorDay = shown_.day;
    if (controls_->holidayListFocused())
        view.focusedHoliday = static_cast<std::int32_t>(SendMessageW(controls_->holidayList(), LB_GETCURSEL, 0, 0));
    view.occasionsButton = controls_->clipSelfDrawn(dc, picture_.scale());
    if (prayer_.shown) {
        const PrayerBand band = shownBand();
        picture_.paint(handle(), dc, view, &band);
    } else {
        picture_.paint(handle(), dc, view, nullptr);
    }
    EndPaint(handle(), &paint);
    return 0;
}

LRESULT MainWindow::onClose() {
    tray_->show(trayContent());
    ShowWindow(handle(), SW_HIDE);
    occasionsDialog_->close();
    tellOfClosingToTray(*tray_, words_);
    return 0;  // the window stays; the program goes on in the notification area
}

void MainWindow::open() {
    ShowWindow(handle(), SW_SHOWNORMAL);
    SetForegroundWindow(handle());
    SetFocus(grid_->handle());
}

LRESULT MainWindow::onDestroy(WPARAM wParam, LPARAM lParam) {
    tray_->remove();
    picture_.dropCanvas();
    PostQuitMessage(0);
    return DefWindowProcW(handle(), WM_DESTROY, wParam, lParam);
}

// The clock was read for a reason: on a new day the icon, its tooltip and the view move to it.
LRESULT MainWindow::onClock() {
    const LocalTime now = readClock();
    const DayDecision decision = decideDayChange(now, today_);
    if (decision.newDay) {
        today_ = now.date;
        tray_->show(trayContent());
        show(todayMonth(shown_.mode, context()));
        if (!tellOfOutOfDateData(*tray_, data_.data(), today_, words_))
            tellOfPredictedMonths(*tray_, data_.data(), today_, words_);
    } else if (tray_->wanted() && !tray_->added()) {
        tray_->retryIfRefused(trayContent());
    }
    remindOfMyDays(*tray_, data_.data(), now, words_, menus_.remindersOn(), menus_.eveningBeforeOn());
    SetTimer(handle(), kDayChangeTimer, static_cast<UINT>(decision.nextCheckMs), nullptr);
    onPrayerClock();
    return 0;
}

void MainWindow::onPrayerClock() {
    const LocalTime now = readClock();
    const DayNumber today = gregorianToDayNumber(now.date.year, now.date.month, now.date.day);
    const DayPrayerTimes yesterday = prayerTimesOf(today - 1), times = prayerTimesOf(today),
                         tomorrow = prayerTimesOf(today + 1);
    const std::int32_t nowMinutes = now.hour * 60 + now.minute;
    std::optional<std::int32_t> wake = remindOfPrayers(*tray_, prayer_, now, yesterday, times, tomorrow, words_);
    if (const auto next = nextPrayer(yesterday, times, tomorrow, nowMinutes, prayer_.asrAndIsha)) {
        if (!wake || next->minutes < *wake) wake = next->minutes;
    }
    // The tooltip names the next time, and the band marks it: both move on as each time passes.
    if (tray_->wanted()) tray_->show(trayContent());
    if (prayer_.shown && shownDayNumber(shown_, data_.data()) == today)
        RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
    // A minute's worth of clock at most half an hour ahead: a change of the clock or a resume
    // looks again by itself.
    const std::int32_t seconds = now.hour * 3600 + now.minute * 60 + now.second;
    const std::int32_t wait = wake ? std::clamp(*wake * 60 - seconds, 1, 1800) : 1800;
    SetTimer(handle(), kPrayerTimer, static_cast<UINT>(wait) * 1000 + 500, nullptr);
}

DayPrayerTimes MainWindow::prayerTimesOf(DayNumber day) {
    for (const auto& [reckoned, times] : prayerDays_)
        if (reckoned == day) return times;
    if (prayerDays_.size() >= 8) prayerDays_.erase(prayerDays_.begin());
    const CivilDate date = dayNumberToGregorian(day);
    prayerDays_.emplace_back(day, timesOfDay(prayer_, date, localUtcOffsetMinutes(date.year, date.month, date.day)));
    return prayerDays_.back().second;
}

PrayerBand MainWindow::shownBand() {
    const DayNumber day = shownDayNumber(shown_, data_.data());
    const DayPrayerTimes times = prayerTimesOf(day);
    std::optional<PrayerTime> next;
    const LocalTime now = readClock();
    if (day == gregorianToDayNumber(now.date.year, now.date.month, now.date.day)) {
        const DayPrayerTimes yesterday = prayerTimesOf(day - 1), tomorrow = prayerTimesOf(day + 1);
        const auto coming = nextPrayer(yesterday, times, tomorrow, now.hour * 60 + now.minute, prayer_.asrAndIsha);
        if (coming && coming->minutes < 1440) next = coming->time;
    }
    const CivilDate shownDate = dayNumberToDate(shown_.mode, data_.data().hijri(), day);
    const Digits digits = chosenDigits(digits_, interfaceDigits(words_.language()));
    return prayerBand(prayer_, times,
                      velmora::dateText(shown_.mode, shownDate, words_.language(), DateForm::dayMonth, digits), next,
                      words_.language(), digits_);
}

std::int32_t MainWindow::bandSpace() const {
    const std::size_t columns = prayer_.asrAndIsha ? kPrayerTimeCount : kPrayerTimeCount - 2;
    return prayer_.shown ? prayerBandSpace(columns) : 0;
}

SIZE MainWindow::designSize() const { return {kDesignWidth, kDesignHeight + bandSpace()}; }

void MainWindow::applyPrayerSettings(const PrayerSettings& settings) {
    const bool resized = settings.shown != prayer_.shown || settings.asrAndIsha != prayer_.asrAndIsha;
    prayer_ = settings;
    prayerDays_.clear();
    savePrayerSettings(prayer_);
    if (resized) scaleTo(picture_.dpi(), nullptr);  // taller or shorter by the band
    onPrayerClock();
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

LRESULT MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam);
    if (id == IDC_DAY_GRID && grid_ != nullptr && reinterpret_cast<HWND>(lParam) == grid_->handle()) {
        onGridKey(HIWORD(wParam));
        return 0;
    }
    if (id == IDC_YEAR_EDIT && HIWORD(wParam) == MainControls::kYearEntered) {
        onYearEntered();
        return 0;
    }
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

// Under NOTIFYICON_VERSION_4 the event is LOWORD(lParam): a click or Enter on the icon comes
// as NIN_SELECT or NIN_KEYSELECT (a shell that sends plain mouse messages, as WM_LBUTTONUP),
// and a right click, or the menu key on the icon, as WM_CONTEXTMENU.
LRESULT MainWindow::onTrayNotify(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(lParam)) {
        case NIN_SELECT:
        case NIN_KEYSELECT:
        case WM_LBUTTONUP:
            if (clockFlyout_->onIconClicked(tray_->rectangle()) == ClockFlyout::Click::open) open();
            break;
        case WM_LBUTTONDBLCLK: open(); break;
        case NIN_BALLOONUSERCLICK: updates_->onBalloonClicked(words_); break;
        case WM_CONTEXTMENU: tray_->showMenu(menus_.tray(), words_.rightToLeft()); break;
        default: break;
    }
    return DefWindowProcW(handle(), kTrayMessage, wParam, lParam);
}

LRESULT MainWindow::onMouseMove(LPARAM lParam) {
    const POINT p = pointer(lParam);
    if (overLink(p.x, p.y, picture_.width(), picture_.height(), picture_.linkCharWidth()))
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return 0;
}

LRESULT MainWindow::onDoubleClick(LPARAM lParam) {
    const POINT p = pointer(lParam);
    if (const auto day = dayAtPoint(shownLayout(), picture_.width(), picture_.height(), p.x, p.y)) openMyDays(*day);
    return 0;
}

LRESULT MainWindow::onLeftButtonDown(LPARAM lParam) {
    const POINT p = pointer(lParam);
    if (linkClicked(p.x, p.y, picture_.width(), picture_.height())) {
        ShellExecuteW(nullptr, nullptr, kHomePage, nullptr, nullptr, SW_SHOW);
    } else if (const auto day = dayAtPoint(shownLayout(), picture_.width(), picture_.height(), p.x, p.y)) {
        // A click on a day puts the day cursor there, and the band shows that day's times.
        show(monthHolding(shown_.mode, data_.data(), *day));
        if (grid_ != nullptr) {
            SetFocus(grid_->handle());
            grid_->cursorMoved();
        }
    }
    return 0;
}

POINT MainWindow::pointer(LPARAM lParam) const {
    if (!words_.rightToLeft()) return picture_.designPoint(lParam);
    // A mirrored window counts its client area from the right.
    RECT client;
    GetClientRect(handle(), &client);
    return picture_.designPoint(MAKELPARAM(client.right - 1 - GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
}

// The arrows move the day cursor, into the next or previous month past its ends; Enter opens
// the occasions of the cursor's day.
void MainWindow::onGridKey(std::uint16_t key) {
    if (key == key::enter) {
        occasionsDialog_->open(handle(), occasionsListing());
        occasionsDialog_->showDay(dayNumberToJalali(shownDayNumber(shown_, data_.data())).day);
        return;
    }
    show(moveDayCursor(shown_, context(), key));
    grid_->cursorMoved();
}

void MainWindow::showGridDays() {
    if (grid_ == nullptr) return;
    const std::u16string name = monthBoxName(shown_.mode, shown_.month, words_.language()) + u" " +
                                monthControls(shown_, words_.language(), digits_).yearText;
    grid_->showMonth(shownLayout(), name, shown_.day, words_.language(), picture_.scale(), picture_.width(),
                     picture_.height(), controls_->placeOf(grid_->handle()));
}

void MainWindow::onYearEntered() {
    const auto year = readYearEdit(windowText(controls_->yearEdit()));
    if (!year) MessageBeep(MB_OK);  // not a year: the shown one stays, written back
    const YearSpan span = yearSpanOf(shown_.mode, data_.data());
    if (year && !span.holds(*year)) {  // said so, and the shown month stays
        show(shown_, true);
        words_.warn(handle(), IDS_YEAR_OUTSIDE_SPAN, yearSpanText(span, words_.language()));
        return;
    }
    show(year ? enterYear(shown_, context(), *year) : shown_, true);
}

// True for the commands that end the message's handling at once.
bool MainWindow::onMenuCommand(WORD id) {
    if (menus_.run(id, words_)) return true;
    switch (id) {
        case IDM_OPTION_JALALI_MODE: setDisplayMode(Calendar::jalali); return true;
        case IDM_OPTION_MILADI_MODE: setDisplayMode(Calendar::gregorian); return true;
        case IDM_OPTION_HIJRI_MODE: setDisplayMode(Calendar::hijri); return true;
        case IDM_TRAY_OPEN:
            clockFlyout_->leave();
            open();
            return true;
        case IDM_TRAY_EXIT:
        case IDM_FILE_EXIT:
            PostQuitMessage(0);
            tray_->remove();
            return false;
        case IDM_THEME_AS_WINDOWS:
        case IDM_THEME_LIGHT:
        case IDM_THEME_DARK:
            storeThemeSetting(static_cast<ThemeSetting>(id - IDM_THEME_AS_WINDOWS));
            menus_.checkTheme(storedThemeSetting());
            applyTheme();
            return true;
        case IDM_DIGITS_AS_LANGUAGE:
        case IDM_DIGITS_PERSIAN:
        case IDM_DIGITS_LATIN:
            digits_ = static_cast<DigitChoice>(id - IDM_DIGITS_AS_LANGUAGE);
            storeDigitChoice(digits_);
            menus_.checkDigits(digits_);
            show(shown_, true);
            if (tray_->wanted()) tray_->show(trayContent());
            return true;
        case IDM_HELP_CHECK_FOR_UPDATES: updates_->check(true); return true;
        case IDM_OPTION_ENGLISH: setLanguage(Language::english); return true;
        case IDM_OPTION_PERSIAN: setLanguage(Language::persian); return true;
        case IDM_HELP_ABOUT:
            AboutBox(instance_, words_, problemWords(data_.problem(0), words_.language()), aboutLunarNote(),
                     aboutEditionNote())
                .run(handle());
            return false;
        case IDM_OPTION_MY_DAYS: openMyDays(std::nullopt); return false;  // a new day starts on the shown one
        case IDM_OPTION_PRAYER_TIMES:
            if (const auto chosen = PrayerDialog(instance_, words_, prayer_).run(handle()))
                applyPrayerSettings(*chosen);
            return false;
        case IDM_OPTION_CORRECT_LUNAR: LunarDialog(instance_, words_, today_, data_).run(handle()); return false;
        case IDM_OPTION_CONVERT: openConverter(); return true;
        case IDM_FILE_COPY_DAY:
            copyDate(handle(), data_.data(), shownDayNumber(shown_, data_.data()), rememberedCopyForm(),
                     words_.language());
            return true;
        default: break;
    }
    if (const auto form = copyFormOfCommand(id)) {
        rememberCopyForm(*form);
        copyDate(handle(), data_.data(), todayNumber(), *form, words_.language());
        return true;
    }
    return false;
}

// The converter opens on the day under the cursor; "Show in calendar" puts the cursor on the
// day it shows, in the window's mode (or, past what the mode can show, on the nearest month).
void MainWindow::openConverter() {
    if (!IsWindowVisible(handle())) open();
    lookAtDataFiles();
    const auto day =
        ConvertDialog(instance_, words_, data_.data(), todayNumber(), shown_.mode, shownDayNumber(shown_, data_.data()))
            .run(handle());
    if (!day) return;
    show(keepInSpan(monthHolding(shown_.mode, data_.data(), *day), context()), true);
    if (grid_ != nullptr) {
        SetFocus(grid_->handle());
        grid_->cursorMoved();
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
        case IDC_ALL_OCCASIONS: occasionsDialog_->open(handle(), occasionsListing()); return true;
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
    controls_->show(shown_, rewriteYear, allOccasionsTip_, words_.language(), digits_);
    showGridDays();
    if (!sameMonth && occasionsDialog_->isOpen()) occasionsDialog_->follow(occasionsListing());
    // The paint covers the whole client area: nothing to erase first. The child controls
    // repaint themselves when their text or selection changes; without WS_CLIPCHILDREN a
    // plain InvalidateRect would repaint them all with the window.
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void MainWindow::setDisplayMode(Calendar mode) {
    show(changeMode(shown_, context(), mode));
    menus_.checkMode(shown_.mode);
}

MonthLayout MainWindow::shownLayout() const {
    return layOutMonth(data_.data(), shown_.mode, shown_.year, shown_.month, today_);
}

ListedMonth MainWindow::occasionsListing() const {
    return listedMonth(data_.data(), shownDayNumber(shown_, data_.data()), today_, words_.language(),
                       words_.text(IDS_OCCASIONS_TITLE));
}

void MainWindow::showWrittenData() {
    lookAtDataFiles();
    tray_->show(trayContent());
    show(shown_);
}

void MainWindow::openMyDays(std::optional<DayNumber> clicked) {
    const DayNumber day = clicked.value_or(shownDayNumber(shown_, data_.data()));
    MyDaysDialog(instance_, words_, data_, dayNumberToDate(shown_.mode, data_.data().hijri(), day), shown_.mode,
                 clicked)
        .run(handle());
}

std::u16string MainWindow::aboutLunarNote() {
    lookAtDataFiles();
    return velmora::aboutLunarNote(data_.data(), words_.language(), words_.text(IDS_ABOUT_PREDICTED));
}

std::u16string MainWindow::aboutEditionNote() {
    lookAtDataFiles();
    const std::u16string edition = editionWords(data_.data(), words_.language(), words_.text(IDS_ABOUT_EDITION));
    const std::u16string behind = outOfDateNote(dataAge(data_.data(), today_), data_.data(), words_);
    return behind.empty() ? edition : edition + u' ' + behind;
}

TrayIconContent MainWindow::trayContent() {
    lookAtDataFiles();  // the tooltip's lunar date from calendar.ini as it is now
    return trayContentAsRead();
}

TrayIconContent MainWindow::trayContentAsRead() {
    std::u16string prayer;
    if (prayer_.shown) {
        const LocalTime now = readClock();
        const DayNumber today = gregorianToDayNumber(now.date.year, now.date.month, now.date.day);
        const DayPrayerTimes yesterday = prayerTimesOf(today - 1), times = prayerTimesOf(today);
        if (const auto next =
                nextPrayer(yesterday, times, prayerTimesOf(today + 1), now.hour * 60 + now.minute, prayer_.asrAndIsha))
            prayer = nextPrayerLine(*next, words_.language(), digits_);
    }
    return trayIconContent(data_.data(), today_, words_.language(), prayer, digits_);
}

void MainWindow::lookAtDataFiles() {
    if (!data_.look() || controls_ == nullptr) return;
    if (tray_->wanted()) tray_->show(trayContentAsRead());
    menus_.offerLunar(modeAvailable(Calendar::hijri, data_.data()));
    showGridDays();
    if (occasionsDialog_->isOpen()) occasionsDialog_->follow(occasionsListing());
    const ShownMonth kept = keepInSpan(shown_, context());
    if (kept == shown_) return;
    show(kept);
    menus_.checkMode(shown_.mode);
}

void MainWindow::applyWords() {
    menus_.applyWords(handle(), words_, shown_.mode, modeAvailable(Calendar::hijri, data_.data()));
    allOccasionsTip_ = words_.text(IDS_ALL_OCCASIONS_TIP);
    moreHolidays_ = words_.text(IDS_MORE_HOLIDAYS);
    moreHolidaysHere_ = words_.text(IDS_MORE_HOLIDAYS_HERE);
    predictedMark_ = words_.text(IDS_PREDICTED_MARK);
}

// The palette chosen again, from the stored choice and what Windows says now; when it
// changed, the window, its pictures and an open occasions list are drawn in it at once.
void MainWindow::applyTheme() {
    if (!chooseActivePalette()) return;
    controls_->rescale();
    themeWindow(handle(), kDwmBackdropMainWindow);
    if (occasionsDialog_->isOpen()) themeWindow(occasionsDialog_->handle());
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
}

// Everything the program shows turns to the language at once, and the choice is remembered.
void MainWindow::setLanguage(Language language) {
    storeInterfaceLanguage(language);
    if (language == words_.language()) return;
    words_ = Catalogue(instance_, language);
    // Mirrored in Persian, plain in English: the caption, the frame and the menus follow.
    const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_EXSTYLE) & ~(WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT);
    SetWindowLongPtrW(handle(), GWL_EXSTYLE, style | static_cast<LONG_PTR>(words_.windowLayout()));
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    applyWords();
    controls_->setLanguage(language);
    RECT client;
    GetClientRect(handle(), &client);
    onSize(MAKELPARAM(client.right, client.bottom));  // the controls where they stand in this layout
    setWindowIconsAtDpi(handle(), instance_, L"calendar", kWindowIconPixels, kTrayIconPixels, picture_.dpi(),
                        words_.rightToLeft());
    show(shown_, true);
    if (tray_->wanted()) tray_->show(trayContent());
    if (occasionsDialog_->isOpen()) occasionsDialog_->follow(occasionsListing());
}

DriverFacts MainWindow::driverFacts() const {
    DriverFacts facts = gatherDriverFacts(menus_.bar(), data_.files(), picture_.liveGdiObjects(), tray_.get(),
                                          shownLayout(), picture_.width(), picture_.height());
    facts.scale = picture_.scale();
    if (words_.rightToLeft()) {
        RECT client;
        GetClientRect(handle(), &client);
        facts.mirroredWidth = client.right;
    }
    return facts;
}

}  // namespace velmora
