// velmora-cli on Windows: arguments as UTF-16, and text to a console as UTF-16, which shows
// Persian whatever the console's code page; to a pipe or a file the UTF-8 goes as it is.
#include <windows.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "data/dll_search.h"
#include "data/executable_folder.h"

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

// The UTF-8 a command writes, passed on whole characters at a time.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(DWORD which) : handle_(GetStdHandle(which)) {
        DWORD mode = 0;
        console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode) != 0;
    }
    ~ConsoleBuffer() override { write(pending_); }

  protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) xsputn(reinterpret_cast<const char*>(&c), 1);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        pending_.append(s, static_cast<std::size_t>(n));
        if (pending_.size() >= 4096 || pending_.find('\n') != std::string::npos) flushWhole();
        return n;
    }
    int sync() override {
        flushWhole();
        return 0;
    }

  private:
    // Everything up to the last whole UTF-8 character.
    void flushWhole() {
        std::size_t end = pending_.size();
        std::size_t start = end;
        while (start > 0 && (static_cast<unsigned char>(pending_[start - 1]) & 0xC0) == 0x80) --start;
        if (start > 0) {
            const auto lead = static_cast<unsigned char>(pending_[start - 1]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (length > end - (start - 1)) end = start - 1;  // that character is not whole yet
        }
        write(std::string_view(pending_).substr(0, end));
        pending_.erase(0, end);
    }

    void write(std::string_view bytes) {
        if (bytes.empty()) return;
        DWORD done = 0;
        if (!console_) {
            WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
            return;
        }
        const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
        WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
    }

    HANDLE handle_;
    bool console_ = false;
    std::string pending_;
};

}  // namespace

int wmain(int argc, wchar_t** argv);
int wmain(int argc, wchar_t** argv) {
    velmora::restrictDllSearchToSystem();
    SetConsoleCP(CP_UTF8);  // what is typed at the console arrives as UTF-8
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.push_back(utf8(argv[i]));
    const std::vector<std::string_view> args(words.begin(), words.end());
    ConsoleBuffer outBuffer(STD_OUTPUT_HANDLE);
    ConsoleBuffer errBuffer(STD_ERROR_HANDLE);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    const int status = velmora::cli::run(args, std::cin, out, err, velmora::executableFolder());
    out.flush();
    err.flush();
    return status;
}
