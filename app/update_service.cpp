#include "app/update_service.h"

#include <softpub.h>
#include <wintrust.h>

#include <charconv>
#include <thread>

#include "app/user_settings.h"
#include "app/win32_text.h"
#include "calendar/date_text.h"
#include "data/executable_folder.h"
#include "data/replace_file.h"
#include "data/text_codec.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"
#include "version.h"

namespace velmora {
namespace {

constexpr wchar_t kLastCheckValue[] = L"LastUpdateCheck";  // minutes since 1601 of the last sound look
constexpr wchar_t kOfferedValue[] = L"ProgramOffered";     // the version a balloon last offered
// Another address for the feed (a mirror, or a test's server); the key stays the built-in one.
constexpr wchar_t kFeedValue[] = L"UpdateFeed";
constexpr std::int64_t kDayMinutes = 24 * 60;

std::int64_t minutesNow() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t ticks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 600000000ULL);
}

std::string feedAddress() {
    const std::u16string chosen = readUserSetting(kFeedValue);
    return chosen.empty() ? std::string(kFeedAddress) : toUtf8(chosen);
}

// The result of fetching the installer, posted to the window.
struct Download {
    std::filesystem::path file;
    std::string problem;
};

Download fetchInstaller(const std::string& url, const Sha256& expected, const std::string& version) {
    Download download;
    const Fetched fetched = fetchUrl(url, kInstallerLimit, 30);
    if (fetched.outcome != Fetched::Outcome::fetched) {
        download.problem = fetched.problem;
        return download;
    }
    if (sha256(fetched.bytes) != expected) {
        download.problem = url + " is not the installer the feed signed";
        return download;
    }
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temporary);
    download.file = std::filesystem::path(temporary) / ("Velmora-" + version + "-setup.exe");
    if (!writeFlushed(download.file, fetched.bytes)) {
        download.problem = "cannot write " + download.file.string();
        return download;
    }
    // A signed Velmora takes only an installer whose signature verifies.
    if (authenticodeOf(executableFolder() / "Velmora.exe").present && !authenticodeOf(download.file).verifies)
        download.problem = "the installer's Authenticode signature does not verify";
    return download;
}

}  // namespace

Signature authenticodeOf(const std::filesystem::path& file) {
    const std::wstring path = file.wstring();
    WINTRUST_FILE_INFO fileInfo{};
    fileInfo.cbStruct = sizeof fileInfo;
    fileInfo.pcwszFilePath = path.c_str();
    WINTRUST_DATA trust{};
    trust.cbStruct = sizeof trust;
    trust.dwUIChoice = WTD_UI_NONE;
    trust.fdwRevocationChecks = WTD_REVOKE_NONE;
    trust.dwUnionChoice = WTD_CHOICE_FILE;
    trust.pFile = &fileInfo;
    trust.dwStateAction = WTD_STATEACTION_VERIFY;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const LONG status = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &trust);
    trust.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &trust);
    const bool unsigned_ =
        status == TRUST_E_NOSIGNATURE || status == TRUST_E_SUBJECT_FORM_UNKNOWN || status == TRUST_E_PROVIDER_UNKNOWN;
    return {!unsigned_, status == ERROR_SUCCESS};
}

UpdateService::UpdateService(HWND window, DataWatch& data, TrayIcon& tray)
    : window_(window), data_(data), tray_(tray) {}

void UpdateService::checkIfDue(bool byItselfOn) {
    if (!byItselfOn) return;
    const std::string last = toUtf8(readUserSetting(kLastCheckValue));
    std::int64_t minutes = 0;  // none, or not a number: due
    std::from_chars(last.data(), last.data() + last.size(), minutes);
    const std::int64_t now = minutesNow();
    if (minutes == 0 || now - minutes >= kDayMinutes || now < minutes) check(false);
}

void UpdateService::check(bool asked) {
    asked_ = asked_ || asked;
    if (checking_) return;
    const auto key = readPublicKey(kVelmoraUpdateKey);
    if (!key) return;
    checking_ = true;
    const std::int64_t edition = data_.data().lunarSource.edition;
    // The thread owns copies of all it uses; the window takes its result from the message.
    std::thread([window = window_, url = feedAddress(), key = *key, edition] {
        auto result = std::make_unique<UpdateCheck>(
            checkForUpdate(url, key, edition, VELMORA_VERSION_STRING,
                           [](std::string_view address, std::size_t limit) { return fetchUrl(address, limit); }));
        if (PostMessageW(window, kCheckedMessage, 0, reinterpret_cast<LPARAM>(result.get()))) result.release();
    }).detach();
}

