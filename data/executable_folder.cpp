#include "data/executable_folder.h"

#include <vector>

namespace velmora {

std::u16string readWholePath(const std::function<std::size_t(char16_t* buffer, std::size_t size)>& read) {
    std::vector<char16_t> buffer(260);
    for (;;) {
        const std::size_t length = read(buffer.data(), buffer.size());
        if (length == 0) return {};
        if (length < buffer.size()) return std::u16string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace velmora
