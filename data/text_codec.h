// The text encodings of the data files: UTF-8 and UTF-16, told apart by a byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Decodes a file's bytes to UTF-16 by its byte-order mark (UTF-8 when there is none); bytes
// that are not valid UTF-8 read as U+FFFD.
std::u16string decodeText(std::string_view bytes);

// Encodes UTF-16 as UTF-8 (unpaired surrogates become U+FFFD).
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace velmora
