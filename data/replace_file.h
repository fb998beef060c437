// Writing a data file so that a crash, a full disk or a locked file never leaves half of it
// and never loses the previous one.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A file's new text, or why there is none.
struct EditedText {
    std::string text;
    std::string problem;  // empty on success
};

// The whole file as bytes; none when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Reads path, asks `edit` for its new text and writes that in its place with
// replaceFileKeepingBackup. Returns the problem (empty on success); *changed says whether the
// file was rewritten (an edit that gives the same text writes nothing).
std::string editFile(const std::filesystem::path& path, const std::function<EditedText(std::string_view)>& edit,
                     bool* changed = nullptr);

// Writes bytes beside path ("NAME.new") and flushes them to the disk, then puts them in
// place of path keeping what path held as "NAME.bak", in one step. `current` is what path
// holds now. Returns the problem, empty on success; on any failure path and its older backup
// are as they were. afterTemporary, when given, runs once the new file is written, and
// returning false stops there as a crash would (for tests).
std::string replaceFileKeepingBackup(const std::filesystem::path& path, std::string_view current,
                                     std::string_view bytes, const std::function<bool()>& afterTemporary = {});

// Writes bytes as path: in place of the file keeping a backup as replaceFileKeepingBackup does
// when there is one, else as a new file (its folder made first), written beside it and
// renamed into place. The problem, or empty.
std::string saveFile(const std::filesystem::path& path, std::string_view bytes);

// The platform's halves. Writes a whole file and flushes it to the disk; false on failure.
bool writeFlushed(const std::filesystem::path& path, std::string_view bytes);
// Puts `replacement` in place of `path`, which becomes `backup` (replaced if there); the
// problem, or empty. On failure path and backup are as they were. `current` is what path
// holds, for a file system that cannot give a file a second name.
std::string swapIn(const std::filesystem::path& path, const std::filesystem::path& replacement,
                   const std::filesystem::path& backup, std::string_view current);

}  // namespace velmora
