// iCalendar (RFC 5545) text: escaped values and content lines folded at 75 octets.
#pragma once

#include <string>
#include <string_view>

namespace velmora::cli {

// A TEXT value: backslash, semicolon, comma and line breaks escaped; UTF-8.
std::string icsText(std::u16string_view text);
std::string icsText(std::string_view utf8);

// A short, stable name of a text for a UID: the same text gives the same name on every run.
std::string stableHash(std::u16string_view text);

struct IcsEvent {
    std::string uid;
    std::u16string summary;
    std::string category;
};

// Content lines, each ended by CRLF and folded so that no line is longer than 75 octets: a
// longer one continues on lines that begin with a blank, never splitting a UTF-8 character.
class IcsWriter {
  public:
    void line(std::string_view content);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace velmora::cli
