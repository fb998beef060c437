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
