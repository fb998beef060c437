#include "data/replace_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace velmora {

std::string replaceFileKeepingBackup(const std::filesystem::path& path, std::string_view current,
                                     std::string_view bytes, const std::function<bool()>& afterTemporary) {
    std::filesystem::path temporary = path;
    temporary += ".new";
    std::filesystem::path backup = path;
    backup += ".bak";
    const std::string unchanged = "; " + path.filename().string() + " is unchanged";
    std::error_code error;
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (!error && (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return path.filename().string() + " is read-only" + unchanged;
    // An older backup that is read-only (a copy of a read-only table) is made writable, so
    // that it can be replaced; its bytes stay.
    const auto backupPermissions = std::filesystem::status(backup, error).permissions();
    if (!error && (backupPermissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        std::filesystem::permissions(backup, std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                     error);
    // A file with a second name (Scoop keeps what a user changes in a folder of its own and
    // links it here) is written through its name, its backup first: a new file swapped in
    // would leave the other name on the old bytes.
    if (std::filesystem::hard_link_count(path, error) > 1 && !error) {
        if (!writeFlushed(backup, current)) return "cannot write " + backup.string() + unchanged;
        if (!writeFlushed(path, bytes))
            return "cannot write " + path.string() + "; what it held is kept as " + backup.filename().string();
        return {};
    }
    if (!writeFlushed(temporary, bytes)) {
        std::filesystem::remove(temporary, error);
        return "cannot write " + temporary.string() + unchanged;
    }
    if (afterTemporary && !afterTemporary()) return "stopped after writing " + temporary.string();
    std::string problem = swapIn(path, temporary, backup, current);
    if (!problem.empty()) {
        std::filesystem::remove(temporary, error);
        return problem + unchanged;
    }
    return {};
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;  // a folder opens, and aborts a read
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return std::nullopt;
    return text;
}

std::string saveFile(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        const auto current = readWholeFile(path);
        if (!current) return "cannot read " + path.string();
        if (*current == bytes) return {};
        return replaceFileKeepingBackup(path, *current, bytes);
    }
    std::filesystem::create_directories(path.parent_path(), error);
    std::filesystem::path temporary = path;
    temporary += ".new";
    if (!writeFlushed(temporary, bytes)) {
        std::filesystem::remove(temporary, error);
        return "cannot write " + temporary.string();
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "cannot write " + path.string();
    }
    return {};
}

std::string editFile(const std::filesystem::path& path, const std::function<EditedText(std::string_view)>& edit,
                     bool* changed) {
    if (changed != nullptr) *changed = false;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return path.string() + " is not a file; nothing was changed";
    const auto current = readWholeFile(path);
    if (!current) return "cannot read " + path.string();
    const EditedText edited = edit(*current);
    if (!edited.problem.empty()) return edited.problem + "; nothing was changed";
    if (edited.text == *current) return {};
    std::string problem = replaceFileKeepingBackup(path, *current, edited.text);
    if (problem.empty() && changed != nullptr) *changed = true;
    return problem;
}

}  // namespace velmora
