#include "data/dialog_template.h"

#include <cstring>

namespace velmora {
namespace {

constexpr std::size_t kHeaderSize = 26;  // dlgVer to cy
constexpr std::size_t kStyleAt = 12;
constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT (DS_SHELLFONT holds it too)

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// The offset after a menu, class or title field (none, an ordinal, or a string), or 0 past the end.
std::size_t skipNameOrOrdinal(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 2 > bytes.size()) return 0;
    if (wordAt(bytes, at) == 0xFFFF) return at + 4 <= bytes.size() ? at + 4 : 0;
    while (at + 2 <= bytes.size()) {
        const std::uint16_t unit = wordAt(bytes, at);
        at += 2;
        if (unit == 0) return at;
    }
    return 0;
}

}  // namespace

std::vector<std::uint8_t> withDialogFont(std::span<const std::uint8_t> dialog, std::u16string_view face,
                                         std::uint16_t points) {
    if (dialog.size() < kHeaderSize || wordAt(dialog, 0) != 1 || wordAt(dialog, 2) != 0xFFFF) return {};
    std::uint32_t style = 0;
    std::memcpy(&style, dialog.data() + kStyleAt, sizeof style);
    if ((style & kSetFont) == 0) return {};
    std::size_t at = kHeaderSize;
    for (int field = 0; field < 3 && at != 0; ++field) at = skipNameOrOrdinal(dialog, at);  // menu, class, title
    // The font: point size, weight, italic, character set, then the face.
    if (at == 0 || at + 6 > dialog.size()) return {};
    const std::size_t fontAt = at;
    const std::size_t faceEnd = skipNameOrOrdinal(dialog, fontAt + 6);
    if (faceEnd == 0) return {};
    const std::size_t itemsAt = (faceEnd + 3) & ~std::size_t{3};  // the first item on a DWORD
    if (itemsAt > dialog.size()) return {};

    std::vector<std::uint8_t> out(dialog.begin(), dialog.begin() + static_cast<std::ptrdiff_t>(fontAt) + 6);
    out[fontAt] = static_cast<std::uint8_t>(points & 0xFF);
    out[fontAt + 1] = static_cast<std::uint8_t>(points >> 8);
    for (const char16_t unit : face) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    out.insert(out.end(), {0, 0});
    out.resize((out.size() + 3) & ~std::size_t{3}, 0);
    // Each item is aligned from the template's start, so a shift by whole DWORDs keeps them so.
    out.insert(out.end(), dialog.begin() + static_cast<std::ptrdiff_t>(itemsAt), dialog.end());
    return out;
}

}  // namespace velmora
