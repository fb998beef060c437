#include "decisions/problem_words.h"

#include <optional>
#include <vector>

#include "calendar/date_text.h"
#include "data/text_codec.h"

namespace velmora {
namespace {

// An English sentence with its variable parts as {} (or {m} for a part that is a problem
// itself, said in turn), and the Persian one with the parts as {1}, {2}... in their order.
struct Sentence {
    std::string_view english;
    std::u16string_view persian;
};

// The longer of two sentences that begin alike stands first.
// clang-format off
constexpr Sentence kSentences[] = {
    // How check names the place: FILE:LINE: error: PROBLEM.
    {"{}:{}: error: {m}", u"{1}، سطر {2}: {3}"},
    {"{}:{}: note: {m}", u"{1}، سطر {2} (یادداشت): {3}"},
    {"{}: error: {m}", u"{1}: {2}"},
    {"{}: note: {m}", u"{1} (یادداشت): {2}"},
    // The shape of any INI file.
    {"a line that is neither a section, a key=value pair nor a comment", u"سطری که نه بخش است، نه key=value و نه یادداشت"},
    {"a second section [{}] (the first, at line {}, is the one read)", u"بخش دوم [{1}] (اولی، در سطر {2}، خوانده می‌شود)"},
    {"unknown section [{}] (a calendar digit 0-2 and a month 1-12, or 22a/22b)", u"بخش ناشناختهٔ [{1}] (رقم تقویم ۰ تا ۲ و ماه ۱ تا ۱۲، یا 22a/22b)"},
    {"unknown section [{}]", u"بخش ناشناختهٔ [{1}]"},
    {"[value] has no year totals", u"بخش [value] جمع سال‌ها را ندارد"},
    {"[value] has no {}", u"بخش [value] کلید {1} را ندارد"},
    {"{} is not a number: \"{}\"", u"{1} عدد نیست: «{2}»"},
    // calendar.ini
    {"no [value] section: the table has no bounds", u"بخش [value] نیست: جدول مرز ندارد"},
    {"\"{}\" is given twice in [{}]; the first, at line {}, is read", u"«{1}» دو بار در [{2}] آمده است؛ اولی، در سطر {3}، خوانده می‌شود"},
    {"the table covers the day numbers {} to {}, beyond the supported span {} to {} (Gregorian -4379-01-01 to 3621-12-31)", u"جدول روزهای {1} تا {2} را دارد، بیرون از بازهٔ {3} تا {4} (میلادی ۴۳۷۹- تا ۳۶۲۱)"},
    {"unknown key \"{}\" in [value]", u"کلید ناشناختهٔ «{1}» در [value]"},
    {"the total of {} is not a number", u"جمع سال {1} عدد نیست"},
    {"the total of {} is {}; the total before it and the year's {} days make {}", u"جمع سال {1}، {2} است؛ جمع پیش از آن و {3} روز این سال {4} می‌شود"},
    {"a second total for {}", u"جمع دومی برای سال {1}"},
    {"the total before minYear must be 0", u"جمع پیش از minYear باید ۰ باشد"},
    {"no total for {}, though maxJulianday lies beyond it", u"سال {1} جمعی ندارد، هرچند maxJulianday پس از آن است"},
    {"no section [{}] with its month lengths", u"بخش [{1}] با طول ماه‌هایش نیست"},
    {"maxJulianday - minJulianday is {} days, but the year totals reach {}", u"maxJulianday - minJulianday برابر {1} روز است، اما جمع سال‌ها به {2} می‌رسد"},
    {"[{}] has an unknown key \"{}\"", u"بخش [{1}] کلید ناشناختهٔ «{2}» دارد"},
    {"month {} of {} is given twice", u"ماه {1} سال {2} دو بار آمده است"},
    {"month {} of {} has \"{}\" days (29 or 30 expected)", u"ماه {1} سال {2} «{3}» روز دارد (باید ۲۹ یا ۳۰ روز باشد)"},
    {"month {} of {} is missing", u"ماه {1} سال {2} نیامده است"},
    {"year {} has 353 days, as its sources give it", u"سال {1} چنان‌که منابعش می‌گویند ۳۵۳ روز دارد"},
    {"year {} has 356 days, as announced months can make it", u"سال {1} ۳۵۶ روز دارد، چنان‌که ماه‌های اعلام‌شده می‌توانند"},
    {"year {} has {} days", u"سال {1}، {2} روز دارد"},
    {"endHijri {} lies outside the table", u"endHijri {1} بیرون از جدول است"},
    {"endHijri lies in the Gregorian year of maxJulianday, which Hijri mode never shows", u"endHijri در سال میلادی maxJulianday است، که نمای قمری هرگز نشان نمی‌دهد"},
    {"calendar.ini fails its check (velmora-cli check shows why): {m}", u"calendar.ini درست نیست (velmora-cli check دلیلش را می‌گوید): {1}"},
    // events.ini
    {"the value has {} characters; it would be cut at {} and lose its flag", u"مقدار {1} نویسه دارد؛ در {2} بریده می‌شود و نشان تعطیلی‌اش از دست می‌رود"},
    {"the value is too short for a separator and a flag", u"مقدار برای یک فاصله و نشان تعطیلی کوتاه است"},
    {"the value holds a control character (U+00{}), which would break the columns of velmora-cli", u"مقدار یک نویسهٔ کنترلی دارد (U+00{1}) که ستون‌های velmora-cli را به هم می‌زند"},
    {"the value does not end in a holiday flag (a digit)", u"مقدار به نشان تعطیلی (یک رقم) ختم نمی‌شود"},
    {"[{}] has no day \"{}\" (1 to {})", u"بخش [{1}] روز «{2}» ندارد (۱ تا {3})"},
    {"day {} of [{}] is given twice; the first is read", u"روز {1} در [{2}] دو بار آمده است؛ اولی خوانده می‌شود"},
    {"flag {} marks no holiday (only 1 does)", u"نشان {1} تعطیلی نیست (تنها ۱ هست)"},
    {"a Gregorian occasion never makes a holiday; its flag is not read", u"مناسبت میلادی هرگز تعطیل نیست؛ نشانش خوانده نمی‌شود"},
    // my-days.ini
    {"[{}] is not a month (01 to 012, 11 to 112 or 21 to 212)", u"بخش [{1}] ماه نیست (01 تا 012، 11 تا 112 یا 21 تا 212)"},
    {"\"{}\" is not a day of [{}]", u"«{1}» روزی از [{2}] نیست"},
    {"\"{}\" has no text", u"«{1}» متنی ندارد"},
    {"\"{}\" ends in no blank and 0 or 1: it is all text, not a day off", u"«{1}» به یک فاصله و ۰ یا ۱ ختم نمی‌شود: همه‌اش متن است، نه روز تعطیل"},
    {"my-days.ini cannot be read now (is another program using it?); nothing was written", u"اکنون my-days.ini خوانده نمی‌شود (شاید برنامهٔ دیگری آن را باز کرده است)؛ چیزی نوشته نشد"},
    {"the day is no longer in my-days.ini (another program changed it); nothing was written", u"این روز دیگر در my-days.ini نیست (برنامهٔ دیگری آن را تغییر داده است)؛ چیزی نوشته نشد"},
    {"my-days.ini ends in half a UTF-16 character; nothing was written", u"my-days.ini با نیمی از یک نویسهٔ UTF-16 تمام می‌شود؛ چیزی نوشته نشد"},
    // Writing a file.
    {"{} is read-only; {} is unchanged", u"{1} فقط‌خواندنی است؛ {2} تغییری نکرد"},
    {"cannot write {}; {} is unchanged", u"{1} نوشته نمی‌شود؛ {2} تغییری نکرد"},
    {"{m}; {} is unchanged", u"{1}؛ {2} تغییری نکرد"},
    {"{} is not a file; nothing was changed", u"{1} فایل نیست؛ چیزی تغییر نکرد"},
    {"{m}; nothing was changed", u"{1}؛ چیزی تغییر نکرد"},
    {"stopped after writing {}", u"پس از نوشتن {1} کار ناتمام ماند"},
    {"cannot read {}", u"{1} خوانده نمی‌شود"},
    {"cannot write {}", u"{1} نوشته نمی‌شود"},
    {"cannot keep the previous table as {}: {}", u"جدول پیشین را نمی‌توان با نام {1} نگه داشت: {2}"},
    {"cannot replace {}: {}", u"{1} جایگزین نمی‌شود: {2}"},
};
// clang-format on

// The parts of text where it reads as the sentence, or nothing. A part takes as little as
// lets the rest match.
std::optional<std::vector<std::string_view>> partsOf(std::string_view pattern, std::string_view text) {
    std::vector<std::string_view> parts;
    while (!pattern.empty()) {
        const std::size_t hole = pattern.find('{');
        if (hole != 0) {  // a literal run
            const std::string_view literal = pattern.substr(0, hole);
            if (!text.starts_with(literal)) return std::nullopt;
            text.remove_prefix(literal.size());
            pattern.remove_prefix(literal.size());
            continue;
        }
        const std::size_t close = pattern.find('}');
        pattern.remove_prefix(close + 1);
        const std::size_t next = pattern.find('{');
        const std::string_view following = pattern.substr(0, next);
        if (following.empty()) {  // the last part takes the rest
            parts.push_back(text);
            text = {};
            continue;
        }
        const std::size_t at = text.find(following);
        if (at == std::string_view::npos) return std::nullopt;
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at);
    }
    if (!text.empty()) return std::nullopt;
    return parts;
}

// A part in Persian: a number in Persian digits; a file's name, key or value as it stands (a
// quoted value always, whatever it holds).
std::u16string persianPart(std::string_view part, bool quoted) {
    const bool number = !quoted && !part.empty() && part.find_first_not_of("-0123456789") == std::string_view::npos &&
                        part.find_first_of("0123456789") != std::string_view::npos;
    if (!number) return fromUtf8(part);
    std::u16string text;
    for (const char c : part) text += c == '-' ? u'-' : static_cast<char16_t>(u'\u06F0' + (c - '0'));
    return text;
}

std::u16string persianWords(std::string_view problem, int depth) {
    if (depth < 3) {
        for (const Sentence& sentence : kSentences) {
            const auto parts = partsOf(sentence.english, problem);
            if (!parts) continue;
            // Which parts are problems in turn, and which are quoted values, in their order.
            std::vector<bool> nested;
            std::vector<bool> quoted;
            for (std::size_t at = sentence.english.find('{'); at != std::string_view::npos;
                 at = sentence.english.find('{', at + 1)) {
                nested.push_back(sentence.english.substr(at, 3) == "{m}");
                quoted.push_back(at > 0 && sentence.english[at - 1] == '"');
            }
            std::u16string text;
            const std::u16string_view persian = sentence.persian;
            for (std::size_t i = 0; i < persian.size(); ++i) {
                if (persian[i] == u'{' && i + 2 < persian.size() && persian[i + 2] == u'}') {
                    const auto n = static_cast<std::size_t>(persian[i + 1] - u'1');
                    if (n < parts->size())
                        text += nested[n] ? persianWords((*parts)[n], depth + 1) : persianPart((*parts)[n], quoted[n]);
                    i += 2;
                } else {
                    text += persian[i];
                }
            }
            return text;
        }
    }
    return fromUtf8(problem);
}

}  // namespace

std::u16string problemWords(std::string_view problem, Language language) {
    if (language != Language::persian || problem.empty()) return fromUtf8(problem);
    // A right-to-left mark first: most problems begin with a file's Latin name, which would
    // make the paragraph read left to right.
    return u"\u200F" + persianWords(problem, 0);
}

}  // namespace velmora
