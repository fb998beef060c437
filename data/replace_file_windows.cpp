// Writing and swapping files on Windows: FlushFileBuffers, and ReplaceFileW, which puts the
// new file in place and keeps the old one as the backup in one step.
#include <windows.h>

#include "data/replace_file.h"

namespace velmora {
namespace {

std::string lastError() {
    wchar_t* text = nullptr;
    const DWORD code = GetLastError();
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = "error " + std::to_string(code);
    if (text != nullptr) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
        while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r' || utf8.back() == '.')) utf8.pop_back();
        message = utf8;
        LocalFree(text);
    }
    return message;
}

}  // namespace

bool writeFlushed(const std::filesystem::path& path, std::string_view bytes) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    const bool flushed = wrote && FlushFileBuffers(file);
    return CloseHandle(file) && flushed;
}

std::string swapIn(const std::filesystem::path& path, const std::filesystem::path& replacement,
                   const std::filesystem::path& backup, std::string_view) {
    if (ReplaceFileW(path.c_str(), replacement.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr))
        return {};
    return "cannot replace " + path.string() + ": " + lastError();
}

}  // namespace velmora
