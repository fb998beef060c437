#include "update/fetch.h"

#include <filesystem>
#include <fstream>

namespace velmora {

bool isWebAddress(std::string_view url) { return url.starts_with("http://") || url.starts_with("https://"); }

std::string resolveReference(std::string_view base, std::string_view reference) {
    if (isWebAddress(reference) || reference.starts_with("file://") || reference.starts_with("/") ||
        (reference.size() > 2 && reference[1] == ':'))
        return std::string(reference);
    // The base's folder: up to its last slash, and not into the address's host.
    std::size_t slash = base.find_last_of(isWebAddress(base) ? "/" : "/\\");
    if (isWebAddress(base) && slash != std::string_view::npos && slash < base.find("//") + 2)
        return std::string(base) + "/" + std::string(reference);
    if (slash == std::string_view::npos) return std::string(reference);
    return std::string(base.substr(0, slash + 1)) + std::string(reference);
}

Fetched fetchFailed(std::string problem, Fetched::Outcome outcome) {
    Fetched result;
    result.outcome = outcome;
    result.problem = std::move(problem);
    return result;
}

Fetched fetchFile(std::string_view path, std::size_t limit) {
    if (path.starts_with("file://")) path.remove_prefix(7);
    Fetched result;
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    if (!in) {
        result.problem = "cannot read " + std::string(path);
        return result;
    }
    result.bytes.resize(limit + 1);
    in.read(result.bytes.data(), static_cast<std::streamsize>(limit + 1));
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (result.bytes.size() > limit) {
        result.outcome = Fetched::Outcome::tooLarge;
        result.problem = std::string(path) + " holds more than " + std::to_string(limit) + " bytes";
        result.bytes.clear();
        return result;
    }
    result.outcome = Fetched::Outcome::fetched;
    return result;
}

}  // namespace velmora
