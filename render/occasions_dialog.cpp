#include "render/occasions_dialog.h"

#include "render/month_grid.h"

namespace velmora {

std::int32_t paintOccasionsDialog(Surface& surface, const MonthLayout& month, std::int32_t scrolled,
                                  std::vector<ListedDay>* listed, std::int32_t focusedDay, Digits dayDigits,
                                  const Palette& palette) {
    const TextMetrics metrics = surface.textMetrics();  // of the default font
    const std::int32_t w = metrics.averageCharWidth;
    const std::int32_t lineHeight = metrics.height + metrics.externalLeading;
    const std::int32_t right = w + 483;  // where the Solar Hijri column ends
    std::int32_t line = 1;
    for (const LaidOutDay& day : month.days) {
        // Occasions are listed for the days the lunar table covers, which decide the lunar ones.
        if (!day.lunar) continue;
        const DayOccasions& texts = day.occasions;
        if (texts.empty() && texts.personal.empty()) continue;
        const std::int32_t firstLine = line;

        // Red marks a holiday's day and the occasion that makes it one, nothing else.
        surface.setTextColor(texts.holiday ? palette.holidayText : palette.text);
        surface.selectFont(FontId::smallFont);
        surface.setTextAlign(TextAlign::leftTop);
        surface.drawText(w + 495, line * lineHeight - scrolled, numberText(day.day, dayDigits));
        surface.setTextAlign(TextAlign::rightTopRightToLeft);
        // Right to left: the Solar Hijri, lunar Hijri and Gregorian texts, each ending where
        // the one before it began, two characters apart; a text that would cross the left
        // edge goes to a line of its own below, ending where the first column ends.
        std::int32_t x = right;
        for (const Occasion* occasion : {&texts.solar, &texts.lunar, &texts.gregorian}) {
            if (occasion->empty()) continue;
            const std::int32_t width = occasion->words().empty() ? 0 : surface.textWidth(occasion->words());
            if (x - width < 0 && x != right) {
                ++line;
                x = right;
            }
            surface.setTextColor(occasion->flag == 1 && occasion != &texts.gregorian ? palette.holidayText
                                                                                     : palette.text);
            if (width > 0) surface.drawText(x, line * lineHeight - scrolled, occasion->words());
            x -= width + 2 * w;
        }
        // Then the user's own days, each on a line of its own under a star, in their colour.
        for (const PersonalDay& mine : texts.personal) {
            if (x != right) ++line;
            x = right;
            surface.setTextColor(palette.personal);
            surface.drawText(right, line * lineHeight - scrolled, u"\u2605 " + mine.text);
            x -= 1;  // the next one goes below
        }
        const ListedDay lines{day.day, firstLine * lineHeight, (line + 1) * lineHeight};
        if (listed != nullptr) listed->push_back(lines);
        if (day.day == focusedDay)
            surface.drawFocusRect({1, lines.top - scrolled, w + 495 + 3 * w, lines.bottom - scrolled});
        ++line;
    }
    return line * lineHeight;
}

}  // namespace velmora
