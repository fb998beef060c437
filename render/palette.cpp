#include "render/palette.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

}  // namespace

Palette highContrastPalette(const SystemColors& system) {
    return {
        .theme = Theme::highContrast,
        .window = system.window,
        .panel = system.window,
        .page = system.window,
        .text = system.windowText,
        .holidayDay = system.hotLight,
        .holidayText = system.hotLight,
        .firstSlot = system.windowText,
        .secondSlot = system.windowText,
        .secondName = system.windowText,
        .predictedFirst = system.grayText,
        .predictedAfter = system.grayText,
        .predictedMark = system.grayText,
        .personal = system.highlight,
        .nextPrayerFill = system.highlight,
        .nextPrayerText = system.highlightText,
        .nextPrayerName = system.highlightText,
        .unofficial = system.windowText,
        .underlinesHolidays = true,
    };
}

Rgb forDarkBackground(Rgb pixel) {
    // Lightness as the eye weighs it (0 to 255), turned over between the dark panel and the
    // dark theme's text; every channel moves by as much.
    const int lightness = (pixel.red * 2126 + pixel.green * 7152 + pixel.blue * 722) / 10000;
    const int panel = kDarkPalette.panel.green, text = kDarkPalette.text.green;
    const int wanted = text - (lightness * (text - panel)) / 255;
    const auto moved = [&](std::uint8_t channel) {
        return static_cast<std::uint8_t>(std::clamp(channel + wanted - lightness, 0, 255));
    };
    return {moved(pixel.red), moved(pixel.green), moved(pixel.blue)};
}

double contrastRatio(Rgb first, Rgb second) {
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::vector<ColourPair> colourPairs(const Palette& p) {
    return {
        {"day numbers on the panel", p.text, p.panel},
        {"holiday numbers on the panel", p.holidayDay, p.panel, 3.0},
        {"today's frame on the panel", p.text, p.panel, 3.0},
        {"first companion's days on the panel", p.firstSlot, p.panel},
        {"second companion's days on the panel", p.secondSlot, p.panel},
        {"first companion's month above the panel", p.firstSlot, p.window},
        {"second companion's month above the panel", p.secondSlot, p.window},
        {"the lunar second month above the panel", p.secondName, p.window},
        {"companion years above the panel", p.text, p.window},
        {"predicted dates, first month", p.predictedFirst, p.panel},
        {"predicted dates after", p.predictedAfter, p.panel},
        {"the word predicted", p.predictedMark, p.window},
        {"own day's dot on the panel", p.personal, p.panel, 3.0},
        {"holiday lines under the panel", p.text, p.window},
        {"the link", p.holidayText, p.window},
        {"times of prayer on the band", p.text, p.panel},
        {"unofficial times on the band", p.unofficial, p.panel},
        {"the next time of prayer", p.nextPrayerText, p.nextPrayerFill},
        {"the next time's name", p.nextPrayerName, p.nextPrayerFill},
        {"occasions on the page", p.text, p.page},
        {"a holiday's occasion on the page", p.holidayText, p.page},
        {"own days on the page", p.personal, p.page},
    };
}

}  // namespace velmora
