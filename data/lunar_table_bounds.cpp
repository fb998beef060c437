#include "data/lunar_table_bounds.h"

namespace velmora {

bool isBoundKey(std::u16string_view key) {
    for (const std::u16string_view bound : kBoundKeys) {
        if (sameName(key, bound)) return true;
    }
    return false;
}

bool readHijriBounds(const IniFile& ini, HijriBounds& bounds, ProblemList* problems) {
    const IniFile::Section* values = ini.findSection(u"value");
    std::int32_t* const fields[] = {&bounds.minJulianday, &bounds.maxJulianday, &bounds.minYear, &bounds.endHijri};
    bool sound = values != nullptr;
    for (std::size_t i = 0; i < std::size(kBoundKeys); ++i) {
        const IniFile::Entry* entry = values != nullptr ? values->find(kBoundKeys[i]) : nullptr;
        *fields[i] = entry != nullptr ? profileIntValue(entry->value, 0) : 0;
        if (problems == nullptr || values == nullptr) continue;
        const std::string key = toUtf8(kBoundKeys[i]);
        if (entry == nullptr) {
            problems->error(values->line, "[value] has no " + key);
            sound = false;
        } else if (!isPlainInteger(entry->value)) {
            problems->error(entry->line, key + " is not a number: \"" + toUtf8(entry->value) + "\"");
            sound = false;
        }
    }
    return sound;
}

}  // namespace velmora
