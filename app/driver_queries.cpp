#include "app/driver_queries.h"

namespace velmora {

DriverQueries::DriverQueries()
    : liveGdiObjects_(RegisterWindowMessageW(L"Velmora.LiveGdiObjects")),
      menuItemState_(RegisterWindowMessageW(L"Velmora.MenuItemState")),
      dataState_(RegisterWindowMessageW(L"Velmora.DataState")),
      trayDay_(RegisterWindowMessageW(L"Velmora.TrayDay")),
      trayIdentity_(RegisterWindowMessageW(L"Velmora.TrayIdentity")),
      trayText_(RegisterWindowMessageW(L"Velmora.TrayText")),
      lunarOfDay_(RegisterWindowMessageW(L"Velmora.LunarOfDay")),
      cellOfDay_(RegisterWindowMessageW(L"Velmora.CellOfDay")) {}

bool DriverQueries::isQuestion(UINT message) const {
    return message != 0 &&
           (message == liveGdiObjects_ || message == menuItemState_ || message == dataState_ || message == trayDay_ ||
            message == trayIdentity_ || message == trayText_ || message == lunarOfDay_ || message == cellOfDay_);
}

std::optional<LRESULT> DriverQueries::answer(UINT message, WPARAM wParam, const DriverFacts& facts) const {
    if (!isQuestion(message)) return std::nullopt;
    if (message == liveGdiObjects_) return facts.liveGdiObjects;
    if (message == trayDay_) return facts.trayDay;
    if (message == trayIdentity_) return MAKELONG(facts.trayIdentifier, facts.trayAdditions);
    if (message == trayText_) {
        const std::u16string& text = HIWORD(wParam) == 0 ? facts.trayTooltip : facts.trayBalloon;
        return LOWORD(wParam) < text.size() ? static_cast<LRESULT>(text[LOWORD(wParam)]) : -1;
    }
    if (message == lunarOfDay_) return facts.lunarOfDay ? facts.lunarOfDay(static_cast<std::int32_t>(wParam)) : 0;
    if (message == cellOfDay_) return facts.cellOfDay ? facts.cellOfDay(static_cast<std::int32_t>(wParam)) : 0;
    if (message == dataState_) return (facts.lunarTable ? 1 : 0) | (facts.eventsFile ? 2 : 0);
    return static_cast<LRESULT>(
        static_cast<INT>(GetMenuState(facts.mainMenu, static_cast<UINT>(wParam), MF_BYCOMMAND)));
}

}  // namespace velmora
