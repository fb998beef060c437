#include "app/driver_queries.h"

#include "render/month_grid.h"

namespace velmora {

DriverFacts gatherDriverFacts(HMENU bar, const CalendarFiles& files, std::int32_t liveGdiObjects, const TrayIcon* tray,
                              MonthLayout shownMonth, std::int32_t clientWidth, std::int32_t clientHeight) {
    DriverFacts facts;
    facts.mainMenu = bar;
    facts.lunarTable = hasLunarTable(files.data().bounds());
    facts.eventsFile = files.eventsSource().exists();
    facts.liveGdiObjects = liveGdiObjects;
    if (tray != nullptr) {
        facts.trayDay = tray->shownDay();
        facts.trayIdentifier = tray->added() ? TrayIcon::kIdentifier : 0;
        facts.trayAdditions = tray->additions();
        facts.trayTooltip = tray->tooltip();
        facts.trayBalloon = tray->lastBalloon();
    }
    facts.shownMonth = std::move(shownMonth);
    facts.clientWidth = clientWidth;
    facts.clientHeight = clientHeight;
    return facts;
}

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
    if (message == lunarOfDay_ || message == cellOfDay_) {
        const MonthLayout& layout = facts.shownMonth;
        if (wParam < 1 || wParam > layout.days.size()) return 0;
        const LaidOutDay& laid = layout.days[wParam - 1];
        if (message == cellOfDay_) {
            const GridCell place =
                gridCell(facts.clientWidth, facts.clientHeight, laid.cell.row, laid.cell.screenColumn);
            const std::int32_t x = facts.scale.px(place.x);
            return MAKELONG(facts.mirroredWidth > 0 ? facts.mirroredWidth - 1 - x : x, facts.scale.px(place.y));
        }
        if (!laid.lunar) return 0;
        return laid.lunar->year * 10000 + laid.lunar->month * 100 + laid.lunar->day +
               (laid.lunarPredicted ? 1 << 30 : 0) + (layout.predicted ? 1 << 29 : 0);
    }
    if (message == dataState_) return (facts.lunarTable ? 1 : 0) | (facts.eventsFile ? 2 : 0);
    return static_cast<LRESULT>(
        static_cast<INT>(GetMenuState(facts.mainMenu, static_cast<UINT>(wParam), MF_BYCOMMAND)));
}

}  // namespace velmora
