#include "calendar/lunar_source.h"

#include <algorithm>

#include "data/integer_text.h"
#include "data/text_codec.h"

namespace velmora {

std::optional<std::int64_t> lunarMonthIndex(std::u16string_view text) {
    const std::size_t slash = text.find(u'/');
    if (slash == std::u16string_view::npos) return std::nullopt;
    const auto year = decimalNameValue(text.substr(0, slash));
    const auto month = decimalNameValue(text.substr(slash + 1));
    if (!year || !month || *month < 1 || *month > 12) return std::nullopt;
    return lunarMonthIndex(*year, *month);
}

std::u16string correctionKey(std::int32_t year, std::int32_t month) {
    return fromUtf8("correction " + std::to_string(year) + "/" + std::to_string(month));
}

// Whether month index m lies in a range "1448/1-1448/9" of [source].
bool inLunarSourceRange(const IniFile& ini, std::u16string_view key, std::int64_t m) {
    const auto range = ini.find(u"source", key);
    if (!range) return false;
    const std::size_t dash = range->find(u'-');
    if (dash == std::u16string_view::npos) return false;
    const auto first = lunarMonthIndex(range->substr(0, dash));
    const auto last = lunarMonthIndex(range->substr(dash + 1));
    return first && last && *first <= m && m <= *last;
}

const char* monthSourceName(MonthSource source) {
    switch (source) {
        case MonthSource::official: return "official";
        case MonthSource::published: return "published";
        case MonthSource::predicted: return "predicted";
        case MonthSource::corrected: break;
    }
    return "corrected";
}

MonthSource lunarMonthSource(const IniFile& ini, std::int32_t year, std::int32_t month) {
    return readLunarTableSource(ini).source(year, month);
}

bool LunarTableSource::predicted(std::int32_t year, std::int32_t month) const {
    const std::int64_t m = lunarMonthIndex(year, month);
    return firstPredicted && m >= *firstPredicted && !std::binary_search(corrected.begin(), corrected.end(), m);
}

MonthSource LunarTableSource::source(std::int32_t year, std::int32_t month) const {
    const std::int64_t m = lunarMonthIndex(year, month);
    if (std::binary_search(corrected.begin(), corrected.end(), m)) return MonthSource::corrected;
    if (firstPredicted && m >= *firstPredicted) return MonthSource::predicted;
    if (firstPublished <= m && m <= lastPublished) return MonthSource::published;
    return MonthSource::official;
}

LunarTableSource readLunarTableSource(const IniFile& ini) {
    LunarTableSource source;
    if (const auto range = ini.find(u"source", u"publishedMonths")) {
        const std::size_t dash = range->find(u'-');
        const auto first = lunarMonthIndex(range->substr(0, dash));
        const auto last = dash == std::u16string::npos ? std::nullopt : lunarMonthIndex(range->substr(dash + 1));
        if (first && last) {
            source.firstPublished = *first;
            source.lastPublished = *last;
        }
    }
    source.firstPredicted = lunarMonthIndex(ini.find(u"source", u"firstPredictedMonth").value_or(u""));
    source.made = toUtf8(ini.find(u"source", u"made").value_or(u""));
    source.edition = std::max(0, readProfileInt(ini, u"source", u"edition", 0));
    source.eventsYear = std::max(0, readProfileInt(ini, u"source", u"eventsYear", 0));
    if (const IniFile::Section* section = ini.findSection(u"source")) {
        for (const IniFile::Entry& entry : section->entries) {
            const std::u16string_view key = entry.key;
            if (!key.starts_with(u"correction ")) continue;
            if (const auto m = lunarMonthIndex(key.substr(11))) source.corrected.push_back(*m);
        }
    }
    std::sort(source.corrected.begin(), source.corrected.end());
    return source;
}

}  // namespace velmora
