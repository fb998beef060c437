// An INI file on disk, watched for changes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "data/ini_file.h"

namespace velmora {

// One INI file on disk, parsed again only when it has changed (path, size or modification
// time). A missing or unreadable file reads as an empty one.
class IniSource {
  public:
    explicit IniSource(std::filesystem::path path = {});

    // Looks at the file and parses it again if it changed; true when it did.
    bool refresh();
    // The next refresh reads the file again, whatever its time and size.
    void forget() { loaded_ = false; }
    const IniFile& file() const { return *file_; }
    std::shared_ptr<const IniFile> shared() const { return file_; }
    const std::filesystem::path& path() const { return path_; }
    bool exists() const { return exists_; }
    // The file is there but could not be read at the last look (another program holds it):
    // what it held before stands until it can be.
    bool unreadable() const { return unreadable_; }
    // How many times the file has been parsed (a measure for tests and benchmarks).
    std::int32_t parseCount() const { return parseCount_; }

  private:
    std::filesystem::path path_;
    bool exists_ = false;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type modified_{};
    std::shared_ptr<const IniFile> file_;
    std::int32_t parseCount_ = 0;
    bool loaded_ = false;
    bool unreadable_ = false;
};

}  // namespace velmora
