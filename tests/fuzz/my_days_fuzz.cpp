// libFuzzer target: any bytes as my-days.ini, then an add, a change and a remove as My Days
// makes them. Each reads back as the days before with that one change, and every line the
// edit does not touch is still there, byte for byte and in its order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "occasions/my_days.h"

namespace {

using namespace velmora;

std::vector<MyDay> sorted(std::vector<MyDay> days) {
    std::sort(days.begin(), days.end(), [](const MyDay& a, const MyDay& b) {
        return std::tie(a.calendar, a.month, a.day, a.text, a.dayOff) <
               std::tie(b.calendar, b.month, b.day, b.text, b.dayOff);
    });
    return days;
}

// The file's lines with their endings, as the reader ends them (CR LF, CR or LF).
std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        end += end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : (end < text.size() ? 1 : 0);
        lines.emplace_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// Every line of before but `dropped` (an index, or none) stands in after in its order; the
// last may have gained an ending.
bool keptInOrder(const std::vector<std::string>& before, const std::vector<std::string>& after, std::size_t dropped) {
    std::size_t j = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i == dropped) continue;
        const std::string& line = before[i];
        const bool last = i + 1 == before.size();
        while (j < after.size() && !(after[j] == line || (last && after[j].starts_with(line)))) ++j;
        if (j == after.size()) return false;
        ++j;
    }
    return true;
}

// How many lines a piece of a file ends: CR LF, CR or LF each end one.
std::size_t endings(std::string_view piece) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (piece[i] == '\n' || (piece[i] == '\r' && (i + 1 == piece.size() || piece[i + 1] != '\n'))) ++count;
    }
    return count;
}

// after is before with one of its lines cut out, or put in place of by one line: all the
// other lines are as they were, byte for byte.
bool oneLineChanged(const std::vector<std::string>& before, std::string_view after) {
    std::string head;
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::string tail;
        for (std::size_t j = i + 1; j < before.size(); ++j) tail += before[j];
        if (after.size() >= head.size() + tail.size() && after.starts_with(head) && after.ends_with(tail) &&
            endings(after.substr(head.size(), after.size() - head.size() - tail.size())) <= 1)
            return true;
        head += before[i];
    }
    return false;
}

void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return 0;  // lines of bytes only
    const std::vector<MyDay> days = readMyDays(IniFile::parse(bytes));
    const std::vector<std::string> lines = linesOf(bytes);
    const std::uint8_t seed = size > 0 ? data[0] : 0;

    const MyDay added{kCalendars[seed % 3], 1 + seed % 12, 1 + seed % 28, u"added", (seed & 1) != 0};
    const EditedMyDays add = editMyDays(bytes, {std::nullopt, added});
    check(add.problem.empty());
    std::vector<MyDay> expected = days;
    expected.push_back(added);
    check(sorted(readMyDays(IniFile::parse(add.bytes))) == sorted(expected));
    if (!bytes.empty()) check(keptInOrder(lines, linesOf(add.bytes), lines.size()));

    if (days.empty()) return 0;
    MyDay changed = days.front();
    changed.text = u"changed";
    const EditedMyDays change = editMyDays(bytes, {days.front(), changed});
    check(change.problem.empty());
    expected = days;
    expected.front() = changed;
    check(sorted(readMyDays(IniFile::parse(change.bytes))) == sorted(expected));
    check(oneLineChanged(lines, change.bytes));

    const EditedMyDays remove = editMyDays(bytes, {days.front(), std::nullopt});
    check(remove.problem.empty());
    expected = days;
    expected.erase(expected.begin());
    check(sorted(readMyDays(IniFile::parse(remove.bytes))) == sorted(expected));
    check(oneLineChanged(lines, remove.bytes));
    return 0;
}
