#include "app/driver_queries.h"

namespace velmora {

DriverQueries::DriverQueries()
    : liveGdiObjects_(RegisterWindowMessageW(L"Velmora.LiveGdiObjects")),
      menuItemState_(RegisterWindowMessageW(L"Velmora.MenuItemState")),
      dataState_(RegisterWindowMessageW(L"Velmora.DataState")),
      trayDay_(RegisterWindowMessageW(L"Velmora.TrayDay")),
      trayIdentity_(RegisterWindowMessageW(L"Velmora.TrayIdentity")) {}

bool DriverQueries::isQuestion(UINT message) const {
    return message != 0 && (message == liveGdiObjects_ || message == menuItemState_ || message == dataState_ ||
                            message == trayDay_ || message == trayIdentity_);
}

std::optional<LRESULT> DriverQueries::answer(UINT message, WPARAM wParam, const DriverFacts& facts) const {
    if (!isQuestion(message)) return std::nullopt;
    if (message == liveGdiObjects_) return facts.liveGdiObjects;
    if (message == trayDay_) return facts.trayDay;
    if (message == trayIdentity_) return MAKELONG(facts.trayIdentifier, facts.trayAdditions);
    if (message == dataState_) return (facts.lunarTable ? 1 : 0) | (facts.eventsFile ? 2 : 0);
    return static_cast<LRESULT>(
        static_cast<INT>(GetMenuState(facts.mainMenu, static_cast<UINT>(wParam), MF_BYCOMMAND)));
}

}  // namespace velmora
