#include "decisions/reading_order.h"

#include <algorithm>

namespace velmora {
namespace {

// Balloons and Persian message boxes break their lines here, about a third of a small screen.
constexpr std::size_t kShortLine = 56;

// Whether the text holds a letter of a right-to-left script (Hebrew, Arabic and its
// presentation forms). A piece without one reads alike in either direction, and is left as
// it is: Wine draws the isolate's marks of a Latin-only piece as boxes.
bool hasRightToLeftLetter(std::u16string_view text) {
    for (const char16_t c : text)
        if ((c >= u'\u0590' && c <= u'\u08FF') || (c >= u'\uFB1D' && c <= u'\uFEFC')) return true;
    return false;
}

}  // namespace

std::u16string readingRightToLeft(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + 8);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(u"\n\t", start), text.size());
        const std::u16string_view piece = text.substr(start, end - start);
        if (hasRightToLeftLetter(piece)) {
            out += kRightToLeftIsolate;
            out += piece;
            out += kPopDirectionalIsolate;
        } else {
            out += piece;
        }
        if (end == text.size()) break;
        out += text[end];
        start = end + 1;
    }
    return out;
}

std::u16string inReadingOrder(std::u16string_view text, Language language) {
    return language == Language::persian ? readingRightToLeft(text) : std::u16string(text);
}

std::u16string brokenIntoLines(std::u16string_view text, std::size_t width) {
    std::u16string out;
    std::size_t lineLength = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const char16_t c = text[start];
        if (c == u'\n') {
            out += c;
            lineLength = 0;
            ++start;
            continue;
        }
        if (c == u' ') {
            ++start;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(u" \n", start), text.size());
        const std::size_t word = end - start;
        if (lineLength > 0 && lineLength + 1 + word > width) {
            out += u'\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            out += u' ';
            ++lineLength;
        }
        out += text.substr(start, word);
        lineLength += word;
        start = end;
    }
    return out;
}

std::u16string balloonText(std::u16string_view text, Language language) {
    return inReadingOrder(brokenIntoLines(text, kShortLine), language);
}

std::u16string messageText(std::u16string_view pattern, std::u16string_view insert, Language language) {
    const std::u16string text = withInsert(std::u16string(pattern), insert);
    return language == Language::persian ? readingRightToLeft(brokenIntoLines(text, kShortLine)) : text;
}

}  // namespace velmora
