// Persian text that reads in its order wherever Windows shows it. A place that lays its text
// out from the left (the notification area's tooltips and balloons, Wine's lists, buttons and
// message boxes) puts a line that starts with a number, ends with a full stop or holds a Latin
// word in the wrong order: "۹ دسامبر ۲۰۲۶" reads, from the right, month, year, day. Held in a
// right-to-left isolate, each line reads from the right there too, and a place that reads
// right to left anyway is not changed by it. (An embedding reads the same, but Wine's mirrored
// lists then measure a column short and cut its last letter.)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "decisions/language.h"

namespace velmora {

inline constexpr char16_t kRightToLeftIsolate = u'\u2067';
inline constexpr char16_t kPopDirectionalIsolate = u'\u2069';

// Each line (between "\n") and each column of a line (between tabs, which Windows draws one
// by one) that holds a Persian (or other right-to-left) letter, held in a right-to-left
// isolate; the others (a Latin name, a number alone) stay as they are.
std::u16string readingRightToLeft(std::u16string_view text);

// The same in Persian; English text as it is.
std::u16string inReadingOrder(std::u16string_view text, Language language);

// The text broken at blanks into lines of at most `width` characters (a longer word stands
// alone), its own line breaks kept: a balloon or a message box that would otherwise be one
// line as wide as the screen.
std::u16string brokenIntoLines(std::u16string_view text, std::size_t width);

// What a tray balloon shows: broken into lines (Wine draws a balloon's text as one line), and
// in Persian read right to left.
std::u16string balloonText(std::u16string_view text, Language language);

// What a message box shows: the pattern with its "%s" replaced by insert; in Persian broken
// into lines, each read right to left (Wine lays a message box's lines out from the left).
std::u16string messageText(std::u16string_view pattern, std::u16string_view insert, Language language);

}  // namespace velmora
