#include "data/ini_source.h"

#include <system_error>

#include "data/replace_file.h"

namespace velmora {

IniSource::IniSource(std::filesystem::path path) : path_(std::move(path)), file_(std::make_shared<IniFile>()) {}

bool IniSource::refresh() {
    // Two looks at the file, the fewest that tell a change: every paint asks. A size is only
    // had of a regular file, so a folder of the name counts as no file.
    std::error_code error;
    std::filesystem::file_time_type modified{};
    std::uintmax_t size = 0;
    bool exists = false;
    if (!path_.empty()) {
        modified = std::filesystem::last_write_time(path_, error);
        if (!error) size = std::filesystem::file_size(path_, error);
        exists = !error;
    }
    if (!exists) {
        modified = {};
        size = 0;
    }
    if (loaded_ && exists == exists_ && size == size_ && modified == modified_) return false;

    std::string bytes;
    if (exists) {
        auto read = readWholeFile(path_);
        if (!read || read->size() != size) {
            // Held by another program (a backup, an antivirus, a sync tool), or changed while
            // read: what was read before stands, and the next look tries again.
            unreadable_ = true;
            return false;
        }
        bytes = std::move(*read);
    }
    unreadable_ = false;
    loaded_ = true;
    exists_ = exists;
    size_ = size;
    modified_ = modified;
    file_ = std::make_shared<const IniFile>(IniFile::parse(bytes));
    ++parseCount_;
    return true;
}

}  // namespace velmora
