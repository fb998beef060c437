#include "app/lunar_dialog.h"

#include "app/right_to_left.h"
#include "app/win32_text.h"
#include "calendar/hijri_correction.h"
#include "decisions/problem_words.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr int kOptionIds[] = {IDC_LUNAR_EARLIER, IDC_LUNAR_LATER};

}  // namespace

LunarDialog::LunarDialog(HINSTANCE instance, const Catalogue& words, CivilDate today, DataWatch& data)
    : instance_(instance), words_(words), today_(today), data_(data) {}

void LunarDialog::run(HWND owner) {
    if (const DLGTEMPLATE* box = words_.dialog(L"LUNARBOX"))
        DialogBoxIndirectParamW(instance_, box, owner, procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR LunarDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        // The columns under their headings, in dialog units from the list's left edge.
        INT stops[] = {80, 158, 236};
        SendDlgItemMessageW(handle(), IDC_LUNAR_MONTHS, LB_SETTABSTOPS, 3, reinterpret_cast<LPARAM>(stops));
        fill(0);
        if (words_.rightToLeft()) readTextsRightToLeft(handle());
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDC_LUNAR_MONTHS:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                say(0);
                showOptions();
            }
            return TRUE;
        case IDC_LUNAR_APPLY: apply(); return TRUE;
        case IDC_LUNAR_UNDO: undo(); return TRUE;
        case IDCANCEL: EndDialog(handle(), 0); return TRUE;
        default: return FALSE;
    }
}

void LunarDialog::fill(std::int32_t keep) {
    data_.look();
    const CalendarData& data = data_.data();
    rows_ = correctableLunarMonths(data, today_);
    const HWND list = GetDlgItem(handle(), IDC_LUNAR_MONTHS);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    int chosen = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const LunarMonthRow& row = rows_[i];
        const std::u16string source = words_.text(IDS_SOURCE_OFFICIAL + static_cast<UINT>(row.source));
        const std::u16string text = lunarMonthRowText(row, words_.language(), source);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text.c_str())));
        const bool wanted = keep != 0 ? row.year * 100 + row.month == keep
                                      : data.lunarSource.firstPredicted &&
                                            lunarMonthIndex(row.year, row.month) == *data.lunarSource.firstPredicted;
        if (wanted) chosen = static_cast<int>(i);
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    EnableWindow(GetDlgItem(handle(), IDC_LUNAR_UNDO), !data.lunarSource.corrected.empty());
    showOptions();
}

const LunarMonthRow* LunarDialog::selected() const {
    const LRESULT index = SendDlgItemMessageW(handle(), IDC_LUNAR_MONTHS, LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return nullptr;
    return &rows_[static_cast<std::size_t>(index)];
}

void LunarDialog::showOptions() {
    const LunarMonthRow* row = selected();
    options_ =
        row != nullptr ? lunarStartOptions(data_.data(), *row, words_.language()) : std::vector<LunarStartOption>{};
    for (std::size_t i = 0; i < 2; ++i) {
        const HWND button = GetDlgItem(handle(), kOptionIds[i]);
        const bool shown = i < options_.size();
        setWindowText(button, shown ? std::u16string_view(options_[i].text) : std::u16string_view());
        EnableWindow(button, shown && options_[i].possible && row->correctable);
        SendMessageW(button, BM_SETCHECK, shown && options_[i].day == row->first ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    EnableWindow(GetDlgItem(handle(), IDC_LUNAR_APPLY), row != nullptr && row->correctable);
    if (row != nullptr && !row->correctable) say(IDS_LUNAR_FIXED_MONTH);
}

void LunarDialog::apply() {
    const LunarMonthRow* row = selected();
    if (row == nullptr || !row->correctable) return;
    DayNumber first = row->first;
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (SendDlgItemMessageW(handle(), kOptionIds[i], BM_GETCHECK, 0, 0) == BST_CHECKED) first = options_[i].day;
    }
    if (first == row->first) return;  // it begins there already
    const LunarMonthRow month = *row;
    if (!written(data_.editCalendar(
            [&](std::string_view text) { return startLunarMonth(text, month.year, month.month, first); })))
        return;
    fill(month.year * 100 + month.month);
    say(IDS_LUNAR_APPLIED, lunarMonthTitle(month.year, month.month, words_.language()));
}

void LunarDialog::undo() {
    const LunarMonthRow* row = selected();
    const std::int32_t keep = row != nullptr ? row->year * 100 + row->month : 0;
    if (!written(data_.editCalendar([](std::string_view text) { return undoLunarCorrections(text); }))) return;
    fill(keep);
    say(IDS_LUNAR_UNDONE);
}

bool LunarDialog::written(const std::string& problem) {
    if (problem.empty()) return true;
    words_.warn(handle(), IDS_LUNAR_NOT_WRITTEN, problemWords(problem, words_.language()));
    return false;
}

void LunarDialog::say(UINT text, std::u16string_view insert) {
    const HWND note = GetDlgItem(handle(), IDC_LUNAR_NOTE);
    setWindowText(note, text == 0 ? std::u16string() : withInsert(words_.text(text), insert));
}

}  // namespace velmora
