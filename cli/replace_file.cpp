#include "cli/replace_file.h"

#include <fstream>
#include <system_error>

namespace velmora::cli {

std::string replaceFileKeepingBackup(const std::filesystem::path& path, std::string_view bytes,
                                     const std::function<bool()>& afterTemporary) {
    std::filesystem::path temporary = path;
    temporary += ".new";
    std::filesystem::path backup = path;
    backup += ".bak";
    const auto fail = [&](const std::string& what) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return what + "; " + path.filename().string() + " is unchanged";
    };
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) return fail("cannot write " + temporary.string());
    }
    if (afterTemporary && !afterTemporary()) return "stopped after writing " + temporary.string();
    std::error_code error;
    // The older backup goes first: the MinGW library's copy_file does not overwrite a file.
    std::filesystem::remove(backup, error);
    std::filesystem::copy_file(path, backup, error);
    if (error) return fail("cannot keep the previous table as " + backup.string() + ": " + error.message());
    std::filesystem::rename(temporary, path, error);
    if (error) return fail("cannot replace " + path.string() + ": " + error.message());
    return {};
}

}  // namespace velmora::cli
