// Fetching on POSIX: files, and plain HTTP over a socket (HTTP/1.0, so that the body ends
// with the connection and is never chunked). There is no TLS here: this build serves the
// command line's tests and people's own mirrors; Windows fetches HTTPS through WinHTTP.
#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "update/fetch.h"

namespace velmora {
namespace {

// A connected socket, closed when it goes.
class Connection {
  public:
    Connection(const std::string& host, const std::string& port, int timeoutSeconds) {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return;
        const timeval timeout{timeoutSeconds, 0};
        for (addrinfo* at = found; at != nullptr && socket_ < 0; at = at->ai_next) {
            socket_ = ::socket(at->ai_family, at->ai_socktype, at->ai_protocol);
            if (socket_ < 0) continue;
            // On Linux the send timeout bounds connect() too.
            setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
            setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
            if (::connect(socket_, at->ai_addr, at->ai_addrlen) != 0) {
                ::close(socket_);
                socket_ = -1;
            }
        }
        freeaddrinfo(found);
    }
    ~Connection() {
        if (socket_ >= 0) ::close(socket_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    int get() const { return socket_; }

  private:
    int socket_ = -1;
};

Fetched fetchHttp(std::string_view url, std::size_t limit, int timeoutSeconds) {
    std::string_view rest = url.substr(7);
    const std::size_t slash = rest.find('/');
    const std::string_view authority = rest.substr(0, slash);
    const std::string path(slash == std::string_view::npos ? "/" : rest.substr(slash));
    const std::size_t colon = authority.rfind(':');
    const std::string host(authority.substr(0, colon));
    const std::string port(colon == std::string_view::npos ? "80" : authority.substr(colon + 1));
    const Connection connection(host, port, timeoutSeconds);
    if (connection.get() < 0) return fetchFailed("cannot connect to " + std::string(authority));
    const std::string request =
        "GET " + path + " HTTP/1.0\r\nHost: " + std::string(authority) + "\r\nUser-Agent: Velmora\r\n\r\n";
    if (::send(connection.get(), request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
        return fetchFailed("cannot send to " + std::string(authority));
    constexpr std::size_t kHeaderLimit = 16384;
    std::string received;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::recv(connection.get(), buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fetchFailed(std::string(authority) + " did not answer in time");
        if (n == 0) break;
        received.append(buffer, static_cast<std::size_t>(n));
        if (received.size() > limit + kHeaderLimit) break;
    }
    const std::size_t headerEnd = received.find("\r\n\r\n");
    if (headerEnd == std::string::npos || headerEnd > kHeaderLimit)
        return fetchFailed(std::string(url) + " did not answer as an HTTP server");
    const std::string_view header(received.data(), headerEnd);
    const std::size_t space = header.find(' ');
    if (space == std::string_view::npos || header.substr(space + 1, 3) != "200")
        return fetchFailed(std::string(url) + " answered " + std::string(header.substr(0, header.find('\r'))));
    std::string body = received.substr(headerEnd + 4);
    if (body.size() > limit)
        return fetchFailed(std::string(url) + " holds more than " + std::to_string(limit) + " bytes",
                           Fetched::Outcome::tooLarge);
    for (std::size_t at = header.find("\r\n"); at != std::string_view::npos; at = header.find("\r\n", at + 2)) {
        const std::string_view line = header.substr(at + 2, header.find("\r\n", at + 2) - at - 2);
        constexpr std::string_view kLength = "content-length:";
        if (line.size() <= kLength.size()) continue;
        std::string name(line.substr(0, kLength.size()));
        for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (name != kLength) continue;
        std::string_view value = line.substr(kLength.size());
        while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        std::size_t announced = 0;
        std::from_chars(value.data(), value.data() + value.size(), announced);
        if (announced > limit)
            return fetchFailed(std::string(url) + " holds more than " + std::to_string(limit) + " bytes",
                               Fetched::Outcome::tooLarge);
        if (body.size() != announced)
            return fetchFailed(std::string(url) + " ended after " + std::to_string(body.size()) + " of " +
                               std::to_string(announced) + " bytes");
    }
    Fetched result;
    result.outcome = Fetched::Outcome::fetched;
    result.bytes = std::move(body);
    return result;
}

}  // namespace

Fetched fetchUrl(std::string_view url, std::size_t limit, int timeoutSeconds) {
    if (url.starts_with("https://"))
        return fetchFailed("this build fetches http:// and files only, not " + std::string(url));
    if (url.starts_with("http://")) return fetchHttp(url, limit, timeoutSeconds);
    return fetchFile(url, limit);
}

}  // namespace velmora
