#include "app/clock_flyout.h"

#include "app/display_scale.h"
#include "decisions/window_layout.h"

namespace velmora {
namespace {

// The click on the icon that takes the activation from the open window comes this soon after.
constexpr ULONGLONG kSameClick = 500;

Rect rectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

ClockFlyout::Click ClockFlyout::onIconClicked(const std::optional<RECT>& icon) {
    if (atClock_ && IsWindowVisible(window_)) {
        ShowWindow(window_, SW_HIDE);
        return Click::close;
    }
    if (GetTickCount64() - closedAt_ < kSameClick) return Click::ignore;
    RECT own;
    GetWindowRect(window_, &own);
    if (!atClock_) ownPlace_ = own;
    // The icon's display (the taskbar's where the icon's place is not known).
    const HMONITOR display = icon ? MonitorFromRect(&*icon, MONITOR_DEFAULTTONEAREST)
                                  : MonitorFromWindow(FindWindowW(L"Shell_TrayWnd", nullptr), MONITOR_DEFAULTTOPRIMARY);
    const DisplayArea area = displayArea(display);
    const std::optional<Rect> iconPlace = icon ? std::optional<Rect>(rectOf(*icon)) : std::nullopt;
    const int gap = MulDiv(12, static_cast<int>(windowDpi(window_)), 96);
    const Rect place = flyoutPlace(iconPlace, area.work, taskbarEdge(area.monitor, area.work), own.right - own.left,
                                   own.bottom - own.top, gap);
    SetWindowPos(window_, HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE);
    atClock_ = true;
    return Click::open;
}

void ClockFlyout::onDeactivated(HWND other) {
    if (!atClock_ || !IsWindowVisible(window_)) return;
    if (other != nullptr && GetAncestor(other, GA_ROOTOWNER) == window_) return;  // its own dialog
    ShowWindow(window_, SW_HIDE);
    closedAt_ = GetTickCount64();
}

void ClockFlyout::leave() {
    if (!atClock_) return;
    atClock_ = false;
    const RECT place = ownPlace_.value_or(RECT{});
    SetWindowPos(window_, HWND_NOTOPMOST, place.left, place.top, 0, 0,
                 ownPlace_ ? SWP_NOSIZE : SWP_NOSIZE | SWP_NOMOVE);
}

void ClockFlyout::onMoved() {
    if (!atClock_) return;
    atClock_ = false;
    ownPlace_.reset();
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace velmora
