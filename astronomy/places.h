// The places Velmora reckons the times of prayer for: Iran's 31 provincial capitals at the
// coordinates the Institute of Geophysics prints in their tables, or a latitude and longitude of
// the user's.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astronomy/solar_day.h"

namespace velmora {

struct City {
    std::u16string_view persianName;
    std::string_view englishName;
    GeoPlace place;
};

extern const std::array<City, 31> kIranCapitals;

// The capital a typed name names: its English name in any case, or its Persian name with or
// without blanks and zero-width non-joiners, Arabic ي and ك for ی and ک; none for any other.
const City* findCity(std::u16string_view name);

// The capitals whose name in either script holds what is typed (the same way of comparing), in
// the table's order: every one for nothing typed.
std::vector<const City*> citiesMatching(std::u16string_view typed);

// The English names nearest to a mistyped one (by the letters to change), nearest first.
std::vector<std::string_view> nearestCityNames(std::u16string_view typed, std::size_t count);

}  // namespace velmora
