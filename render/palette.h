// The colours a paint draws in, one set a theme: light (the window's own look), dark, and
// high contrast, which takes the colours the user chose in Windows and nothing else.
#pragma once

#include <string_view>
#include <vector>

#include "render/surface.h"

namespace velmora {

enum class Theme { light, dark, highContrast };

struct Palette {
    Theme theme = Theme::light;
    Rgb window;                       // the window's background
    Rgb panel;                        // the rounded calendar panel and the band of times
    Rgb page;                         // a dialog's page, the occasions list
    Rgb text;                         // day numbers, words, today's frame, the link's underline
    Rgb holidayDay;                   // Fridays' and holidays' numbers in the grid (large type)
    Rgb holidayText;                  // a holiday's words and the link (small type)
    Rgb firstSlot;                    // the first companion's days and month
    Rgb secondSlot;                   // the second companion's
    Rgb secondName;                   // the lunar companion's second month in Jalali mode
    Rgb predictedFirst;               // a predicted lunar date in its first month ...
    Rgb predictedAfter;               // ... and after
    Rgb predictedMark;                // the word "predicted" in a Hijri month's header
    Rgb personal;                     // the user's own days: the cell's dot, the star's line
    Rgb nextPrayerFill;               // behind the next time of prayer
    Rgb nextPrayerText;               // the next time ...
    Rgb nextPrayerName;               // ... and its name
    Rgb unofficial;                   // the times not in the official tables
    bool underlinesHolidays = false;  // holidays marked by more than their colour

    friend constexpr bool operator==(const Palette&, const Palette&) = default;
};

// The window as it has always looked, its small coloured texts darkened as far as reading
// them on the panel asks.
inline constexpr Palette kLightPalette{
    .theme = Theme::light,
    .window = {243, 246, 247},
    .panel = {255, 255, 225},
    .page = {255, 255, 255},
    .text = {0, 0, 0},
    .holidayDay = {255, 0, 0},
    .holidayText = {200, 0, 0},
    .firstSlot = {13, 20, 158},
    .secondSlot = {0, 105, 96},
    .secondName = {73, 3, 11},
    .predictedFirst = {0, 128, 117},
    .predictedAfter = {112, 112, 112},
    .predictedMark = {105, 105, 105},
    .personal = {128, 0, 160},
    .nextPrayerFill = {214, 232, 250},
    .nextPrayerText = {13, 20, 158},
    .nextPrayerName = {0, 0, 0},
    .unofficial = {110, 110, 110},
};

// Windows' dark surfaces (#202020, #2B2B2B), light text, and each colour of the light theme
// lightened to read on them.
inline constexpr Palette kDarkPalette{
    .theme = Theme::dark,
    .window = {32, 32, 32},
    .panel = {43, 43, 43},
    .page = {38, 38, 38},
    .text = {235, 235, 235},
    .holidayDay = {255, 105, 105},
    .holidayText = {255, 120, 120},
    .firstSlot = {140, 175, 255},
    .secondSlot = {70, 205, 190},
    .secondName = {240, 150, 160},
    .predictedFirst = {95, 160, 150},
    .predictedAfter = {150, 150, 150},
    .predictedMark = {170, 170, 170},
    .personal = {205, 140, 255},
    .nextPrayerFill = {38, 58, 92},
    .nextPrayerText = {160, 195, 255},
    .nextPrayerName = {235, 235, 235},
    .unofficial = {165, 165, 165},
};

// The system colours high contrast draws with (GetSysColor).
struct SystemColors {
    Rgb window;         // COLOR_WINDOW
    Rgb windowText;     // COLOR_WINDOWTEXT
    Rgb highlight;      // COLOR_HIGHLIGHT
    Rgb highlightText;  // COLOR_HIGHLIGHTTEXT
    Rgb hotLight;       // COLOR_HOTLIGHT
    Rgb grayText;       // COLOR_GRAYTEXT
};

// Only the user's colours: text in the window text colour, holidays in the link colour and
// underlined, the next time of prayer highlighted, predicted dates in the grey text colour.
Palette highContrastPalette(const SystemColors& system);

// A pixel of a picture drawn for a light background, for a dark one: its lightness turned
// over (black to near white, white to the dark panel), its hue kept.
Rgb forDarkBackground(Rgb pixel);

// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrastRatio(Rgb first, Rgb second);

// Each pair of a text (or a mark) and what it is drawn on, and the ratio it must reach:
// 4.5 for text, 3 for the grid's large numbers and for marks.
struct ColourPair {
    std::string_view what;
    Rgb front;
    Rgb back;
    double least = 4.5;
};
std::vector<ColourPair> colourPairs(const Palette& palette);

}  // namespace velmora
