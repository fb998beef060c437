// The month names of the combo boxes and the tray tooltip, indexed by month 1 to 12.
#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// Each Solar Hijri name ends with one blank, which belongs to it: the combo box items carry
// it and every comparison with a combo box's text includes it.
inline constexpr std::u16string_view jalaliMonthNames[13] = {
    u"",
    u"\u0641\u0631\u0648\u0631\u062F\u06CC\u0646 ",        // Farvardin
    u"\u0627\u0631\u062F\u06CC\u0628\u0647\u0634\u062A ",  // Ordibehesht
    u"\u062E\u0631\u062F\u0627\u062F ",                    // Khordad
    u"\u062A\u06CC\u0631 ",                                // Tir
    u"\u0645\u0631\u062F\u0627\u062F ",                    // Mordad
    u"\u0634\u0647\u0631\u06CC\u0648\u0631 ",              // Shahrivar
    u"\u0645\u0647\u0631 ",                                // Mehr
    u"\u0622\u0628\u0627\u0646 ",                          // Aban
    u"\u0622\u0630\u0631 ",                                // Azar
    u"\u062F\u06CC ",                                      // Dey
    u"\u0628\u0647\u0645\u0646 ",                          // Bahman
    u"\u0627\u0633\u0641\u0646\u062F ",                    // Esfand
};

inline constexpr std::u16string_view gregorianMonthNames[13] = {
    u"",     u"January", u"February",  u"March",   u"April",    u"May",     u"June",
    u"July", u"August",  u"September", u"October", u"November", u"December"};

inline constexpr std::u16string_view hijriMonthNames[13] = {
    u"",
    u"\u0645\u062D\u0631\u0645",                                             // Muharram
    u"\u0635\u0641\u0631",                                                   // Safar
    u"\u0631\u0628\u06CC\u0639 \u0627\u0644\u0627\u0648\u0644",              // Rabi al-Awwal
    u"\u0631\u0628\u06CC\u0639 \u0627\u0644\u062B\u0627\u0646\u06CC",        // Rabi al-Thani
    u"\u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u0627\u0648\u0644",        // Jumada al-Awwal
    u"\u062C\u0645\u0627\u062F\u06CC \u0627\u0644\u062B\u0627\u0646\u06CC",  // Jumada al-Thani
    u"\u0631\u062C\u0628",                                                   // Rajab
    u"\u0634\u0639\u0628\u0627\u0646",                                       // Shaban
    u"\u0631\u0645\u0636\u0627\u0646",                                       // Ramadan
    u"\u0634\u0648\u0627\u0644",                                             // Shawwal
    u"\u0630\u06CC\u0642\u0639\u062F\u0647",                                 // Dhu al-Qada, one word
    u"\u0630\u06CC \u0627\u0644\u062D\u062C\u0647",                          // Dhu al-Hijja, two words
};

}  // namespace velmora
