// The icon in the notification area: today's Solar Hijri day and its tooltip.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "decisions/tray_text.h"

namespace velmora {

// One icon for the life of the program, under one identifier, so that Windows remembers
// where the user keeps it (on the taskbar or in the overflow); a new day changes its picture
// and tooltip, never its identity.
class TrayIcon {
  public:
    static constexpr UINT kIdentifier = 1;

    // Clicks on the icon reach the owner as callbackMessage, the event in LOWORD(lParam).
    TrayIcon(HINSTANCE instance, HWND owner, UINT callbackMessage);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the content: added the first time, modified in place after.
    void show(const TrayIconContent& content);
    // Adds the icon again when it is wanted but the notification area refused it: at logon it
    // may not be there yet.
    void retryIfRefused(const TrayIconContent& content);
    // Adds the icon again when it is wanted: Explorer restarted and forgot it.
    void restore(const TrayIconContent& content);
    // Takes the icon out of the notification area; every way out of the program calls it.
    void remove();

    bool wanted() const { return wanted_; }
    bool added() const { return added_; }
    // The Solar Hijri day it shows; 0 while the notification area does not hold it.
    std::int32_t shownDay() const { return added_ ? day_ : 0; }
    // How many times it was added, which a new day must not change.
    std::int32_t additions() const { return additions_; }

  private:
    NOTIFYICONDATAW record(const TrayIconContent* content);
    bool add(const TrayIconContent& content);

    HINSTANCE instance_;
    HWND owner_;
    UINT callbackMessage_;
    bool wanted_ = false;
    bool added_ = false;    // whether the notification area holds it
    std::int32_t day_ = 0;  // the day it shows
    std::int32_t additions_ = 0;
    HICON image_ = nullptr;  // the picture it shows, ours to destroy
};

}  // namespace velmora
