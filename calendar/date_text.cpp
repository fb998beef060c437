#include "calendar/date_text.h"

#include <array>
#include <vector>

#include "calendar/weekday_names.h"
#include "data/integer_text.h"

namespace velmora {
namespace {

constexpr char16_t zeroOf(Digits digits) {
    switch (digits) {
        case Digits::persian: return u'\u06F0';
        case Digits::arabicIndic: return u'\u0660';
        case Digits::ascii: break;
    }
    return u'0';
}

std::u16string latin(std::string_view text) { return {text.begin(), text.end()}; }

std::u16string twoDigits(std::int32_t value, Digits digits) {
    std::u16string text = numberText(value, digits);
    if (value >= 0 && value < 10) text.insert(text.begin(), zeroOf(digits));
    return text;
}

bool isSeparator(char16_t c) {
    return c == u'/' || c == u'-' || c == u'.' || c == u' ' || c == u'\u00A0' || c == u'\u2215' || c == u'\u200C' ||
           c == u',' || c == u'\u060C' || c == u'\t';
}

// Whether a typed word names the month: its Persian name (with or without blanks and
// zero-width non-joiners), its box name, or its Latin name in any case.
bool namesMonth(std::u16string_view word, const MonthName& name) {
    const auto squeezed = [](std::u16string_view text) {
        std::u16string out;
        for (char16_t c : text) {
            if (c == u' ' || c == u'\u200C') continue;
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
            out += c;
        }
        return out;
    };
    const std::u16string typed = squeezed(word);
    return !typed.empty() &&
           (typed == squeezed(name.header) || typed == squeezed(name.box) || typed == squeezed(latin(name.latin)));
}

}  // namespace

Digits calendarDigits(Calendar calendar) {
    switch (calendarRecord(calendar).zeroDigit) {
        case u'\u06F0': return Digits::persian;
        case u'\u0660': return Digits::arabicIndic;
        default: return Digits::ascii;
    }
}

DigitChoice digitChoiceOf(std::u16string_view stored) {
    if (stored == u"persian") return DigitChoice::persian;
    if (stored == u"latin") return DigitChoice::latin;
    return DigitChoice::asLanguage;
}

std::u16string_view storedDigits(DigitChoice choice) {
    switch (choice) {
        case DigitChoice::persian: return u"persian";
        case DigitChoice::latin: return u"latin";
        case DigitChoice::asLanguage: break;
    }
    return u"language";
}

DigitText calendarNumber(Calendar calendar, std::int32_t value, DigitChoice choice) {
    return formatDigits(value, zeroOf(chosenDigits(choice, calendarDigits(calendar))));
}

std::u16string numberText(std::int64_t value, Digits digits) {
    const std::string plain = std::to_string(value);
    std::u16string text;
    text.reserve(plain.size());
    for (const char c : plain) text += c == '-' ? u'-' : static_cast<char16_t>(zeroOf(digits) + (c - '0'));
    return text;
}

std::u16string monthWord(Calendar calendar, std::int32_t month, Language language) {
    const MonthName& name = monthName(calendar, month);
    return language == Language::persian ? std::u16string(name.header) : latin(name.latin);
}

std::u16string weekdayWord(DayNumber n, Language language) {
    const WeekdayNames& names = kWeekdayNames[static_cast<std::size_t>(weekdayColumn(n))];
    return language == Language::persian ? std::u16string(names.persian) : latin(names.english);
}

std::u16string dateText(Calendar calendar, const CivilDate& date, Language language, DateForm form) {
    return dateText(calendar, date, language, form, interfaceDigits(language));
}

std::u16string dateText(Calendar calendar, const CivilDate& date, Language language, DateForm form, Digits digits) {
    switch (form) {
        case DateForm::words:
            return numberText(date.day, digits) + u" " + monthWord(calendar, date.month, language) + u" " +
                   numberText(date.year, digits);
        case DateForm::monthOf: return monthWord(calendar, date.month, language) + u" " + numberText(date.year, digits);
        case DateForm::dayMonth: return numberText(date.day, digits) + u" " + monthWord(calendar, date.month, language);
        case DateForm::numeric:
            return numberText(date.year, digits) + u"/" + twoDigits(date.month, digits) + u"/" +
                   twoDigits(date.day, digits);
        case DateForm::iso: break;
    }
    return numberText(date.year, Digits::ascii) + u"-" + twoDigits(date.month, Digits::ascii) + u"-" +
           twoDigits(date.day, Digits::ascii);
}

std::optional<CivilDate> readDate(Calendar calendar, std::u16string_view text) {
    // The words between separators. A "-" at the start or after a blank, before a digit, is
    // a year's sign; between numbers it separates them.
    const auto isSign = [&](std::size_t at) {
        return text[at] == u'-' && at + 1 < text.size() && !isSeparator(text[at + 1]) &&
               (at == 0 || text[at - 1] == u' ' || text[at - 1] == u'\u00A0' || text[at - 1] == u'\t');
    };
    std::vector<std::u16string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text[i]) && !isSign(i)) ++i;
        const std::size_t start = i;
        if (i < text.size() && isSign(i)) ++i;
        while (i < text.size() && !isSeparator(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    const auto number = [](std::u16string_view word) -> std::optional<std::int32_t> {
        const IntegerScan scan = scanInteger(word, DigitScripts::any);
        if (scan.digits == 0 || scan.explicitPlus || scan.end != word.size() || scan.digits > 6) return std::nullopt;
        return static_cast<std::int32_t>(scan.value());
    };
    if (words.size() == 3) {  // year month day, all numbers
        const auto y = number(words[0]), m = number(words[1]), d = number(words[2]);
        if (y && m && d && *m >= 0 && *d >= 0) return CivilDate{*y, *m, *d};
    }
    // The day, the month's name (in one word or more: "Rabi al-Awwal", "جمادی الثانی"), the year.
    if (words.size() >= 3) {
        const auto d = number(words.front()), y = number(words.back());
        if (!d || !y || *d < 0) return std::nullopt;
        const std::u16string_view name(
            words[1].data(), static_cast<std::size_t>(words[words.size() - 2].data() + words[words.size() - 2].size() -
                                                      words[1].data()));
        for (std::int32_t m = 1; m <= 12; ++m) {
            if (namesMonth(name, monthName(calendar, m))) return CivilDate{*y, m, *d};
        }
    }
    return std::nullopt;
}

}  // namespace velmora
