#include "app/main_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32_text.h"
#include "calendar/month_names.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

void setFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

void showOnly(HWND control, bool shown) {
    const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != shown) ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

MainControls::MainControls(HWND parent, HINSTANCE instance, const ProgramFonts& fonts)
    : parent_(parent), instance_(instance) {
    const LONG units = GetDialogBaseUnits();
    charWidth_ = LOWORD(units);
    charHeight_ = HIWORD(units);
    const int bx = charWidth_, by = charHeight_;
    const int buttonWidth = (bx * 35) / 10, buttonHeight = (by * 15) / 10;
    allOccasionsButton_ = create(0, L"button", WS_VISIBLE | BS_CENTER | BS_BITMAP, IDC_ALL_OCCASIONS, 60, 20);
    setBitmap(allOccasionsButton_, IDB_ALL_OCCASIONS);
    previousMonthButton_ =
        create(0, L"button", WS_VISIBLE | WS_TABSTOP | BS_BITMAP, IDC_PREVIOUS_MONTH, buttonWidth, buttonHeight);
    setBitmap(previousMonthButton_, IDB_PREVIOUS_MONTH);
    nextMonthButton_ =
        create(0, L"button", WS_VISIBLE | WS_TABSTOP | BS_BITMAP, IDC_NEXT_MONTH, buttonWidth, buttonHeight);
    setBitmap(nextMonthButton_, IDB_NEXT_MONTH);
    yearEdit_ = create(WS_EX_CLIENTEDGE, L"edit", WS_VISIBLE | WS_BORDER | WS_TABSTOP, IDC_YEAR_EDIT, (bx * 725) / 100,
                       buttonHeight);
    yearUpDown_ = create(0, UPDOWN_CLASSW, WS_VISIBLE | UDS_ARROWKEYS, IDC_YEAR_UP_DOWN, bx * 3, buttonHeight);
    // No range is set: the arrows keep the default one, whose deltas say up or down.
    SendMessageW(yearUpDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(yearEdit_), 0);
    const int comboWidth = (bx * 135) / 10, comboHeight = (by * 186) / 10;
    constexpr int kBoxIds[] = {IDC_JALALI_MONTH_COMBO, IDC_GREGORIAN_MONTH_COMBO, IDC_HIJRI_MONTH_COMBO};
    for (const Calendar calendar : kCalendars) {
        // The Persian and Arabic names stand at the right of their boxes.
        const DWORD exStyle = calendar == Calendar::gregorian ? 0 : WS_EX_RIGHT;
        HWND& box = monthBoxes_[calendarIndex(calendar)];
        box = create(exStyle, L"combobox", WS_TABSTOP | CBS_DROPDOWNLIST, kBoxIds[calendarIndex(calendar)], comboWidth,
                     comboHeight, L"SelectMonth");
    }
    fillMonthBoxes(Language::english);
    for (const HWND box : monthBoxes_) setFont(box, fonts.get(FontId::comboFont));
    setFont(yearEdit_, fonts.get(FontId::yearEditFont));
    setFont(allOccasionsButton_, fonts.get(FontId::smallFont));
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, parent_, nullptr, instance_, nullptr);
}

HWND MainControls::create(DWORD exStyle, const wchar_t* className, DWORD style, int id, int width, int height,
                          const wchar_t* text) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | style, 0, 0, width, height, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

void MainControls::setBitmap(HWND button, int bitmapId) {
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(LoadBitmapW(instance_, MAKEINTRESOURCEW(bitmapId))));
}

void MainControls::layOut(std::int32_t w, std::int32_t h) {
    const int bx = charWidth_, by = charHeight_;
    const int top = h / 20, buttonWidth = (bx * 35) / 10, buttonHeight = (by * 15) / 10;
    MoveWindow(previousMonthButton_, (w * 10) / 12, top, buttonWidth, buttonHeight, TRUE);
    MoveWindow(nextMonthButton_, (w * 10) / 98, top, buttonWidth, buttonHeight, TRUE);
    MoveWindow(yearEdit_, (w * 10) / 47, top, (bx * 725) / 100, buttonHeight, TRUE);
    MoveWindow(yearUpDown_, (bx * 725) / 100 + (w * 10) / 47, top, bx * 2, buttonHeight, TRUE);
    for (const HWND box : monthBoxes_) MoveWindow(box, w / 2, top, (bx * 135) / 10, (by * 186) / 10, TRUE);
    MoveWindow(allOccasionsButton_, 27, buttonHeight + h - 35, 60, 20, TRUE);
    places_.clear();
    for (HWND child = GetWindow(parent_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
        places_.push_back({child, r});
    }
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
            const std::u16string name(monthBoxName(calendar, month, language));
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        if (selected != CB_ERR) SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
}

void MainControls::setLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    fillMonthBoxes(language);
}

void MainControls::show(const ShownMonth& shown, bool rewriteYear, std::u16string_view allOccasionsTip,
                        Language language) {
    const MonthControls controls = monthControls(shown, language);
    // After the user typed, the box is compared with what it holds, not with what it was given.
    if (controls.yearText != yearText_ || (rewriteYear && windowText(yearEdit_) != controls.yearText)) {
        yearText_ = controls.yearText;
        setWindowText(yearEdit_, yearText_);
    }
    const HWND shownBox = monthBox(shown.mode);
    if (SendMessageW(shownBox, CB_GETCURSEL, 0, 0) != controls.monthIndex)
        SendMessageW(shownBox, CB_SETCURSEL, static_cast<WPARAM>(controls.monthIndex), 0);
    for (const HWND box : monthBoxes_) showOnly(box, box == shownBox);
    showOnly(allOccasionsButton_, shown.mode == Calendar::jalali);
    updateTips(monthButtonTips(shown, language), allOccasionsTip);
}

void MainControls::updateTips(const MonthButtonTips& tips, std::u16string_view allOccasionsTip) {
    if (tooltip_ == nullptr) return;
    const bool allAdded = std::all_of(tipAdded_.begin(), tipAdded_.end(), [](bool added) { return added; });
    if (allAdded && tips == tips_ && allOccasionsTip == allOccasionsTip_) return;
    allOccasionsTip_ = allOccasionsTip;
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    tips_ = tips;
    struct Tool {
        HWND button;
        std::u16string text;
    };
    Tool tools[] = {{nextMonthButton_, tips.next},
                    {previousMonthButton_, tips.previous},
                    {allOccasionsButton_, std::u16string(allOccasionsTip)}};
    for (std::size_t i = 0; i < std::size(tools); ++i) {
        TOOLINFOW info{};
        // The record without its final reserved pointer, which older common controls reject.
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = parent_;
        info.uId = reinterpret_cast<UINT_PTR>(tools[i].button);
        info.lpszText = reinterpret_cast<wchar_t*>(tools[i].text.data());
        // Each tool is added once and its text replaced afterwards: adding it again would
        // pile up copies inside the tooltip control. One that could not be added is tried
        // again the next time.
        if (tipAdded_[i]) {
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        } else {
            tipAdded_[i] = SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
        }
    }
}

}  // namespace velmora
