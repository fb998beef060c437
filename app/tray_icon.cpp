#include "app/tray_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "app/display_scale.h"
#include "decisions/icon_size.h"

namespace velmora {

TrayIcon::TrayIcon(HINSTANCE instance, HWND owner, UINT callbackMessage)
    : instance_(instance), owner_(owner), callbackMessage_(callbackMessage) {}

TrayIcon::~TrayIcon() {
    if (image_ != nullptr) DestroyIcon(image_);
}

NOTIFYICONDATAW TrayIcon::record() const {
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V3_SIZE;  // the form that ends with guidItem
    record.hWnd = owner_;
    record.uID = static_cast<UINT>(day_);
    return record;
}

void TrayIcon::add(const TrayIconContent& content) {
    day_ = content.jalaliDay;
    NOTIFYICONDATAW data = record();
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    // At the display's scale, not stretched from 16 pixels.
    const HICON previous = image_;
    image_ = loadScaledIcon(instance_, MAKEINTRESOURCEW(content.iconId), kTrayIconPixels);
    data.hIcon = image_;
    const std::size_t length = std::min(content.tooltip.size(), std::size(data.szTip) - 1);
    std::copy_n(content.tooltip.begin(), length, data.szTip);
    data.szTip[length] = L'\0';
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (previous != nullptr) DestroyIcon(previous);  // the area keeps its own copy
}

void TrayIcon::show(const TrayIconContent& content) {
    remove();
    add(content);
}

void TrayIcon::retryIfRefused(const TrayIconContent& content) {
    if (wanted() && !added_) add(content);
}

void TrayIcon::restore(const TrayIconContent& content) {
    if (wanted()) add(content);
}

void TrayIcon::remove() {
    NOTIFYICONDATAW data = record();
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

}  // namespace velmora
