// The visual order of text as GNU FriBidi (Debian's `fribidi`) lays it out: an independent
// reading of the Unicode Bidirectional Algorithm, against which the program's texts are held.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "data/text_codec.h"
#include "test_files.h"

namespace velmora {

enum class BaseDirection { leftToRight, rightToLeft };

// A line as laid out: for each visual position from the left, the logical index shown there,
// and each logical character's embedding level (even: laid out left to right).
struct VisualLine {
    std::u16string text;
    std::vector<int> shownAt;
    std::vector<int> levels;

    // The visual positions of the logical characters [from, from + length).
    std::pair<int, int> span(std::size_t from, std::size_t length) const {
        int left = static_cast<int>(shownAt.size()), right = -1;
        for (int v = 0; v < static_cast<int>(shownAt.size()); ++v) {
            const auto logical = static_cast<std::size_t>(shownAt[static_cast<std::size_t>(v)]);
            if (logical >= from && logical < from + length) {
                left = std::min(left, v);
                right = std::max(right, v);
            }
        }
        return {left, right};
    }
};

// Each line laid out by `fribidi` with the base direction of the place it is shown in. The
// lines hold no line breaks: a paragraph each.
inline std::vector<VisualLine> laidOut(const std::vector<std::u16string>& lines, BaseDirection base) {
    TempFolder folder;
    std::string input;
    for (const std::u16string& line : lines) input += toUtf8(line) + "\n";
    folder.write("lines.txt", input);
    const std::string command = std::string("fribidi --nobreak --novisual --vtol --levels ") +
                                (base == BaseDirection::rightToLeft ? "--rtl " : "--ltr ") + "'" +
                                (folder.path() / "lines.txt").string() + "'";
    std::vector<VisualLine> result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    std::string output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    pclose(pipe);
    std::istringstream rows(output);
    const auto numbers = [](const std::string& row) {
        std::vector<int> values;
        std::istringstream in(row);
        for (int value; in >> value;) values.push_back(value);
        return values;
    };
    std::string order, levels;
    for (std::size_t i = 0; i < lines.size() && std::getline(rows, order) && std::getline(rows, levels); ++i)
        result.push_back({lines[i], numbers(order), numbers(levels)});
    return result;
}

// Characters that take no place of their own: blanks, tabs and the marks of direction and
// joining.
inline bool isShown(char16_t c) {
    const bool format =
        (c >= u'\u200C' && c <= u'\u200F') || (c >= u'\u202A' && c <= u'\u202E') || (c >= u'\u2066' && c <= u'\u2069');
    return !format && c != u' ' && c != u'\t';
}

// A line reads from the right: each character that reads right to left, and each run that
// reads left to right as a whole (a number, a Latin name), stands wholly left of the one
// before it, so that the sentence starts at the right and its full stop or colon ends it at
// the left; and each of `pieces`, found in the line in this order, stands left of the one
// before it (a date's day, month and year).
inline ::testing::AssertionResult readsFromTheRight(const VisualLine& line,
                                                    const std::vector<std::u16string_view>& pieces = {}) {
    const auto failure = [&](const std::string& what) {
        return ::testing::AssertionFailure() << what << " in \"" << toUtf8(line.text) << "\"";
    };
    const std::size_t n = line.text.size();
    if (line.shownAt.size() != n || line.levels.size() != n) return failure("fribidi gave no order");
    int previousLeft = static_cast<int>(n);
    for (std::size_t i = 0; i < n;) {
        if (!isShown(line.text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        if (line.levels[i] % 2 == 0) {  // the whole left-to-right run, blanks inside it too
            while (end < n && line.levels[end] % 2 == 0) ++end;
            while (end > i + 1 && !isShown(line.text[end - 1])) --end;
        }
        // A letter's marks (a hamza above, a vowel sign) go with it.
        while (end < n && ((line.text[end] >= u'\u064B' && line.text[end] <= u'\u065F') || line.text[end] == u'\u0670'))
            ++end;
        const auto [left, right] = line.span(i, end - i);
        if (right >= previousLeft)
            return failure("\"" + toUtf8(line.text.substr(i, end - i)) + "\" is not left of what comes before it");
        previousLeft = left;
        i = end;
    }
    std::size_t from = 0;
    previousLeft = static_cast<int>(n);
    for (const std::u16string_view piece : pieces) {
        const std::size_t at = line.text.find(piece, from);
        if (at == std::u16string::npos) return failure("\"" + toUtf8(piece) + "\" is missing");
        const auto [l, r] = line.span(at, piece.size());
        if (r >= previousLeft) return failure("\"" + toUtf8(piece) + "\" is not left of what comes before it");
        previousLeft = l;
        from = at + piece.size();
    }
    return ::testing::AssertionSuccess();
}

// The lines of a text (between "\n"), and the columns of a list row (between tabs).
inline std::vector<std::u16string> piecesOf(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        pieces.emplace_back(
            text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
        if (end == std::u16string_view::npos) return pieces;
        start = end + 1;
    }
}

}  // namespace velmora
