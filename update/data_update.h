// Checking the feed and taking up a newer data edition: calendar.ini and events.ini replaced
// as the corrector replaces a file (written, flushed and swapped in one step, the old file
// kept as NAME.bak), the user's lunar corrections carried into the new table and a
// user-edited events.ini kept beside the new one, as the installer keeps it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/feed.h"
#include "update/fetch.h"

namespace velmora {

// The edition of the data files, as calendar.ini's [source] records it: its number, its date
// ("made") and the SHA-256 of the events.ini published with it. An older table has none (0).
struct DataEdition {
    std::int64_t number = 0;
    std::string date;
    std::optional<Sha256> eventsSha256;
};
DataEdition readDataEdition(std::string_view calendarIni);
DataEdition folderDataEdition(const std::filesystem::path& folder);

// Where the window reads calendar.ini and events.ini: the program's folder, unless an update
// had to go to the profile's (the program's folder could not be written) and that edition
// is the newer.
std::filesystem::path chooseDataFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& profileFolder);

// The largest files an edition may hold, and the largest installer.
inline constexpr std::size_t kDataFileLimit = 4 * 1024 * 1024;
inline constexpr std::size_t kInstallerLimit = 64 * 1024 * 1024;

// What a look at the feed found.
struct UpdateCheck {
    enum class Outcome {
        newEdition,  // a newer edition, fetched and verified: calendar and events hold it
        current,     // the feed is sound and the data is as new as it
        refused,     // nothing is taken; problem says why
    };
    // Why nothing was taken, for the window's words.
    enum class Refusal { none, unreachable, untrusted, damaged, cannotWrite };

    Outcome outcome = Outcome::refused;
    Refusal refusal = Refusal::none;
    std::string problem;        // in English
    std::optional<Feed> feed;   // when its signature verified
    bool programNewer = false;  // the feed names a newer program than currentVersion
    std::string calendar;       // the new files, when newEdition
    std::string events;
};

// Fetches the feed at feedUrl, verifies it with key, and fetches and verifies the files of an
// edition newer than currentEdition. A file whose SHA-256 differs from the feed's, that is
// larger than kDataFileLimit or cut short, or whose check finds errors, refuses the update.
UpdateCheck checkForUpdate(std::string_view feedUrl, const PublicKey& key, std::int64_t currentEdition,
                           std::string_view currentVersion, const Fetcher& fetch);

// What taking up an edition did.
struct AppliedUpdate {
    std::string problem;               // empty on success
    std::filesystem::path folder;      // where the files were written
    std::vector<std::string> carried;  // a line for each lunar correction carried or not
    std::filesystem::path keptEvents;  // where a user-edited events.ini was kept, if it was
};

// Puts a newEdition check's files into folder (made when missing), each as saveFile writes
// a file: the previous one kept as NAME.bak, never half a file. The current files are read
// from `from` (folder when empty): the user's corrections of its calendar.ini are carried
// into the new table, and an events.ini the user edited (neither the file of its own edition
// nor the new one) is kept as "events (your edits).ini" (then "(your edits 2)" and on). The
// events are written first, so that a stop between the two leaves the older edition
// recorded and the next check puts it right.
AppliedUpdate applyDataUpdate(const std::filesystem::path& folder, const UpdateCheck& update,
                              const std::filesystem::path& from = {});

// The window's way: into the folder the data is read from, or, when that cannot be written
// (a program folder the user may not change), into the profile's folder, from which
// chooseDataFolder then reads it.
AppliedUpdate takeUpEdition(const std::filesystem::path& dataFolder, const std::filesystem::path& profileFolder,
                            const UpdateCheck& update);

// The feed's words for what changed, in English or in Persian (the English when it gives no
// Persian).
std::string_view changesIn(const Feed& feed, bool persian);

}  // namespace velmora
