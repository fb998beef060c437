#include "astronomy/places.h"

#include <algorithm>
#include <numeric>

namespace velmora {

// As the Institute of Geophysics' 1405 tables print them (tools/data/iran-capitals.tsv).
// clang-format off
const std::array<City, 31> kIranCapitals = {{
    {u"\u0627\u0647\u0648\u0627\u0632", "Ahvaz", {31.33, 48.69}},  // اهواز
    {u"\u0627\u0631\u0627\u06A9", "Arak", {34.09, 49.69}},  // اراک
    {u"\u0627\u0631\u062F\u0628\u06CC\u0644", "Ardebil", {38.25, 48.30}},  // اردبیل
    {u"\u0628\u0646\u062F\u0631\u0639\u0628\u0627\u0633", "Bandar Abbas", {27.18, 56.28}},  // بندرعباس
    {u"\u0628\u06CC\u0631\u062C\u0646\u062F", "Birjand", {32.87, 59.22}},  // بیرجند
    {u"\u0628\u062C\u0646\u0648\u0631\u062F", "Bojnord", {37.47, 57.33}},  // بجنورد
    {u"\u0628\u0648\u0634\u0647\u0631", "Bushehr", {28.96, 50.84}},  // بوشهر
    {u"\u06AF\u0631\u06AF\u0627\u0646", "Gorgan", {36.84, 54.44}},  // گرگان
    {u"\u0647\u0645\u062F\u0627\u0646", "Hamedan", {34.80, 48.51}},  // همدان
    {u"\u0627\u06CC\u0644\u0627\u0645", "Ilam", {33.63, 46.42}},  // ایلام
    {u"\u0627\u0635\u0641\u0647\u0627\u0646", "Isfahan", {32.65, 51.67}},  // اصفهان
    {u"\u06A9\u0631\u062C", "Karaj", {35.83, 50.97}},  // کرج
    {u"\u06A9\u0631\u0645\u0627\u0646", "Kerman", {30.29, 57.07}},  // کرمان
    {u"\u06A9\u0631\u0645\u0627\u0646\u0634\u0627\u0647", "Kermanshah", {34.31, 47.06}},  // کرمانشاه
    {u"\u062E\u0631\u0645\u200C\u0622\u0628\u0627\u062F", "Khorramabad", {33.49, 48.36}},  // خرم‌آباد
    {u"\u0645\u0634\u0647\u062F", "Mashhad", {36.29, 59.62}},  // مشهد
    {u"\u0627\u0631\u0648\u0645\u06CC\u0647", "Urmia", {37.55, 45.08}},  // ارومیه
    {u"\u0642\u0632\u0648\u06CC\u0646", "Qazvin", {36.27, 50.00}},  // قزوین
    {u"\u0642\u0645", "Qom", {34.64, 50.88}},  // قم
    {u"\u0631\u0634\u062A", "Rasht", {37.28, 49.58}},  // رشت
    {u"\u0633\u0646\u0646\u062F\u062C", "Sanandaj", {35.31, 47.03}},  // سنندج
    {u"\u0633\u0627\u0631\u06CC", "Sari", {36.57, 53.06}},  // ساری
    {u"\u0633\u0645\u0646\u0627\u0646", "Semnan", {35.58, 53.39}},  // سمنان
    {u"\u0634\u0647\u0631\u06A9\u0631\u062F", "Shahrekord", {32.33, 50.86}},  // شهرکرد
    {u"\u0634\u06CC\u0631\u0627\u0632", "Shiraz", {29.61, 52.53}},  // شیراز
    {u"\u062A\u0628\u0631\u06CC\u0632", "Tabriz", {38.07, 46.29}},  // تبریز
    {u"\u062A\u0647\u0631\u0627\u0646", "Tehran", {35.70, 51.42}},  // تهران
    {u"\u06CC\u0627\u0633\u0648\u062C", "Yasuj", {30.67, 51.60}},  // یاسوج
    {u"\u06CC\u0632\u062F", "Yazd", {31.89, 54.36}},  // یزد
    {u"\u0632\u0627\u0647\u062F\u0627\u0646", "Zahedan", {29.50, 60.86}},  // زاهدان
    {u"\u0632\u0646\u062C\u0627\u0646", "Zanjan", {36.67, 48.48}},  // زنجان
}};
// clang-format on

namespace {

// A name as names are compared: lower-case Latin letters, Persian letters in their Persian
// forms, no blanks, hyphens or zero-width non-joiners.
std::u16string folded(std::u16string_view name) {
    std::u16string out;
    for (char16_t c : name) {
        if (c == u' ' || c == u'-' || c == u'\u200C' || c == u'\u00A0') continue;
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c == u'\u064A') c = u'\u06CC';  // Arabic yeh
        if (c == u'\u0643') c = u'\u06A9';  // Arabic kaf
        out += c;
    }
    return out;
}

std::u16string latin(std::string_view text) { return {text.begin(), text.end()}; }

std::size_t editDistance(std::u16string_view a, std::u16string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

const City* findCity(std::u16string_view name) {
    const std::u16string typed = folded(name);
    if (typed.empty()) return nullptr;
    for (const City& city : kIranCapitals)
        if (typed == folded(city.persianName) || typed == folded(latin(city.englishName))) return &city;
    return nullptr;
}

std::vector<const City*> citiesMatching(std::u16string_view typed) {
    const std::u16string part = folded(typed);
    std::vector<const City*> found;
    for (const City& city : kIranCapitals) {
        if (folded(city.persianName).find(part) != std::u16string::npos ||
            folded(latin(city.englishName)).find(part) != std::u16string::npos)
            found.push_back(&city);
    }
    return found;
}

std::vector<std::string_view> nearestCityNames(std::u16string_view typed, std::size_t count) {
    const std::u16string name = folded(typed);
    std::vector<std::pair<std::size_t, std::string_view>> ranked;
    for (const City& city : kIranCapitals) {
        const std::size_t distance =
            std::min(editDistance(name, folded(latin(city.englishName))), editDistance(name, folded(city.persianName)));
        ranked.emplace_back(distance, city.englishName);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < std::min(count, ranked.size()); ++i) names.push_back(ranked[i].second);
    return names;
}

}  // namespace velmora
