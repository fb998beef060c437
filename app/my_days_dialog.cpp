#include "app/my_days_dialog.h"

#include <commctrl.h>

#include "app/right_to_left.h"
#include "app/win32_text.h"
#include "calendar/calendar_record.h"
#include "calendar/date_text.h"
#include "decisions/problem_words.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {

MyDaysDialog::MyDaysDialog(HINSTANCE instance, const Catalogue& words, DataWatch& data, CivilDate start,
                           Calendar startCalendar, std::optional<DayNumber> clicked)
    : instance_(instance),
      words_(words),
      data_(data),
      start_(start),
      startCalendar_(startCalendar),
      clicked_(clicked) {}

void MyDaysDialog::run(HWND owner) {
    if (const DLGTEMPLATE* box = words_.dialog(L"MYDAYSBOX"))
        DialogBoxIndirectParamW(instance_, box, owner, procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR MyDaysDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        INT stops[] = {62, 130, 250};
        SendDlgItemMessageW(handle(), IDC_MYDAYS_LIST, LB_SETTABSTOPS, 3, reinterpret_cast<LPARAM>(stops));
        for (const Calendar calendar : kCalendars) {
            const std::u16string name = words_.text(static_cast<UINT>(calendarRecord(calendar).nameString));
            SendDlgItemMessageW(handle(), IDC_MYDAYS_CALENDAR, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(wide(name.c_str())));
        }
        SendDlgItemMessageW(handle(), IDC_MYDAYS_TEXT, EM_SETLIMITTEXT, 200, 0);
        SetWindowSubclass(GetDlgItem(handle(), IDC_MYDAYS_DAY), dayBoxProc, 1, 0);
        if (words_.rightToLeft()) readTextsRightToLeft(handle());
        fillList(std::nullopt);
        // A double-click on a day of the user's opens that day; else a new day on the shown or
        // clicked date, its text still to write.
        if (const auto mine = clicked_ ? firstMyDayOn(days_, data_.data().hijri(), *clicked_) : std::nullopt) {
            SendDlgItemMessageW(handle(), IDC_MYDAYS_LIST, LB_SETCURSEL, *mine, 0);
            showDay(days_[*mine]);
            offerChoice();
            SetFocus(GetDlgItem(handle(), IDC_MYDAYS_TEXT));
            return FALSE;
        }
        showDay({startCalendar_, start_.month, start_.day, {}, false});
        if (clicked_) {
            SetFocus(GetDlgItem(handle(), IDC_MYDAYS_TEXT));
            return FALSE;
        }
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    const WORD code = HIWORD(wParam);
    switch (LOWORD(wParam)) {
        case IDC_MYDAYS_LIST:
            if (code == LBN_SELCHANGE && selectedIndex() >= 0)
                showDay(days_[static_cast<std::size_t>(selectedIndex())]);
            if (code == LBN_SELCHANGE) offerChoice();
            return TRUE;
        case IDC_MYDAYS_CALENDAR:
            if (code == CBN_SELCHANGE) {
                fillMonths(form().day.calendar, form().day.month);
                explain();
            }
            return TRUE;
        case IDC_MYDAYS_MONTH:
            if (code == CBN_SELCHANGE) explain();
            return TRUE;
        case IDC_MYDAYS_DAY:
            if (code == EN_CHANGE) explain();
            return TRUE;
        case IDC_MYDAYS_ADD:
        case IDC_MYDAYS_CHANGE: {
            const MyDayForm typed = form();
            if (typed.problem != MyDayProblem::none) {
                setWindowText(
                    GetDlgItem(handle(), IDC_MYDAYS_NOTE),
                    words_.text(typed.problem == MyDayProblem::noText ? IDS_MYDAYS_NO_TEXT : IDS_MYDAYS_NO_SUCH_DAY));
                MessageBeep(MB_OK);
                return TRUE;
            }
            const std::int32_t index = selectedIndex();
            if (LOWORD(wParam) == IDC_MYDAYS_CHANGE && index < 0) return TRUE;  // nothing chosen to change
            MyDayEdit change{std::nullopt, typed.day};
            if (LOWORD(wParam) != IDC_MYDAYS_ADD) change.before = days_[static_cast<std::size_t>(index)];
            save(change, &typed.day);
            return TRUE;
        }
        case IDC_MYDAYS_REMOVE: removeChosen(); return TRUE;
        case IDCANCEL: EndDialog(handle(), 0); return TRUE;
        default: return FALSE;
    }
}

void MyDaysDialog::fillList(const std::optional<MyDay>& select) {
    data_.look();
    days_ = inDateOrder(data_.data().myDays);
    const HWND list = GetDlgItem(handle(), IDC_MYDAYS_LIST);
    // Drawn once when filled, not at every line: a list of thousands of days otherwise takes
    // seconds, and each save fills it again.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_INITSTORAGE, days_.size(), days_.size() * 64 * sizeof(wchar_t));
    const std::u16string dayOff = words_.text(IDS_MYDAYS_DAY_OFF);
    std::u16string calendarNames[kCalendars.size()];
    for (const Calendar calendar : kCalendars)
        calendarNames[calendarIndex(calendar)] = words_.text(static_cast<UINT>(calendarRecord(calendar).nameString));
    std::optional<std::size_t> chosen;
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const MyDay& day = days_[i];
        const std::u16string text =
            myDayRowText(day, words_.language(), calendarNames[calendarIndex(day.calendar)], dayOff);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text.c_str())));
        if (select && !chosen && day == *select) chosen = i;
    }
    if (chosen) SendMessageW(list, LB_SETCURSEL, *chosen, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    offerChoice();
}

