// The modeless occasions dialog: its list view is the page its lines are drawn on.
#include <windows.h>

#include "app/app_state.h"
#include "app/gdi_surface.h"
#include "render/occasions_dialog.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

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
    ShowWindow(app.occasionsDialog, SW_SHOW);
}

void closeOccasionsDialog() {
    if (app.occasionsDialog == nullptr) return;
    DestroyWindow(app.occasionsDialog);
    app.occasionsDialog = nullptr;
}

}  // namespace velmora
