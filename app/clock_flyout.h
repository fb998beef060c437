// The month at the clock: a click (or Enter) on the notification area's icon opens the window
// beside it, on top; a second click, a click elsewhere or Esc closes it again. The tray menu's
// Open, and a window the user moved, stay where the user keeps the window. Windows only.
#pragma once

#include <windows.h>

#include <optional>

namespace velmora {

class ClockFlyout {
  public:
    explicit ClockFlyout(HWND window) : window_(window) {}

    enum class Click { open, close, ignore };
    // A click on the icon: moves the window beside the icon (at the taskbar's corner without
    // its rectangle) and answers open, for the window to show itself; close when it stands
    // there open; ignore for the click that has just closed it by taking the activation away.
    Click onIconClicked(const std::optional<RECT>& icon);
    // The activation went to `other`: the window at the clock hides, unless other is a window
    // of its own (a dialog it opened).
    void onDeactivated(HWND other);
    // Opened some other way (the tray menu's Open): back where the user keeps it.
    void leave();
    // The user moved the window: where it is now is theirs.
    void onMoved();

  private:
    HWND window_;
    bool atClock_ = false;
    std::optional<RECT> ownPlace_;  // where the user keeps the window
    ULONGLONG closedAt_ = 0;        // when it last closed by losing the activation
};

}  // namespace velmora
