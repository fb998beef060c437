// Files for tests: a temporary folder that cleans up after itself, and the repository's own.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "occasions/occasions.h"

namespace velmora {

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("velmora-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(path_ / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

  private:
    std::filesystem::path path_;
};

// A file of the source tree, and a shipped data file (calendar.ini, events.ini).
inline std::filesystem::path sourceFile(const std::string& relative) {
    return std::filesystem::path(VELMORA_SOURCE_DIR) / relative;
}
inline std::filesystem::path shippedFile(const std::string& name) { return sourceFile("resources/" + name); }

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// text with the first `from` replaced by `to`.
inline std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// calendar.ini or events.ini as shipped, parsed.
inline IniFile shippedIni(const std::string& name) { return IniFile::parse(readBytes(shippedFile(name))); }

// The shipped lunar table, as the conversions take it.
struct ShippedLunarTable {
    LunarTable table{shippedIni("calendar.ini")};
    HijriCalendar hijri{table, table.bounds()};
};
inline CalendarData shippedData() {
    return CalendarData::fromText(readBytes(shippedFile("calendar.ini")), readBytes(shippedFile("events.ini")));
}

}  // namespace velmora
