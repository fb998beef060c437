// Fetching on Windows: files, and HTTP(S) through WinHTTP with the system's proxy settings.
#include <windows.h>

#include <winhttp.h>

#include "update/fetch.h"

namespace velmora {
namespace {

// WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, which older headers lack: Windows 8.1 on.
constexpr DWORD kAutomaticProxy = 4;

class Handle {
  public:
    explicit Handle(HINTERNET handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != nullptr) WinHttpCloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HINTERNET get() const { return handle_; }

  private:
    HINTERNET handle_;
};

std::wstring widened(std::string_view text) {
    std::wstring wide(static_cast<std::size_t>(
                          MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

Fetched fetchWeb(std::string_view url, std::size_t limit, int timeoutSeconds) {
    const std::string shown(url);
    Handle session(WinHttpOpen(L"Velmora", kAutomaticProxy, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    const Handle fallback(session.get() != nullptr ? nullptr
                                                   : WinHttpOpen(L"Velmora", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                                                 WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    const HINTERNET opened = session.get() != nullptr ? session.get() : fallback.get();
    if (opened == nullptr) return fetchFailed("WinHTTP is not available");
    const int ms = timeoutSeconds * 1000;
    WinHttpSetTimeouts(opened, ms, ms, ms, ms);
    const std::wstring wide = widened(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wide.c_str(), 0, 0, &parts)) return fetchFailed("cannot read the address " + shown);
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    const Handle connection(WinHttpConnect(opened, host.c_str(), parts.nPort, 0));
    const Handle request(connection.get() == nullptr
                             ? nullptr
                             : WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                  WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                  parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
    if (request.get() == nullptr ||
        !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr))
        return fetchFailed("cannot reach " + shown + " (error " + std::to_string(GetLastError()) + ")");
    DWORD status = 0;
    DWORD size = sizeof status;
    WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                        WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    if (status != 200) return fetchFailed(shown + " answered " + std::to_string(status));
    DWORD announced = 0;
    size = sizeof announced;
    const bool lengthKnown =
        WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size, WINHTTP_NO_HEADER_INDEX);
    const std::string tooLarge = shown + " holds more than " + std::to_string(limit) + " bytes";
    if (lengthKnown && announced > limit) return fetchFailed(tooLarge, Fetched::Outcome::tooLarge);
    Fetched result;
    char buffer[16384];
    for (;;) {
        DWORD read = 0;
        if (!WinHttpReadData(request.get(), buffer, sizeof buffer, &read))
            return fetchFailed(shown + " stopped answering (error " + std::to_string(GetLastError()) + ")");
        if (read == 0) break;
        result.bytes.append(buffer, read);
        if (result.bytes.size() > limit) return fetchFailed(tooLarge, Fetched::Outcome::tooLarge);
    }
    if (lengthKnown && result.bytes.size() != announced)
        return fetchFailed(shown + " ended after " + std::to_string(result.bytes.size()) + " of " +
                           std::to_string(announced) + " bytes");
    result.outcome = Fetched::Outcome::fetched;
    return result;
}

}  // namespace

Fetched fetchUrl(std::string_view url, std::size_t limit, int timeoutSeconds) {
    if (isWebAddress(url)) return fetchWeb(url, limit, timeoutSeconds);
    return fetchFile(url, limit);
}

}  // namespace velmora
