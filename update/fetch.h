// Fetching a feed or a file it names: over HTTP(S), or from a file for a feed kept on a disk.
// Every fetch has a size limit and timeouts, and answers the bytes or why there are none.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace velmora {

struct Fetched {
    enum class Outcome { fetched, unreachable, tooLarge };
    Outcome outcome = Outcome::unreachable;
    std::string bytes;
    std::string problem;  // in English, for the command line and the log; empty when fetched
};

// How a fetch is made; the program's is fetchUrl, the tests give their own.
using Fetcher = std::function<Fetched(std::string_view url, std::size_t limit)>;

// The platform's fetch: http:// and https:// (Windows: WinHTTP with the system's proxy;
// elsewhere http:// only), file:// and a plain path. Connecting, sending and each wait for
// data time out after timeoutSeconds; more than limit bytes is tooLarge, and a body shorter
// than the server announced is unreachable.
Fetched fetchUrl(std::string_view url, std::size_t limit, int timeoutSeconds = 15);

// A reference in a feed taken against the feed's own address: an absolute URL as it is, a
// name or path relative to the feed's folder.
std::string resolveReference(std::string_view base, std::string_view reference);

// A file's bytes as a fetch answers them (the platforms' halves share it).
Fetched fetchFile(std::string_view path, std::size_t limit);

// A fetch that found nothing, and why.
Fetched fetchFailed(std::string problem, Fetched::Outcome outcome = Fetched::Outcome::unreachable);

// Whether url names an HTTP(S) address rather than a file.
bool isWebAddress(std::string_view url);

}  // namespace velmora
