#include "app/main_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "app/display_scale.h"
#include "app/theme.h"
#include "app/win32_text.h"
#include "calendar/calendar_record.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

void setFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

void showOnly(HWND control, bool shown) {
    const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != shown) ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

constexpr int kPictureIds[] = {IDB_NEXT_MONTH, IDB_PREVIOUS_MONTH, IDB_ALL_OCCASIONS};

// The occasions button's picture carries its word, in the interface's language.
int pictureId(std::size_t button, Language language) {
    return button == 2 && language == Language::english ? IDB_ALL_OCCASIONS_ENGLISH : kPictureIds[button];
}

}  // namespace

MainControls::MainControls(HWND parent, HINSTANCE instance, const ProgramFonts& fonts, HWND grid)
    : parent_(parent), instance_(instance), fonts_(fonts), grid_(grid) {
    allOccasionsButton_ = create(0, L"button", WS_VISIBLE | WS_TABSTOP | BS_CENTER | BS_BITMAP, IDC_ALL_OCCASIONS);
    previousMonthButton_ = create(0, L"button", WS_VISIBLE | WS_TABSTOP | BS_BITMAP, IDC_PREVIOUS_MONTH);
    nextMonthButton_ = create(0, L"button", WS_VISIBLE | WS_TABSTOP | BS_BITMAP, IDC_NEXT_MONTH);
    // ES_AUTOHSCROLL: without it the box takes no more than it can show ("1410" in wide digits
    // stopped at "141").
    yearEdit_ = create(WS_EX_CLIENTEDGE, L"edit", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_YEAR_EDIT);
    yearUpDown_ = create(0, UPDOWN_CLASSW, WS_VISIBLE | UDS_ARROWKEYS, IDC_YEAR_UP_DOWN);
    // No range is set: the arrows keep the default one, whose deltas say up or down.
    SendMessageW(yearUpDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(yearEdit_), 0);
    for (const Calendar calendar : kCalendars) {
        HWND& box = monthBoxes_[calendarIndex(calendar)];
        box =
            create(0, L"combobox", WS_TABSTOP | CBS_DROPDOWNLIST, calendarRecord(calendar).monthBoxId, L"SelectMonth");
    }
    fillMonthBoxes(Language::english);
    holidayList_ =
        create(0, L"listbox",
               WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
               IDC_HOLIDAY_LIST);
    SetWindowSubclass(holidayList_, holidayListProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(yearEdit_, yearEditProc, 1, reinterpret_cast<DWORD_PTR>(this));
    EnableWindow(holidayList_, FALSE);  // until the month has holidays
    rescale();
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, parent_, nullptr, instance_, nullptr);
}

MainControls::~MainControls() {
    // The list may outlive these controls by a few messages of its own destruction.
    RemoveWindowSubclass(holidayList_, holidayListProc, 1);
    RemoveWindowSubclass(yearEdit_, yearEditProc, 1);
    for (const HBITMAP picture : pictures_) {
        if (picture != nullptr) DeleteObject(picture);
    }
}

HWND MainControls::create(DWORD exStyle, const wchar_t* className, DWORD style, int id, const wchar_t* text) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | style, 0, 0, 0, 0, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

void MainControls::rescale() {
    const SIZE units = designBaseUnits();
    units_ = {units.cx, units.cy};
    const HWND buttons[] = {nextMonthButton_, previousMonthButton_, allOccasionsButton_};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const HBITMAP picture = loadScaledBitmap(instance_, pictureId(i, language_), fonts_.dpi());
        if (activePalette().theme == Theme::dark) turnForDarkTheme(picture);  // drawn for a light button
        SendMessageW(buttons[i], BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
        if (pictures_[i] != nullptr) DeleteObject(pictures_[i]);
        pictures_[i] = picture;
    }
    for (const HWND box : monthBoxes_) setFont(box, fonts_.get(FontId::comboFont));
    setFont(yearEdit_, fonts_.get(FontId::yearEditFont));
    setFont(allOccasionsButton_, fonts_.get(FontId::smallFont));
    setFont(holidayList_, fonts_.get(FontId::smallFont));
}

HWND MainControls::control(std::int32_t id) const {
    switch (id) {
        case IDC_NEXT_MONTH: return nextMonthButton_;
        case IDC_PREVIOUS_MONTH: return previousMonthButton_;
        case IDC_YEAR_EDIT: return yearEdit_;
        case IDC_YEAR_UP_DOWN: return yearUpDown_;
        case IDC_ALL_OCCASIONS: return allOccasionsButton_;
        case IDC_DAY_GRID: return grid_;
        case IDC_HOLIDAY_LIST: return holidayList_;
        default: return nullptr;
    }
}

