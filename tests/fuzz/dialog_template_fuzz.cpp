// libFuzzer target: any bytes as a dialog template given the message font. Never a read past
// the bytes; a template it rewrites keeps its items on their DWORDs, and rewriting it again
// with the same font changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "data/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const std::vector<std::uint8_t> once = velmora::withDialogFont(bytes, u"Segoe UI", 9);
    if (once.empty()) return 0;
    if (once.size() % 4 != size % 4) std::abort();
    if (velmora::withDialogFont(once, u"Segoe UI", 9) != once) std::abort();
    return 0;
}
