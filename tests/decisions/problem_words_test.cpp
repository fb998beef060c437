#include "decisions/problem_words.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "calendar/hijri_check.h"
#include "occasions/my_days.h"
#include "occasions/occasions_check.h"
#include "test_files.h"

namespace velmora {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// Every way of spoiling one of the first lines of a file: gone, twice, its value or key or
// section name replaced.
std::vector<std::string> spoiled(const std::string& file, std::size_t lines) {
    const std::vector<std::string> original = linesOf(file);
    std::vector<std::string> variants;
    for (std::size_t i = 0; i < std::min(lines, original.size()); ++i) {
        const std::string& line = original[i];
        auto with = [&](const std::string& replacement) {
            std::vector<std::string> copy = original;
            copy[i] = replacement;
            variants.push_back(joined(copy));
        };
        with("");
        with(line + "\n" + line);
        with("stray");
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            for (const std::string& value :
                 {std::string("x"), std::string("31"), std::string("2"), std::string("\x01 1"), std::string("text 2"),
                  std::string("text 1"), std::string("-5"), std::string(90, 'a')})
                with(line.substr(0, equals + 1) + value);
            with("zz" + line.substr(equals));
            with("40" + line.substr(equals));
        }
        if (line.starts_with("[")) with("[99]");
    }
    return variants;
}

// What stays Latin in a Persian sentence: the file's names, keys and values.
std::string withoutTheFilesWords(std::u16string text) {
    for (const std::u16string_view name :
         {u"calendar.ini", u"events.ini", u"my-days.ini", u"minYear", u"maxJulianday", u"minJulianday", u"endHijri",
          u"velmora-cli check", u"velmora-cli", u"key=value", u"UTF-16", u"22a/22b"}) {
        for (std::size_t at = text.find(name); at != std::u16string::npos; at = text.find(name))
            text.erase(at, name.size());
    }
    // A path, as the system names it.
    for (std::size_t at = text.find_first_of(u"\\/"); at != std::u16string::npos; at = text.find_first_of(u"\\/")) {
        const std::size_t start = text.rfind(u' ', at) == std::u16string::npos ? 0 : text.rfind(u' ', at) + 1;
        text.erase(start,
                   text.find(u' ', at) == std::u16string::npos ? std::u16string::npos : text.find(u' ', at) - start);
    }
    for (const auto& [open, close] : {std::pair{u'[', u']'}, std::pair{u'\u00AB', u'\u00BB'}}) {
        for (std::size_t at = text.find(open); at != std::u16string::npos; at = text.find(open, at)) {
            const std::size_t end = text.find(close, at);
            text.erase(at, end == std::u16string::npos ? std::u16string::npos : end - at + 1);
        }
    }
    return toUtf8(text);
}

bool hasEnglishWord(const std::string& text) {
    std::size_t run = 0;
    for (const char c : text) {
        run = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? run + 1 : 0;
        if (run >= 3) return true;
    }
    return false;
}

// Every problem the checks find in spoiled copies of the shipped files and of a my-days.ini,
// and every one a write can meet, reads in Persian in the Persian interface.
TEST(ProblemWords, EveryProblemTheWindowTellsIsInPersian) {
    std::set<std::string> said;
    const auto collect = [&](const char* file, const std::vector<FileProblem>& problems) {
        for (const FileProblem& problem : problems) said.insert(describeProblem(file, problem));
    };
    // The table's head and first years are enough to spoil; the rest would only take time.
    const std::vector<std::string> table = linesOf(readBytes(shippedFile("calendar.ini")));
    for (const std::string& spoilt : spoiled(joined({table.begin(), table.begin() + 400}), 60))
        collect("calendar.ini", checkHijriTable(IniFile::parse(spoilt), nullptr));
    collect("calendar.ini", checkHijriTable(IniFile::parse("[source]\n"), nullptr));
    for (const std::string& events : spoiled(readBytes(shippedFile("events.ini")), 40))
        collect("events.ini", checkOccasions(IniFile::parse(events), nullptr));
    collect("events.ini", checkOccasions(IniFile::parse("[112]\n1=New Year 1\n"), nullptr));
    std::vector<FileProblem> mine;
    readMyDays(IniFile::parse("[9]\n1=x 0\n[09]\n40=x 0\n2= 1\n3=Anniversary 2010\n"), &mine);
    collect("my-days.ini", mine);
    for (const char* write : {"cannot write C:\\Velmora\\calendar.ini.new; calendar.ini is unchanged",
                              "calendar.ini is read-only; calendar.ini is unchanged", "cannot read /x/my-days.ini",
                              "my-days.ini cannot be read now (is another program using it?); nothing was written",
                              "the day is no longer in my-days.ini (another program changed it); nothing was written"})
        said.insert(write);
    EXPECT_GT(said.size(), 40u);
    for (const std::string& problem : said) {
        const std::u16string persian = problemWords(problem, Language::persian);
        EXPECT_FALSE(hasEnglishWord(withoutTheFilesWords(persian))) << problem << "\n" << toUtf8(persian);
        EXPECT_EQ(problemWords(problem, Language::english), fromUtf8(problem));
    }
}

TEST(ProblemWords, TheFilesWordsStandAsWritten) {
    EXPECT_EQ(
        problemWords("calendar.ini:8: error: month 1 of 5 has \"10\" days (29 or 30 expected)", Language::persian),
        u"\u200Fcalendar.ini، سطر ۸: ماه ۱ سال ۵ «10» روز دارد (باید ۲۹ یا ۳۰ روز باشد)");
    EXPECT_EQ(problemWords("something new", Language::persian), u"\u200Fsomething new");
    EXPECT_EQ(problemWords("", Language::persian), u"");  // no problem: About says none
}

}  // namespace
}  // namespace velmora