void MainControls::layOut(std::int32_t w, std::int32_t h, std::int32_t paintCharWidth) {
    const DisplayScale scale{static_cast<std::int32_t>(fonts_.dpi())};
    const WindowLayout layout = mainWindowLayout(w, h, units_, paintCharWidth, scale, language_);
    // Each control after the one before it: Tab follows the order the layout reads in. The
    // Persian window is mirrored and counts its client area from the right.
    RECT client;
    GetClientRect(parent_, &client);
    const bool mirrored = (GetWindowLongW(parent_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    HWND previous = HWND_TOP;
    places_.clear();
    const auto place = [&](HWND window, const Rect& r, bool dropsDown) {
        int height = r.bottom - r.top;
        if (dropsDown) {  // the box and its list of twelve months, every one whole
            const auto item = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, 0, 0));
            const auto field = static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
            height = std::max(scale.px((units_.y * 186) / 10), field + 12 * item + scale.px(8));
        }
        SetWindowPos(window, previous, mirrored ? client.right - r.right : r.left, r.top, r.right - r.left, height,
                     SWP_NOACTIVATE);
        previous = window;
        RECT shown;  // a month box stands as tall as its box, not its list
        GetWindowRect(window, &shown);
        places_.push_back({window, {r.left, r.top, r.right, r.top + (shown.bottom - shown.top)}});
    };
    for (const ControlPlace& at : layout.controls) {
        if (at.id == IDC_JALALI_MONTH_COMBO) {
            for (const HWND box : monthBoxes_) place(box, at.rect, true);
        } else if (const HWND window = control(at.id); window != nullptr) {
            place(window, at.rect, false);
        }
    }
    SendMessageW(holidayList_, LB_SETITEMHEIGHT, 0, std::max<LPARAM>(scale.px(10), 1));
}

RECT MainControls::placeOf(HWND control) const {
    for (const Place& place : places_)
        if (place.control == control) return place.rect;
    return {};
}

LRESULT CALLBACK MainControls::yearEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        const MainControls& controls = *reinterpret_cast<const MainControls*>(self);
        SendMessageW(controls.parent_, WM_COMMAND, MAKEWPARAM(IDC_YEAR_EDIT, kYearEntered),
                     reinterpret_cast<LPARAM>(window));
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The holiday list is drawn by the main window's paint, which shows through it: the list
// itself paints nothing, and lets the mouse through to the window. Its items are brought up
// to date when someone looks at them (a screen reader, the keyboard, a message asking for
// them), not at every month step.
LRESULT CALLBACK MainControls::holidayListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
    MainControls& controls = *reinterpret_cast<MainControls*>(self);
    switch (message) {
        case WM_PAINT: ValidateRect(window, nullptr); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_SETFOCUS: controls.holidayListFocused_ = true; break;
        case WM_KILLFOCUS: controls.holidayListFocused_ = false; break;
        default: break;
    }
    if (message == WM_GETOBJECT || message == WM_SETFOCUS || (message >= LB_ADDSTRING && message < LB_MSGMAX))
        controls.fillHolidayList();
    return DefSubclassProc(window, message, wParam, lParam);
}

void MainControls::setHolidayLines(const std::vector<std::u16string>& lines) {
    if (lines == holidayLines_) return;
    holidayLines_ = lines;
    holidayListStale_ = true;
    // Left out of the Tab order while the month has no holidays.
    if (lines.empty() == holidayListEnabled_) {
        holidayListEnabled_ = !lines.empty();
        EnableWindow(holidayList_, holidayListEnabled_ ? TRUE : FALSE);
    }
}

