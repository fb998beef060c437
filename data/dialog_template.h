// A dialog template (DLGTEMPLATEEX) as a resource holds it, with another font: the dialogs
// take the system's message font, whatever face they were designed in.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// The template with `face` at `points` in place of its font, every item as it was; empty when
// the bytes are not an extended template that names a font.
std::vector<std::uint8_t> withDialogFont(std::span<const std::uint8_t> dialog, std::u16string_view face,
                                         std::uint16_t points);

}  // namespace velmora
