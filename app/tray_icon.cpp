#include "app/tray_icon.h"

#include <algorithm>

#include "app/display_scale.h"
#include "decisions/icon_size.h"

namespace velmora {

TrayIcon::TrayIcon(HINSTANCE instance, HWND owner, UINT callbackMessage)
    : instance_(instance), owner_(owner), callbackMessage_(callbackMessage) {}

TrayIcon::~TrayIcon() {
    remove();
    if (image_ != nullptr) DestroyIcon(image_);
}

// The record that names the icon; with content, its picture, tooltip and callback too.
NOTIFYICONDATAW TrayIcon::record(const TrayIconContent* content) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kIdentifier;
    if (content == nullptr) return data;
    // Under NOTIFYICON_VERSION_4 the tooltip shows only when asked for (NIF_SHOWTIP).
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = callbackMessage_;
    // At the display's scale, not stretched from 16 pixels.
    const HICON previous = image_;
    image_ = loadScaledIcon(instance_, MAKEINTRESOURCEW(content->iconId), kTrayIconPixels, systemDpi());
    if (previous != nullptr) DestroyIcon(previous);  // the area keeps its own copy
    data.hIcon = image_;
    const std::size_t length = std::min(content->tooltip.size(), std::size(data.szTip) - 1);
    std::copy_n(content->tooltip.begin(), length, data.szTip);
    data.szTip[length] = L'\0';
    day_ = content->jalaliDay;
    tooltip_.assign(content->tooltip, 0, length);
    return data;
}

bool TrayIcon::add(const TrayIconContent& content) {
    NOTIFYICONDATAW data = record(&content);
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (!added_) return false;
    ++additions_;
    data.uVersion = NOTIFYICON_VERSION_4;
    Shell_NotifyIconW(NIM_SETVERSION, &data);
    return true;
}

void TrayIcon::show(const TrayIconContent& content) {
    wanted_ = true;
    if (added_) {
        NOTIFYICONDATAW data = record(&content);
        if (Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE) return;
        added_ = false;  // the area lost it: add it anew
    }
    add(content);
}

void TrayIcon::retryIfRefused(const TrayIconContent& content) {
    if (wanted_ && !added_) add(content);
}

void TrayIcon::restore(const TrayIconContent& content) {
    if (!wanted_) return;
    added_ = false;
    if (add(content)) return;
    // NIM_ADD refuses an icon that is still there (a "TaskbarCreated" without a restart of
    // the shell): then it is there, and takes the content as any other change.
    NOTIFYICONDATAW data = record(&content);
    added_ = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool TrayIcon::balloon(std::u16string_view title, std::u16string_view text) {
    if (!added_) return false;
    NOTIFYICONDATAW data = record(nullptr);
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    const std::size_t titleLength = std::min(title.size(), std::size(data.szInfoTitle) - 1);
    std::copy_n(title.begin(), titleLength, data.szInfoTitle);
    const std::size_t textLength = std::min(text.size(), std::size(data.szInfo) - 1);
    std::copy_n(text.begin(), textLength, data.szInfo);
    if (Shell_NotifyIconW(NIM_MODIFY, &data) == FALSE) return false;
    balloon_.assign(text, 0, textLength);
    return true;
}

void TrayIcon::remove() {
    if (!added_) return;
    NOTIFYICONDATAW data = record(nullptr);
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

std::optional<RECT> TrayIcon::rectangle() const {
    using GetRect = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
    const auto getRect = reinterpret_cast<GetRect>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"shell32.dll"), "Shell_NotifyIconGetRect")));
    if (getRect == nullptr || !added_) return std::nullopt;
    NOTIFYICONIDENTIFIER icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner_;
    icon.uID = kIdentifier;
    RECT rect{};
    if (FAILED(getRect(&icon, &rect)) || IsRectEmpty(&rect)) return std::nullopt;
    return rect;
}

void TrayIcon::showMenu(HMENU menu, bool rightToLeft) const {
    POINT cursor;
    GetCursorPos(&cursor);
    // The window must be foreground before TrackPopupMenu, or the menu will not close when
    // the user clicks elsewhere; the WM_NULL afterwards lets it close at once.
    SetForegroundWindow(owner_);
    TrackPopupMenu(menu, rightToLeft ? TPM_LAYOUTRTL | TPM_RIGHTALIGN : 0, cursor.x, cursor.y, 0, owner_, nullptr);
    PostMessageW(owner_, WM_NULL, 0, 0);
}

}  // namespace velmora
