// The modeless occasions dialog: its list view is the page its lines are drawn on.
#include <windows.h>

#include <algorithm>

#include "app/gdi_surface.h"
#include "app/main_window.h"
#include "render/occasions_dialog.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

// Makes the page, and the dialog with it, tall enough for every line (never shorter than
// designed, never taller than the screen's work area).
void fitPageTo(HWND dialog, HWND list, int bottom) {
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

INT_PTR CALLBACK occasionsDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_PAINT: {
            const HWND list = GetDlgItem(dialog, IDC_OCCASIONS_LIST);
            PAINTSTRUCT paint;
            refreshDataFiles();  // the occasions as the files hold them now
            const HDC dc = BeginPaint(list, &paint);
            {
                GdiSurface surface(dc, app.fonts.data(), *app.bitmaps);
                paintOccasionsDialog(surface, app.data(), app.navigation.shown);
            }
            EndPaint(list, &paint);
            break;
        }
        case WM_CLOSE:
            // A modeless dialog is destroyed, not ended: EndDialog would only hide it and
            // every click of the button would leave another window behind.
            if (dialog == app.occasionsDialog) app.occasionsDialog = nullptr;
            DestroyWindow(dialog);
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

void openOccasionsDialog() {
    app.occasionsDialog = CreateDialogParamW(app.instance, L"EventDlg", app.mainWindow, occasionsDialogProc, 0);
    if (app.occasionsDialog == nullptr) return;
    // A first, unseen pass learns how tall the month's lines are.
    const HWND list = GetDlgItem(app.occasionsDialog, IDC_OCCASIONS_LIST);
    const HDC dc = GetDC(list);
    int bottom = 0;
    {
        GdiSurface surface(dc, app.fonts.data(), *app.bitmaps);
        refreshDataFiles();
        bottom = paintOccasionsDialog(surface, app.data(), app.navigation.shown);
    }
    ReleaseDC(list, dc);
    fitPageTo(app.occasionsDialog, list, bottom);
    RedrawWindow(app.occasionsDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ShowWindow(app.occasionsDialog, SW_SHOW);
}

void closeOccasionsDialog() {
    if (app.occasionsDialog == nullptr) return;
    DestroyWindow(app.occasionsDialog);
    app.occasionsDialog = nullptr;
}

}  // namespace velmora
