// Whether the calendar's data has fallen behind today, and what About says of its edition.
// Pure functions of the data and the date.
#pragma once

#include <string>
#include <string_view>

#include "decisions/language.h"
#include "occasions/occasions.h"

namespace velmora {

// Today is past the last month the lunar table holds as official or published (the months
// from there on are predictions, corrections or not), or past the Solar Hijri year whose
// official calendar events.ini follows.
struct DataAge {
    bool lunarAhead = false;
    bool eventsBehind = false;
    std::u16string key;  // what is out of date ("1448/10 1405"), to say it once; empty when nothing is

    bool outOfDate() const { return lunarAhead || eventsBehind; }
};
DataAge dataAge(const CalendarData& data, const CivilDate& today);

// The sentences that say so, from their patterns: the lunar one's "%s" the first predicted
// month, the events one's the year; then how to update. Empty when nothing is out of date.
struct OutOfDatePatterns {
    std::u16string_view lunar;
    std::u16string_view events;
    std::u16string_view how;
};
std::u16string outOfDateWords(const DataAge& age, const CalendarData& data, Language language,
                              const OutOfDatePatterns& patterns);

// "Calendar data: edition 2 of 1 March 2027." from its pattern, in the interface's digits and
// calendar; empty for a table that does not name both.
std::u16string editionWords(const CalendarData& data, Language language, std::u16string_view pattern);

}  // namespace velmora
