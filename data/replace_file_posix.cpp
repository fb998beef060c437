// Writing and swapping files on POSIX: fsync, and rename, which replaces in one step.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "data/replace_file.h"

namespace velmora {

bool writeFlushed(const std::filesystem::path& path, std::string_view bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file < 0) return false;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(file, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const bool flushed = written == bytes.size() && ::fsync(file) == 0;
    return ::close(file) == 0 && flushed;
}

std::string swapIn(const std::filesystem::path& path, const std::filesystem::path& replacement,
                   const std::filesystem::path& backup, std::string_view current) {
    // The current file gets a second name first, which becomes the backup only once the new
    // file stands in its place: a failure leaves the older backup.
    std::filesystem::path held = backup;
    held += ".new";
    ::unlink(held.c_str());
    if (::link(path.c_str(), held.c_str()) != 0 && !writeFlushed(held, current)) {
        ::unlink(held.c_str());
        return "cannot keep the previous table as " + backup.string() + ": " + std::strerror(errno);
    }
    if (::rename(replacement.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(held.c_str());
        return "cannot replace " + path.string() + ": " + reason;
    }
    ::rename(held.c_str(), backup.c_str());
    return {};
}

}  // namespace velmora
