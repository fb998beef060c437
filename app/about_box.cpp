#include "app/about_box.h"

#include "app/right_to_left.h"
#include "app/win32_text.h"
#include "calendar/date_text.h"
#include "resources/resource_ids.h"
#include "version.h"

namespace velmora {

AboutBox::AboutBox(HINSTANCE instance, const Catalogue& words, std::u16string dataProblem, std::u16string lunarNote,
                   std::u16string editionNote)
    : instance_(instance),
      words_(words),
      dataProblem_(std::move(dataProblem)),
      lunarNote_(std::move(lunarNote)),
      editionNote_(std::move(editionNote)) {}

void AboutBox::run(HWND owner) {
    if (const DLGTEMPLATE* box = words_.dialog(L"ABOUTBOX"))
        DialogBoxIndirectParamW(instance_, box, owner, procedure, reinterpret_cast<LPARAM>(this));
}

// The edition's line holds as many lines as its words take: what lies below it moves down,
// and the box grows with it.
void AboutBox::fitEditionNote() {
    const HWND dialog = handle();
    const HWND note = GetDlgItem(dialog, IDC_ABOUT_EDITION);
    RECT place;
    GetWindowRect(note, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    const HDC dc = GetDC(note);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(note, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, place.right - place.left, 0};
    DrawTextW(dc, wide(editionNote_.c_str()), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    SelectObject(dc, old);
    ReleaseDC(note, dc);
    const int extra = needed.bottom - (place.bottom - place.top);
    if (extra <= 0) return;
    SetWindowPos(note, nullptr, 0, 0, place.right - place.left, needed.bottom, SWP_NOMOVE | SWP_NOZORDER);
    for (const int below : {IDOK, IDC_ABOUT_DATA_PROBLEM}) {
        const HWND item = GetDlgItem(dialog, below);
        RECT at;
        GetWindowRect(item, &at);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&at), 2);
        SetWindowPos(item, nullptr, at.left, at.top + extra, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    RECT box;
    GetWindowRect(dialog, &box);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + extra, SWP_NOMOVE | SWP_NOZORDER);
}

// While a data file is damaged the box says so below its foot, made taller to hold it.
void AboutBox::showDataProblem() {
    if (dataProblem_.empty()) return;
    const HWND dialog = handle();
    const HWND note = GetDlgItem(dialog, IDC_ABOUT_DATA_PROBLEM);
    setWindowText(note, withInsert(words_.text(IDS_ABOUT_DATA_PROBLEM), dataProblem_));
    ShowWindow(note, SW_SHOW);
    RECT extra{0, 0, 0, 50};
    MapDialogRect(dialog, &extra);
    RECT box;
    GetWindowRect(dialog, &box);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + extra.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
}

INT_PTR AboutBox::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        // The version in the interface's digits.
        const bool persian = words_.language() == Language::persian;
        const auto digits = [this](std::int32_t n) { return numberText(n, words_.language()); };
        const std::u16string version =
            digits(VELMORA_VERSION_MAJOR) + (persian ? u"\u066B" : u".") + digits(VELMORA_VERSION_MINOR);
        setWindowText(GetDlgItem(handle(), IDC_ABOUT_VERSION), withInsert(words_.text(IDS_ABOUT_VERSION), version));
        setWindowText(GetDlgItem(handle(), IDC_ABOUT_LUNAR), lunarNote_);
        setWindowText(GetDlgItem(handle(), IDC_ABOUT_EDITION), editionNote_);
        fitEditionNote();
        showDataProblem();
        if (words_.rightToLeft()) {
            readTextsRightToLeft(handle());
            keepUnmirrored(GetDlgItem(handle(), IDC_ABOUT_ICON));  // its "14" reads as drawn
        }
        return TRUE;
    }
    // Only the Ok button (and Enter, which presses it) closes the box; Escape sends IDCANCEL.
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(handle(), 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace velmora
