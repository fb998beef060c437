#include "app/convert_dialog.h"

#include "app/right_to_left.h"
#include "app/win32_text.h"
#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "data/integer_text.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {

ConvertDialog::ConvertDialog(HINSTANCE instance, const Catalogue& words, const CalendarData& data, DayNumber today,
                             Calendar mode, DayNumber start)
    : instance_(instance), words_(words), data_(data), today_(today), mode_(mode), start_(start), chosen_(mode) {}

std::optional<DayNumber> ConvertDialog::run(HWND owner) {
    const DLGTEMPLATE* box = words_.dialog(L"CONVERTBOX");
    if (box == nullptr ||
        DialogBoxIndirectParamW(instance_, box, owner, procedure, reinterpret_cast<LPARAM>(this)) != IDC_CONVERT_SHOW)
        return std::nullopt;
    return day_;
}

INT_PTR ConvertDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        for (const int id : {IDC_CONVERT_DATE, IDC_CONVERT_TO})
            SendDlgItemMessageW(handle(), id, EM_SETLIMITTEXT, 60, 0);
        SendDlgItemMessageW(handle(), IDC_CONVERT_YEAR, EM_SETLIMITTEXT, 6, 0);
        SendDlgItemMessageW(handle(), IDC_CONVERT_STEP, EM_SETLIMITTEXT, 20, 0);
        if (words_.rightToLeft()) readTextsRightToLeft(handle());
        filling_ = true;
        fillCalendarBox(IDC_CONVERT_CALENDAR, mode_);
        fillCalendarBox(IDC_CONVERT_TO_CALENDAR, mode_);
        fillCalendarBox(IDC_CONVERT_COUNT_IN, mode_);
        writeDate(IDC_CONVERT_TO, mode_, today_);
        filling_ = false;
        writeDate(IDC_CONVERT_DATE, mode_, start_);
        onTyped();
        SetFocus(GetDlgItem(handle(), IDC_CONVERT_DATE));
        SendDlgItemMessageW(handle(), IDC_CONVERT_DATE, EM_SETSEL, 0, -1);
        return FALSE;
    }
    if (message != WM_COMMAND || filling_) return FALSE;
    const WORD code = HIWORD(wParam);
    switch (LOWORD(wParam)) {
        case IDC_CONVERT_DATE:
            if (code == EN_CHANGE) onTyped();
            return TRUE;
        case IDC_CONVERT_CALENDAR:
            if (code == CBN_SELCHANGE) {  // the same numbers, read in the calendar chosen
                chosen_ = chosenCalendar(IDC_CONVERT_CALENDAR);
                onTyped();
            }
            return TRUE;
        case IDC_CONVERT_YEAR:
            if (code == EN_CHANGE) onPicked();
            return TRUE;
        case IDC_CONVERT_MONTH:
        case IDC_CONVERT_DAY:
            if (code == CBN_SELCHANGE) onPicked();
            return TRUE;
        case IDC_CONVERT_TO:
        case IDC_CONVERT_STEP:
            if (code == EN_CHANGE) answer();
            return TRUE;
        case IDC_CONVERT_TO_CALENDAR:
        case IDC_CONVERT_COUNT_IN:
            if (code == CBN_SELCHANGE) answer();
            return TRUE;
        case IDC_CONVERT_GO:  // Enter: the answer once more, said again to a screen reader
        case IDOK: answer(true); return TRUE;
        case IDC_CONVERT_SHOW:
            if (day_) EndDialog(handle(), IDC_CONVERT_SHOW);
            return TRUE;
        case IDCANCEL: EndDialog(handle(), IDCANCEL); return TRUE;
        default: return FALSE;
    }
}

void ConvertDialog::fillCalendarBox(int id, Calendar chosen) {
    const HWND box = GetDlgItem(handle(), id);
    for (const Calendar calendar : kCalendars)
        SendMessageW(box, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(calendarWord(calendar, words_.language()).c_str())));
    SendMessageW(box, CB_SETCURSEL, calendarIndex(chosen), 0);
}

void ConvertDialog::fillMonthsAndDays(Calendar calendar) {
    const HWND months = GetDlgItem(handle(), IDC_CONVERT_MONTH), days = GetDlgItem(handle(), IDC_CONVERT_DAY);
    SendMessageW(months, CB_RESETCONTENT, 0, 0);
    SendMessageW(days, CB_RESETCONTENT, 0, 0);
    for (std::int32_t m = 1; m <= 12; ++m)
        SendMessageW(months, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(monthWord(calendar, m, words_.language()).c_str())));
    const std::int32_t longest = calendarRecord(calendar).fromTable ? 30 : 31;
    for (std::int32_t d = 1; d <= longest; ++d)
        SendMessageW(days, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(numberText(d, words_.language()).c_str())));
}

Calendar ConvertDialog::chosenCalendar(int id) const {
    const LRESULT index = SendDlgItemMessageW(handle(), id, CB_GETCURSEL, 0, 0);
    return index >= 0 && index < 3 ? kCalendars[static_cast<std::size_t>(index)] : Calendar::jalali;
}

