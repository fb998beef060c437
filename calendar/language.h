// The language of the interface: Persian or English.
#pragma once

namespace velmora {

enum class Language { english, persian };

}  // namespace velmora
