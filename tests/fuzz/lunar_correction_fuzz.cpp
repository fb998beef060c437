// libFuzzer target: corrections of any table, with any line endings, and any requests. A
// correction either is refused or gives a table that passes the check.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "calendar/hijri_check.h"
#include "calendar/hijri_correction.h"

namespace {

// The shipped table with the line ending chosen by a byte: LF, CR, CR LF or CR CR LF.
std::string shippedWithEndings(std::uint8_t choice) {
    static const std::string shipped = [] {
        std::ifstream in(std::filesystem::path(VELMORA_DATA_DIR) / "calendar.ini", std::ios::binary);
        std::string text(std::istreambuf_iterator<char>(in), {});
        std::string plain;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) plain += text[i];
        return plain;
    }();
    static const char* const kEndings[] = {"\n", "\r", "\r\n", "\r\r\n"};
    const std::string ending = kEndings[choice % 4];
    std::string text;
    for (const char c : shipped) text += c == '\n' ? ending : std::string(1, c);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    if (size < 6) return 0;
    // The last bytes ask for up to two corrections; the rest is the table, or picks the shipped one.
    std::vector<LunarCorrection> corrections;
    const std::uint8_t* request = data + size - 6;
    for (int i = 0; i < 2; ++i) {
        const std::int32_t year = 1265 + (request[3 * i] | (request[3 * i + 1] & 1) << 8) % 400;
        corrections.push_back({year, request[3 * i + 1] >> 1 & 15, 28 + request[3 * i + 2] % 4});
    }
    const std::string_view rest(reinterpret_cast<const char*>(data), size - 6);
    const std::string table =
        !rest.empty() && rest[0] == 'S' ? shippedWithEndings(rest.size() > 1 ? rest[1] : 0) : std::string(rest);
    const bool officialToo = (request[5] & 0x80) != 0;
    const CorrectedTable result = correctLunarTable(table, corrections, officialToo);
    if (!result.problem.empty()) return 0;
    for (const FileProblem& problem : checkHijriTable(IniFile::parse(result.text), nullptr))
        if (problem.severity == FileProblem::Severity::error) __builtin_trap();
    return 0;
}