void MainControls::fillHolidayList() {
    if (!holidayListStale_) return;
    holidayListStale_ = false;  // first: the messages below come back through the list's procedure
    SendMessageW(holidayList_, LB_RESETCONTENT, 0, 0);
    for (const std::u16string& line : holidayLines_)
        SendMessageW(holidayList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

std::optional<std::int32_t> MainControls::typedYear() const {
    const std::u16string text = windowText(yearEdit_);
    if (text == yearText_) return std::nullopt;
    return readYearEdit(text);
}

void MainControls::fillMonthBoxes(Language language) {
    for (const Calendar calendar : kCalendars) {
        const HWND box = monthBox(calendar);
        const LRESULT selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
        SendMessageW(box, CB_RESETCONTENT, 0, 0);
        for (std::int32_t month = 1; month <= 12; ++month) {
            const std::u16string name = monthBoxName(calendar, month, language);
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        if (selected != CB_ERR) SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
}

void MainControls::setLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    // Persian names stand at the right of their boxes, Latin ones at the left.
    for (const HWND box : monthBoxes_) {
        const LONG style = GetWindowLongW(box, GWL_EXSTYLE) & ~WS_EX_RIGHT;
        SetWindowLongW(box, GWL_EXSTYLE, style | (language == Language::persian ? WS_EX_RIGHT : 0));
    }
    fillMonthBoxes(language);
    rescale();  // the occasions button's word
}

void MainControls::show(const ShownMonth& shown, bool rewriteYear, std::u16string_view allOccasionsTip,
                        Language language, DigitChoice digits) {
    const MonthControls controls = monthControls(shown, language, digits);
    // After the user typed, the box is compared with what it holds, not with what it was given.
    if (controls.yearText != yearText_ || (rewriteYear && windowText(yearEdit_) != controls.yearText)) {
        yearText_ = controls.yearText;
        setWindowText(yearEdit_, yearText_);
    }
    const HWND shownBox = monthBox(shown.mode);
    if (SendMessageW(shownBox, CB_GETCURSEL, 0, 0) != controls.monthIndex)
        SendMessageW(shownBox, CB_SETCURSEL, static_cast<WPARAM>(controls.monthIndex), 0);
    for (const HWND box : monthBoxes_) showOnly(box, box == shownBox);
    showOnly(allOccasionsButton_, calendarRecord(shown.mode).showsOccasionsButton);
    updateTips(monthButtonTips(shown, language), allOccasionsTip);
}

void MainControls::updateTips(const MonthButtonTips& tips, std::u16string_view allOccasionsTip) {
    const std::array<HWND, 3> buttons{nextMonthButton_, previousMonthButton_, allOccasionsButton_};
    const std::array<std::u16string_view, 3> texts{tips.next, tips.previous, allOccasionsTip};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool renamed = names_[i] != texts[i];
        if (!renamed && (tipAdded_[i] || tooltip_ == nullptr)) continue;
        names_[i] = texts[i];
        // A picture button's name for screen readers is its text, which it does not draw. The
        // default window procedure only stores it: the button's own would repaint the picture.
        if (renamed) DefWindowProcW(buttons[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names_[i].c_str()));
        if (tooltip_ == nullptr) continue;
        TOOLINFOW info{};
        // The record without its final reserved pointer, which older common controls reject.
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = parent_;
        info.uId = reinterpret_cast<UINT_PTR>(buttons[i]);
        info.lpszText = reinterpret_cast<wchar_t*>(names_[i].data());
        // Each tool is added once and its text replaced afterwards: adding it again would
        // pile up copies inside the tooltip control. One that could not be added is tried
        // again the next time.
        if (tipAdded_[i]) {
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        } else {
            SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
            tipAdded_[i] = SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
        }
    }
}

Rect MainControls::clipSelfDrawn(HDC dc, const DisplayScale& scale) const {
    RECT client;
    GetClientRect(parent_, &client);
    const bool mirrored = (GetLayout(dc) & LAYOUT_RTL) != 0;
    Rect occasionsButton;
    for (const Place& place : places_) {
        if ((GetWindowLongW(place.control, GWL_STYLE) & WS_VISIBLE) == 0 || !drawsItself(place.control)) continue;
        const RECT& r = place.rect;
        if (place.control == allOccasionsButton_)
            occasionsButton = {scale.design(r.left), scale.design(r.top), scale.design(r.right),
                               scale.design(r.bottom)};
        if (mirrored)
            ExcludeClipRect(dc, client.right - r.right, r.top, client.right - r.left, r.bottom);
        else
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return occasionsButton;
}

KeyFocus MainControls::keyFocus(HWND target, Calendar mode) const {
    if (SendMessageW(monthBox(mode), CB_GETDROPPEDSTATE, 0, 0) != 0) return KeyFocus::droppedMonthBox;
    return target == yearEdit_ ? KeyFocus::yearBox : KeyFocus::other;
}

}  // namespace velmora