void MyDaysDialog::offerChoice() {
    const bool chosen = selectedIndex() >= 0;
    EnableWindow(GetDlgItem(handle(), IDC_MYDAYS_CHANGE), chosen);
    EnableWindow(GetDlgItem(handle(), IDC_MYDAYS_REMOVE), chosen);
}

void MyDaysDialog::removeChosen() {
    const std::int32_t index = selectedIndex();
    if (index < 0) return;
    const MyDay& day = days_[static_cast<std::size_t>(index)];
    const std::u16string question = messageText(
        words_.text(IDS_MYDAYS_REMOVE_ASK), myDayDate(day, words_.language()) + u": " + day.text, words_.language());
    const std::u16string title = words_.text(IDS_PROGRAM_NAME);
    if (MessageBoxW(handle(), wide(question.c_str()), wide(title.c_str()),
                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | words_.messageBoxFlags()) != IDYES)
        return;
    save({day, std::nullopt}, nullptr);
}

LRESULT CALLBACK MyDaysDialog::dayBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR) {
    if (message == WM_CHAR && !takenInDayBox(static_cast<char16_t>(wParam))) {
        MessageBeep(MB_OK);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, dayBoxProc, id);
    return DefSubclassProc(window, message, wParam, lParam);
}

void MyDaysDialog::fillMonths(Calendar calendar, std::int32_t month) {
    const HWND box = GetDlgItem(handle(), IDC_MYDAYS_MONTH);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (std::int32_t m = 1; m <= 12; ++m) {
        const std::u16string text = monthWord(calendar, m, words_.language());
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text.c_str())));
    }
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(month - 1), 0);
}

void MyDaysDialog::showDay(const MyDay& day) {
    SendDlgItemMessageW(handle(), IDC_MYDAYS_CALENDAR, CB_SETCURSEL, static_cast<WPARAM>(calendarDigit(day.calendar)),
                        0);
    fillMonths(day.calendar, day.month);
    setWindowText(GetDlgItem(handle(), IDC_MYDAYS_DAY), numberText(day.day, words_.language()));
    setWindowText(GetDlgItem(handle(), IDC_MYDAYS_TEXT), day.text);
    SendDlgItemMessageW(handle(), IDC_MYDAYS_DAYOFF, BM_SETCHECK, day.dayOff ? BST_CHECKED : BST_UNCHECKED, 0);
    explain();
}

MyDayForm MyDaysDialog::form() const {
    const auto selection = [&](int id) {
        return static_cast<std::int32_t>(SendDlgItemMessageW(handle(), id, CB_GETCURSEL, 0, 0));
    };
    return readMyDayForm(selection(IDC_MYDAYS_CALENDAR), selection(IDC_MYDAYS_MONTH) + 1,
                         windowText(GetDlgItem(handle(), IDC_MYDAYS_DAY)),
                         windowText(GetDlgItem(handle(), IDC_MYDAYS_TEXT)),
                         SendDlgItemMessageW(handle(), IDC_MYDAYS_DAYOFF, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void MyDaysDialog::explain() {
    const MyDayForm typed = form();
    std::u16string note;
    if (typed.problem == MyDayProblem::noSuchDay && !windowText(GetDlgItem(handle(), IDC_MYDAYS_DAY)).empty()) {
        note = words_.text(IDS_MYDAYS_NO_SUCH_DAY);
    } else if (typed.problem != MyDayProblem::noSuchDay && !comesEveryYear(typed.day)) {
        note = withInsert(words_.text(IDS_MYDAYS_NOT_EVERY_YEAR), myDayDate(typed.day, words_.language()));
    }
    setWindowText(GetDlgItem(handle(), IDC_MYDAYS_NOTE), note);
}

void MyDaysDialog::save(const MyDayEdit& change, const MyDay* select) {
    const std::string problem = data_.saveMyDays(change);
    if (!problem.empty()) {
        words_.warn(handle(), IDS_MYDAYS_NOT_WRITTEN, problemWords(problem, words_.language()));
        return;
    }
    fillList(select != nullptr ? std::optional<MyDay>(*select) : std::nullopt);
}

std::int32_t MyDaysDialog::selectedIndex() const {
    const LRESULT index = SendDlgItemMessageW(handle(), IDC_MYDAYS_LIST, LB_GETCURSEL, 0, 0);
    return index < 0 || static_cast<std::size_t>(index) >= days_.size() ? -1 : static_cast<std::int32_t>(index);
}

}  // namespace velmora
