#include "render/prayer_band.h"

#include <algorithm>

namespace velmora {

void drawPrayerBand(Surface& surface, const PrayerBand& band, std::int32_t clientWidth, std::int32_t top,
                    const Palette& palette) {
    const std::int32_t left = 6, right = clientWidth - 6;
    const auto count = static_cast<std::int32_t>(band.columns.size());
    const std::int32_t rows = count > 6 ? 2 : 1;
    const std::int32_t perRow = std::max<std::int32_t>((count + rows - 1) / rows, 1);
    surface.fillRoundRect({left, top, right, top + rows * kPrayerRowHeight}, 10, palette.panel);
    // The place takes what its name and the day need, the times share the rest.
    surface.selectFont(FontId::smallFont);
    const std::int32_t placeWidth = std::clamp<std::int32_t>(
        std::max(surface.textWidth(band.place), surface.textWidth(band.day)) + 12, 48, (right - left) / 3);
    const std::int32_t columnWidth = (right - left - placeWidth) / perRow;
    // Where a piece of the given width stands that begins `fromStart` into the band, in reading order.
    const auto leftOf = [&](std::int32_t fromStart, std::int32_t width) {
        return band.rightToLeft ? right - fromStart - width : left + fromStart;
    };
    // Each piece centred in its column, Persian read right to left.
    surface.setTextAlign(band.rightToLeft ? TextAlign::centreTopRightToLeft : TextAlign::centreTop);
    const auto centred = [&](std::u16string_view text, std::int32_t x, std::int32_t width, std::int32_t y) {
        surface.drawText(x + width / 2, y, text);
    };
    surface.setTextColor(palette.text);
    const std::int32_t placeTop = top + (rows * kPrayerRowHeight - 30) / 2;
    centred(band.place, leftOf(0, placeWidth), placeWidth, placeTop);
    centred(band.day, leftOf(0, placeWidth), placeWidth, placeTop + 16);
    // The names, then the times: a font chosen twice, not twice a column.
    const auto columnLeft = [&](std::int32_t k) {
        return leftOf(placeWidth + (k % perRow) * columnWidth, columnWidth);
    };
    const auto rowTop = [&](std::int32_t k) { return top + (k / perRow) * kPrayerRowHeight; };
    for (std::int32_t k = 0; k < count; ++k) {
        const PrayerBand::Column& column = band.columns[static_cast<std::size_t>(k)];
        const std::int32_t x = columnLeft(k), y = rowTop(k);
        if (column.next)
            surface.fillRoundRect({x + 2, y + 3, x + columnWidth - 2, y + kPrayerRowHeight - 3}, 8,
                                  palette.nextPrayerFill);
        surface.setTextColor(column.next       ? palette.nextPrayerName
                             : column.official ? palette.text
                                               : palette.unofficial);
        centred(column.name, x, columnWidth, y + 4);
    }
    surface.selectFont(FontId::companionFont);
    for (std::int32_t k = 0; k < count; ++k) {
        const PrayerBand::Column& column = band.columns[static_cast<std::size_t>(k)];
        surface.setTextColor(column.next ? palette.nextPrayerText : palette.text);
        centred(column.time, columnLeft(k), columnWidth, rowTop(k) + 19);
    }
    surface.setTextAlign(TextAlign::leftTop);
}

}  // namespace velmora
