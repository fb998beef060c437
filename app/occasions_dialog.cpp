#include "app/occasions_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "app/display_scale.h"
#include "app/right_to_left.h"
#include "app/theme.h"
#include "app/win32_text.h"
#include "decisions/window_layout.h"
#include "render/occasions_dialog.h"
#include "resources/resource_ids.h"

namespace velmora {

OccasionsDialog::OccasionsDialog(HINSTANCE instance, const PaintResources& resources)
    : instance_(instance), resources_(resources) {}

OccasionsDialog::~OccasionsDialog() { close(); }

void OccasionsDialog::open(HWND owner, ListedMonth month) {
    if (isOpen()) {
        ShowWindow(handle(), SW_SHOWNORMAL);
        SetForegroundWindow(handle());
        return;
    }
    // One template for both languages, mirrored for Persian: its caption at the right.
    language_ = month.language;
    const std::vector<BYTE> box = inMessageFont(dialogTemplate(instance_, L"EventDlg", language_ == Language::persian));
    if (box.empty()) return;
    CreateDialogIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(box.data()), owner, procedure,
                               reinterpret_cast<LPARAM>(this));
    if (!isOpen()) return;
    follow(std::move(month));
    ShowWindow(handle(), SW_SHOW);
}

void OccasionsDialog::close() {
    // A modeless dialog is destroyed, not ended: EndDialog would only hide it.
    if (isOpen()) DestroyWindow(handle());
}

void OccasionsDialog::follow(ListedMonth listed) {
    if (!isOpen()) return;
    if (listed.language != language_) {  // made again in the other language's layout
        const HWND owner = GetWindow(handle(), GW_OWNER);
        close();
        open(owner, std::move(listed));
        return;
    }
    month_ = std::move(listed);
    const MonthLayout& month = month_.layout;
    setWindowText(handle(), month_.title);
    // An unseen pass learns how tall the month's lines are, and which days it lists.
    const HDC dc = GetDC(list_);
    listed_.clear();
    {
        GdiSurfaceFactory shown(dc, resources_);
        ScaledSurfaceFactory surfaces(shown, scale());
        pageHeight_ =
            scale().px(paintOccasionsDialog(*surfaces.open(), month, 0, &listed_, 0, interfaceDigits(language_)) + 4);
    }
    ReleaseDC(list_, dc);
    // The same days as items of the list, which screen readers read and the keyboard moves in.
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < listed_.size(); ++i) {
        std::u16string text = month_.readings[static_cast<std::size_t>(listed_[i].day - 1)];
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = reinterpret_cast<wchar_t*>(text.data());
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    scrolled_ = 0;
    fitPage();
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR OccasionsDialog::onInit() {
    list_ = GetDlgItem(handle(), IDC_OCCASIONS_LIST);
    GetWindowRect(list_, &designedList_);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&designedList_), 2);
    GetWindowRect(handle(), &designedBox_);
    // A list of one column without headers, whose items the paint shows in its own way.
    SetWindowLongW(
        list_, GWL_STYLE,
        (GetWindowLongW(list_, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = designedList_.right - designedList_.left;
    SendMessageW(list_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SetWindowSubclass(list_, listProc, 1, reinterpret_cast<DWORD_PTR>(this));
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    scrollBar_ =
        CreateWindowExW(0, L"scrollbar", nullptr, WS_CHILD | SBS_VERT, designedList_.right - width, designedList_.top,
                        width, designedList_.bottom - designedList_.top, handle(), nullptr, instance_, nullptr);
    return TRUE;
}

void OccasionsDialog::fitPage() {
    const Rect work = displayArea(MonitorFromWindow(handle(), MONITOR_DEFAULTTONEAREST)).work;
    const RECT area{work.left, work.top, work.right, work.bottom};
    const int designed = designedList_.bottom - designedList_.top;
    const int frame = (designedBox_.bottom - designedBox_.top) - designed;  // caption, borders and margins
    const int room = std::max<int>(designed, area.bottom - area.top - frame);
    const int listHeight = std::clamp(pageHeight_, designed, room);
    const bool scrolls = pageHeight_ > listHeight;
    const int scrollWidth = scrolls ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int listWidth = designedList_.right - designedList_.left - scrollWidth;
    SetWindowPos(list_, nullptr, 0, 0, listWidth, listHeight, SWP_NOMOVE | SWP_NOZORDER);
    // As tall as the page, and whole on the work area of its display (never off its edge or
    // under the taskbar).
    RECT box;
    GetWindowRect(handle(), &box);
    const Rect kept = keptInside(
        {box.left, box.top, box.left + (designedBox_.right - designedBox_.left), box.top + listHeight + frame},
        {area.left, area.top, area.right, area.bottom});
    SetWindowPos(handle(), nullptr, kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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

void OccasionsDialog::showDay(std::int32_t day) {
    if (!isOpen()) return;
    for (std::size_t i = 0; i < listed_.size(); ++i) {
        if (listed_[i].day != day) continue;
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&item));
        SetFocus(list_);
        return;
    }
}

void OccasionsDialog::showChosenDay() {
    const LRESULT chosen = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
    if (chosen < 0 || chosen >= static_cast<LRESULT>(listed_.size())) return;
    const ListedDay& lines = listed_[static_cast<std::size_t>(chosen)];
    RECT list;
    GetClientRect(list_, &list);
    const int top = scale().px(lines.top), bottom = scale().px(lines.bottom);
    if (top < scrolled_)
        scrollTo(top);
    else if (bottom > scrolled_ + list.bottom)
        scrollTo(bottom - list.bottom);
    InvalidateRect(list_, nullptr, TRUE);
}

INT_PTR OccasionsDialog::onNotify(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom != list_) return FALSE;
    if (header->code == LVN_ITEMCHANGED || header->code == NM_SETFOCUS || header->code == NM_KILLFOCUS) showChosenDay();
    return FALSE;
}

INT_PTR OccasionsDialog::onScroll(WORD request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(scrollBar_, SB_CTL, &info);
    const int line = scale().px(16);
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
    scrollTo(scrolled_ - GET_WHEEL_DELTA_WPARAM(wParam) * scale().px(48) / WHEEL_DELTA);
    return TRUE;
}

// The list view is the page the lines are drawn on; its items are there to be read, not seen.
void OccasionsDialog::paintList() {
    PAINTSTRUCT paint;
    const MonthLayout& month = month_.layout;
    std::int32_t focused = 0;
    if (GetFocus() == list_) {
        const LRESULT chosen = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
        if (chosen >= 0 && chosen < static_cast<LRESULT>(listed_.size()))
            focused = listed_[static_cast<std::size_t>(chosen)].day;
    }
    const HDC dc = BeginPaint(list_, &paint);
    SetLayout(dc, 0);  // the page lays its columns out itself, from the right, in either language
    {
        GdiSurfaceFactory shown(dc, resources_);
        ScaledSurfaceFactory surfaces(shown, scale());
        paintOccasionsDialog(*surfaces.open(), month, scale().design(scrolled_), nullptr, focused,
                             interfaceDigits(language_), activePalette());
    }
    EndPaint(list_, &paint);
}

LRESULT CALLBACK OccasionsDialog::listProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
    if (message == WM_PAINT) {
        reinterpret_cast<OccasionsDialog*>(self)->paintList();
        return 0;
    }
    // The keys choose a day; the page scrolls by its own bar, not the list's.
    if (message == WM_VSCROLL) return 0;
    if (message == WM_MOUSEWHEEL) return SendMessageW(GetParent(window), message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

INT_PTR OccasionsDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInit();
        case WM_NOTIFY: return onNotify(lParam);
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