std::u16string ConvertDialog::text(int id) const { return windowText(GetDlgItem(handle(), id)); }

void ConvertDialog::writeDate(int id, Calendar calendar, DayNumber day) {
    const CivilDate date = dayNumberToDate(calendar, data_.hijri(), day);
    setWindowText(GetDlgItem(handle(), id), dateText(calendar, date, words_.language(), DateForm::numeric));
}

void ConvertDialog::onTyped() {
    // Read in the calendar chosen; the box then shows the one it was read in (a Gregorian
    // date pasted in Solar Hijri mode), while the next date typed is read as chosen again.
    typed_ = readTypedDate(text(IDC_CONVERT_DATE), chosen_);
    if (typed_) {
        const bool wasFilling = filling_;
        filling_ = true;
        const HWND calendarBox = GetDlgItem(handle(), IDC_CONVERT_CALENDAR);
        SendMessageW(calendarBox, CB_SETCURSEL, calendarIndex(typed_->calendar), 0);
        fillMonthsAndDays(typed_->calendar);
        setWindowText(GetDlgItem(handle(), IDC_CONVERT_YEAR), numberText(typed_->date.year, words_.language()));
        SendDlgItemMessageW(handle(), IDC_CONVERT_MONTH, CB_SETCURSEL, static_cast<WPARAM>(typed_->date.month - 1), 0);
        SendDlgItemMessageW(handle(), IDC_CONVERT_DAY, CB_SETCURSEL, static_cast<WPARAM>(typed_->date.day - 1), 0);
        filling_ = wasFilling;
    }
    answer();
}

void ConvertDialog::onPicked() {
    const IntegerScan year = scanInteger(text(IDC_CONVERT_YEAR), DigitScripts::any);
    const LRESULT month = SendDlgItemMessageW(handle(), IDC_CONVERT_MONTH, CB_GETCURSEL, 0, 0);
    const LRESULT day = SendDlgItemMessageW(handle(), IDC_CONVERT_DAY, CB_GETCURSEL, 0, 0);
    if (year.digits == 0 || year.digits > 6 || month < 0 || day < 0) return;
    const Calendar calendar = chosenCalendar(IDC_CONVERT_CALENDAR);
    const CivilDate picked{static_cast<std::int32_t>(year.value()), static_cast<std::int32_t>(month + 1),
                           static_cast<std::int32_t>(day + 1)};
    filling_ = true;
    setWindowText(GetDlgItem(handle(), IDC_CONVERT_DATE),
                  dateText(calendar, picked, words_.language(), DateForm::numeric));
    filling_ = false;
    typed_ = TypedDate{calendar, picked};
    answer();
}

void ConvertDialog::answer(bool sayAgain) {
    const Language language = words_.language();
    day_.reset();
    std::u16string result;
    if (typed_) {
        const CheckedDate checked = checkTypedDate(data_, *typed_, language);
        day_ = checked.day;
        result = day_ ? conversionText(data_, typed_->calendar, *day_, today_, language) : checked.problem;
    } else if (!text(IDC_CONVERT_DATE).empty()) {
        result = words_.text(IDS_CONVERT_NOT_A_DATE);
    }
    say(IDC_CONVERT_RESULT, result, sayAgain);

    std::u16string between;
    const std::u16string toText = text(IDC_CONVERT_TO);
    if (day_ && !toText.empty()) {
        if (const auto to = readTypedDate(toText, chosenCalendar(IDC_CONVERT_TO_CALENDAR))) {
            const CheckedDate checked = checkTypedDate(data_, *to, language);
            between = checked.day
                          ? betweenText(data_, chosenCalendar(IDC_CONVERT_COUNT_IN), *day_, *checked.day, language)
                          : checked.problem;
        } else {
            between = words_.text(IDS_CONVERT_NOT_A_DATE);
        }
    }
    say(IDC_CONVERT_BETWEEN, between);

    std::u16string stepped;
    if (const auto step = readDateStep(text(IDC_CONVERT_STEP)); day_ && step)
        stepped = stepText(data_, typed_->calendar, *day_, *step, language);
    say(IDC_CONVERT_STEPPED, stepped);
    EnableWindow(GetDlgItem(handle(), IDC_CONVERT_SHOW), day_.has_value());
}

// A result says its text in reading order, its lines broken as a control breaks them, and
// tells a screen reader that it changed (its name is its text).
void ConvertDialog::say(int id, const std::u16string& said, bool sayAgain) {
    std::u16string shown = inReadingOrder(said, words_.language());
    for (std::size_t at = shown.find(u'\n'); at != std::u16string::npos; at = shown.find(u'\n', at + 2))
        shown.insert(at, 1, u'\r');
    const HWND box = GetDlgItem(handle(), id);
    if (windowText(box) == shown && !sayAgain) return;
    setWindowText(box, shown);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, box, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace velmora
