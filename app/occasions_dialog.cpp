#include "app/occasions_dialog.h"

#include <algorithm>

#include "app/win32_text.h"
#include "render/occasions_dialog.h"
#include "resources/resource_ids.h"

namespace velmora {

OccasionsDialog::OccasionsDialog(HINSTANCE instance, const PaintResources& resources,
                                 std::function<MonthLayout()> monthToList,
                                 std::function<std::u16string(const MonthLayout&)> titleOf)
    : instance_(instance), resources_(resources), monthToList_(std::move(monthToList)), titleOf_(std::move(titleOf)) {}

OccasionsDialog::~OccasionsDialog() { close(); }

void OccasionsDialog::open(HWND owner) {
    if (isOpen()) {
        ShowWindow(handle(), SW_SHOWNORMAL);
        SetForegroundWindow(handle());
        return;
    }
    CreateDialogParamW(instance_, L"EventDlg", owner, procedure, reinterpret_cast<LPARAM>(this));
    if (!isOpen()) return;
    follow();
    ShowWindow(handle(), SW_SHOW);
}

void OccasionsDialog::close() {
    // A modeless dialog is destroyed, not ended: EndDialog would only hide it.
    if (isOpen()) DestroyWindow(handle());
}

void OccasionsDialog::follow() {
    if (!isOpen()) return;
    const MonthLayout month = monthToList_();
    setWindowText(handle(), titleOf_(month));
    // An unseen pass learns how tall the month's lines are.
    const HDC dc = GetDC(list_);
    {
        GdiSurface surface(dc, resources_);
        pageHeight_ = paintOccasionsDialog(surface, month) + 4;
    }
    ReleaseDC(list_, dc);
    scrolled_ = 0;
    fitPage();
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR OccasionsDialog::onInit() {
    list_ = GetDlgItem(handle(), IDC_OCCASIONS_LIST);
    GetWindowRect(list_, &designedList_);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&designedList_), 2);
    GetWindowRect(handle(), &designedBox_);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    scrollBar_ =
        CreateWindowExW(0, L"scrollbar", nullptr, WS_CHILD | SBS_VERT, designedList_.right - width, designedList_.top,
                        width, designedList_.bottom - designedList_.top, handle(), nullptr, instance_, nullptr);
    return TRUE;
}

void OccasionsDialog::fitPage() {
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT box;
    GetWindowRect(handle(), &box);
    const int designed = designedList_.bottom - designedList_.top;
    const int frame = (designedBox_.bottom - designedBox_.top) - designed;  // caption, borders and margins
    const int room = std::max<int>(designed, area.bottom - box.top - frame);
    const int listHeight = std::clamp(pageHeight_, designed, room);
    const bool scrolls = pageHeight_ > listHeight;
    const int scrollWidth = scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int listWidth = designedList_.right - designedList_.left - scrollWidth;
    SetWindowPos(list_, nullptr, 0, 0, listWidth, listHeight, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(handle(), nullptr, 0, 0, designedBox_.right - designedBox_.left, listHeight + frame,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(scrollBar_, scrolls ? SW_SHOW : SW_HIDE);
    if (!scrolls) return;
    SetWindowPos(scrollBar_, nullptr, designedList_.left + listWidth, designedList_.top, scrollWidth, listHeight,
                 SWP_NOZORDER);
    SCROLLINFO info{
        sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, pageHeight_ - 1, static_cast<UINT>(listHeight), 0, 0};
    SetScrollInfo(scrollBar_, SB_CTL, &info, TRUE);
}

void OccasionsDialog::scrollTo(int offset) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(scrollBar_, SB_CTL, &info);
    const int last = std::max(0, info.nMax + 1 - static_cast<int>(info.nPage));
    offset = std::clamp(offset, 0, last);
    if (offset == scrolled_) return;
    scrolled_ = offset;
    info.fMask = SIF_POS;
    info.nPos = offset;
    SetScrollInfo(scrollBar_, SB_CTL, &info, TRUE);
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR OccasionsDialog::onScroll(WORD request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(scrollBar_, SB_CTL, &info);
    const int line = 16;
    switch (request) {
        case SB_LINEUP: scrollTo(scrolled_ - line); break;
        case SB_LINEDOWN: scrollTo(scrolled_ + line); break;
        case SB_PAGEUP: scrollTo(scrolled_ - static_cast<int>(info.nPage)); break;
        case SB_PAGEDOWN: scrollTo(scrolled_ + static_cast<int>(info.nPage)); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: scrollTo(info.nTrackPos); break;
        case SB_TOP: scrollTo(0); break;
        case SB_BOTTOM: scrollTo(info.nMax); break;
        default: break;
    }
    return TRUE;
}

INT_PTR OccasionsDialog::onWheel(WPARAM wParam) {
    if (!IsWindowVisible(scrollBar_)) return FALSE;
    scrollTo(scrolled_ - GET_WHEEL_DELTA_WPARAM(wParam) * 48 / WHEEL_DELTA);
    return TRUE;
}

// The list view is the page the lines are drawn on.
INT_PTR OccasionsDialog::onPaint() {
    PAINTSTRUCT paint;
    const MonthLayout month = monthToList_();  // the occasions as the files hold them now
    const HDC dc = BeginPaint(list_, &paint);
    {
        GdiSurface surface(dc, resources_);
        paintOccasionsDialog(surface, month, scrolled_);
    }
    EndPaint(list_, &paint);
    return FALSE;
}

INT_PTR OccasionsDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return onInit();
        case WM_PAINT: return onPaint();
        case WM_VSCROLL: return onScroll(LOWORD(wParam));
        case WM_MOUSEWHEEL: return onWheel(wParam);
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) close();  // Esc, through the dialog keys
            return TRUE;
        case WM_CLOSE: close(); return TRUE;
        default: return FALSE;
    }
}

}  // namespace velmora
