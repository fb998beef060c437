// The icon in the notification area: today's Solar Hijri day and its tooltip.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "decisions/tray_text.h"

namespace velmora {

class TrayIcon {
  public:
    // Clicks on the icon reach the owner as callbackMessage, the mouse message in lParam.
    TrayIcon(HINSTANCE instance, HWND owner, UINT callbackMessage);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the content: the old icon goes and the new one comes, under today's day.
    void show(const TrayIconContent& content);
    // Adds the icon again when it is wanted but the notification area refused it: at logon it
    // may not be there yet.
    void retryIfRefused(const TrayIconContent& content);
    // Adds the icon again when it is wanted: Explorer restarted and forgot it.
    void restore(const TrayIconContent& content);
    void remove();

    bool wanted() const { return day_ != 0; }
    // The Solar Hijri day it shows; 0 while the notification area does not hold it.
    std::int32_t shownDay() const { return added_ ? day_ : 0; }
    bool added() const { return added_; }

  private:
    void add(const TrayIconContent& content);
    NOTIFYICONDATAW record() const;

    HINSTANCE instance_;
    HWND owner_;
    UINT callbackMessage_;
    std::int32_t day_ = 0;   // the day it is added under, as its identifier; 0 before the first show
    bool added_ = false;     // whether the notification area took it
    HICON image_ = nullptr;  // the picture it shows, ours to destroy
};

}  // namespace velmora
