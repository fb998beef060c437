#include "app/occasions_dialog.h"

#include <algorithm>

#include "render/occasions_dialog.h"
#include "resources/resource_ids.h"

namespace velmora {

OccasionsDialog::OccasionsDialog(HINSTANCE instance, const PaintResources& resources,
                                 std::function<MonthLayout()> monthToList)
    : instance_(instance), resources_(resources), monthToList_(std::move(monthToList)) {}

OccasionsDialog::~OccasionsDialog() { close(); }

bool OccasionsDialog::open(HWND owner) {
    CreateDialogParamW(instance_, L"EventDlg", owner, procedure, reinterpret_cast<LPARAM>(this));
    const HWND dialog = handle();
    if (dialog == nullptr) return false;
    // A first, unseen pass learns how tall the month's lines are.
    const HWND list = GetDlgItem(dialog, IDC_OCCASIONS_LIST);
    const HDC dc = GetDC(list);
    int bottom = 0;
    {
        GdiSurface surface(dc, resources_);
        bottom = paintOccasionsDialog(surface, monthToList_());
    }
    ReleaseDC(list, dc);
    fitPageTo(list, bottom);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ShowWindow(dialog, SW_SHOW);
    return true;
}

void OccasionsDialog::close() {
    // A modeless dialog is destroyed, not ended: EndDialog would only hide it.
    if (isOpen()) DestroyWindow(handle());
}

// Makes the page, and the dialog with it, tall enough for every line (never shorter than
// designed, never taller than the screen's work area).
void OccasionsDialog::fitPageTo(HWND list, int bottom) {
    const HWND dialog = handle();
    RECT page;
    GetClientRect(list, &page);
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT box;
    GetWindowRect(dialog, &box);
    const int grow = static_cast<int>(std::min<LONG>(bottom + 4 - page.bottom, area.bottom - box.bottom));
    if (grow <= 0) return;
    RECT listBox;
    GetWindowRect(list, &listBox);
    SetWindowPos(list, nullptr, 0, 0, listBox.right - listBox.left, listBox.bottom - listBox.top + grow,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left, box.bottom - box.top + grow, SWP_NOMOVE | SWP_NOZORDER);
}

// The list view is the page the lines are drawn on.
INT_PTR OccasionsDialog::onPaint() {
    const HWND list = GetDlgItem(handle(), IDC_OCCASIONS_LIST);
    PAINTSTRUCT paint;
    const MonthLayout month = monthToList_();  // the occasions as the files hold them now
    const HDC dc = BeginPaint(list, &paint);
    {
        GdiSurface surface(dc, resources_);
        paintOccasionsDialog(surface, month);
    }
    EndPaint(list, &paint);
    return FALSE;
}

INT_PTR OccasionsDialog::handleMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_PAINT: return onPaint();
        case WM_CLOSE: close(); return FALSE;
        default: return FALSE;
    }
}

}  // namespace velmora