void UpdateService::onChecked(LPARAM result, const Catalogue& words) {
    const std::unique_ptr<UpdateCheck> check(reinterpret_cast<UpdateCheck*>(result));
    const bool asked = asked_;
    checking_ = false;
    asked_ = false;
    const Language language = words.language();
    if (check->outcome == UpdateCheck::Outcome::refused) {
        // Offline, or a feed not to be trusted: said only to a user who asked.
        if (asked) {
            const UINT text = check->refusal == UpdateCheck::Refusal::unreachable ? IDS_UPDATE_UNREACHABLE
                              : check->refusal == UpdateCheck::Refusal::untrusted ? IDS_UPDATE_UNTRUSTED
                                                                                  : IDS_UPDATE_DAMAGED;
            words.say(window_, words.text(text), u"", MB_OK | MB_ICONWARNING);
        }
        return;
    }
    writeUserSetting(kLastCheckValue, fromUtf8(std::to_string(minutesNow())));
    const Feed& feed = *check->feed;
    if (check->programNewer) offered_ = feed;
    bool told = false;
    if (check->outcome == UpdateCheck::Outcome::newEdition) {
        const AppliedUpdate applied = takeUpEdition(data_.folder(), userDataFolder(), *check);
        if (!applied.problem.empty()) {
            if (asked)
                words.say(window_, words.text(IDS_UPDATE_NOT_WRITTEN), fromUtf8(applied.problem),
                          MB_OK | MB_ICONWARNING);
            return;
        }
        data_.readFrom(applied.folder);
        SendMessageW(window_, DataWatch::kWrittenMessage, 0, 0);  // the view and the tooltip show it at once
        const std::u16string changes = fromUtf8(changesIn(feed, language == Language::persian));
        tray_.balloon(balloonText(words.text(IDS_UPDATE_DATA_TITLE), language), balloonText(changes, language));
        balloonOffers_ = false;
        told = true;
        if (asked)
            words.say(window_, withInsert(words.text(IDS_UPDATE_UPDATED), numberText(feed.edition, language)), changes,
                      MB_OK | MB_ICONINFORMATION);
    }
    if (check->programNewer) {
        if (asked) {
            offerProgram(feed, words);
        } else if (!told && readUserSetting(kOfferedValue) != fromUtf8(feed.version)) {
            const std::u16string title = withInsert(words.text(IDS_UPDATE_PROGRAM_TITLE), fromUtf8(feed.version));
            if (tray_.balloon(balloonText(title, language),
                              balloonText(words.text(IDS_UPDATE_PROGRAM_BALLOON), language))) {
                writeUserSetting(kOfferedValue, fromUtf8(feed.version));
                balloonOffers_ = true;
            }
        }
    } else if (asked && !told) {
        words.say(window_, words.text(IDS_UPDATE_CURRENT), numberText(feed.edition, language),
                  MB_OK | MB_ICONINFORMATION);
    }
}

void UpdateService::onBalloonClicked(const Catalogue& words) {
    if (balloonOffers_ && offered_) offerProgram(*offered_, words);
    balloonOffers_ = false;
}

void UpdateService::offerProgram(const Feed& feed, const Catalogue& words) {
    if (downloading_) return;
    const std::u16string question = withInsert(words.text(IDS_UPDATE_ASK_INSTALL), fromUtf8(feed.version));
    if (words.say(window_, question, fromUtf8(VELMORA_VERSION_STRING), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    downloading_ = true;
    std::thread([window = window_, url = resolveReference(feedAddress(), feed.installer),
                 expected = feed.installerSha256, version = feed.version] {
        auto result = std::make_unique<Download>(fetchInstaller(url, expected, version));
        if (PostMessageW(window, kDownloadedMessage, 0, reinterpret_cast<LPARAM>(result.get()))) result.release();
    }).detach();
}

bool UpdateService::onDownloaded(LPARAM result, const Catalogue& words) {
    const std::unique_ptr<Download> download(reinterpret_cast<Download*>(result));
    downloading_ = false;
    std::string problem = download->problem;
    if (problem.empty()) {
        // Silently, into this folder (/D must come last, unquoted), started again when done.
        std::wstring commandLine =
            L"\"" + download->file.wstring() + L"\" /S /RESTART /D=" + executableFolder().wstring();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessW(download->file.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            return true;
        }
        problem = "cannot start " + download->file.string();
    }
    words.say(window_, words.text(IDS_UPDATE_INSTALL_FAILED), fromUtf8(problem), MB_OK | MB_ICONWARNING);
    return false;
}

}  // namespace velmora
