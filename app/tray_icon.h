// The icon in the notification area: today's Solar Hijri day and its tooltip.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <string_view>

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
    // A balloon over the icon with a title and a text (cut to what the area holds); false
    // when the area does not hold the icon or refused it.
    bool balloon(std::u16string_view title, std::u16string_view text);
    // The icon's menu at the mouse, its commands sent to the owner window.
    void showMenu(HMENU menu, bool rightToLeft) const;
    // The icon's rectangle on the screen, where the shell says it (Windows 7 on).
    std::optional<RECT> rectangle() const;
    // Takes the icon out of the notification area; every way out of the program calls it.
    void remove();

    bool wanted() const { return wanted_; }
    bool added() const { return added_; }
    // The Solar Hijri day it shows; 0 while the notification area does not hold it.
    std::int32_t shownDay() const { return added_ ? day_ : 0; }
    // How many times it was added, which a new day must not change.
    std::int32_t additions() const { return additions_; }
    // The tooltip it holds, and the text of the last balloon.
    const std::u16string& tooltip() const { return tooltip_; }
    const std::u16string& lastBalloon() const { return balloon_; }

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
    std::u16string tooltip_;
    std::u16string balloon_;
};

}  // namespace velmora
