#include "update/data_update.h"

#include "calendar/hijri_check.h"
#include "calendar/hijri_correction.h"
#include "calendar/lunar_source.h"
#include "data/ini_file.h"
#include "data/replace_file.h"
#include "occasions/occasions_check.h"

namespace velmora {
namespace {

bool hasErrors(const std::vector<FileProblem>& problems) {
    for (const FileProblem& problem : problems)
        if (problem.severity == FileProblem::Severity::error) return true;
    return false;
}

UpdateCheck refused(UpdateCheck check, UpdateCheck::Refusal refusal, std::string problem) {
    check.outcome = UpdateCheck::Outcome::refused;
    check.refusal = refusal;
    check.problem = std::move(problem);
    check.calendar.clear();
    check.events.clear();
    return check;
}

// A file of the edition, fetched and held to its hash; the problem, or empty.
std::string fetchVerified(const Fetcher& fetch, std::string_view feedUrl, std::string_view reference,
                          const Sha256& expected, std::string& into, UpdateCheck::Refusal& refusal) {
    const std::string url = resolveReference(feedUrl, reference);
    Fetched fetched = fetch(url, kDataFileLimit);
    if (fetched.outcome != Fetched::Outcome::fetched) {
        refusal = fetched.outcome == Fetched::Outcome::tooLarge ? UpdateCheck::Refusal::damaged
                                                                : UpdateCheck::Refusal::unreachable;
        return fetched.problem;
    }
    if (sha256(fetched.bytes) != expected) {
        refusal = UpdateCheck::Refusal::damaged;
        return url + " is not the file the feed signed (its SHA-256 is " + hexOf(sha256(fetched.bytes)) + ")";
    }
    into = std::move(fetched.bytes);
    return {};
}

// A name beside path not taken yet: "BASE (your edits).ini", then "(your edits 2)" and on.
std::filesystem::path freeEditsName(const std::filesystem::path& folder, std::string_view base) {
    for (int n = 1;; ++n) {
        const std::string name =
            std::string(base) + (n == 1 ? " (your edits)" : " (your edits " + std::to_string(n) + ")") + ".ini";
        const std::filesystem::path path = folder / name;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) return path;
    }
}

}  // namespace

DataEdition readDataEdition(std::string_view calendarIni) {
    const IniFile ini = IniFile::parse(calendarIni);
    const LunarTableSource source = readLunarTableSource(ini);
    DataEdition edition;
    edition.number = source.edition;
    edition.date = source.made;
    edition.eventsSha256 = sha256FromHex(toUtf8(ini.find(u"source", u"eventsSha256").value_or(u"")));
    return edition;
}

DataEdition folderDataEdition(const std::filesystem::path& folder) {
    const auto text = readWholeFile(folder / "calendar.ini");
    return text ? readDataEdition(*text) : DataEdition{};
}

std::filesystem::path chooseDataFolder(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& profileFolder) {
    if (profileFolder.empty()) return programFolder;
    const auto profile = readWholeFile(profileFolder / "calendar.ini");
    if (!profile || !readWholeFile(profileFolder / "events.ini")) return programFolder;
    return readDataEdition(*profile).number > folderDataEdition(programFolder).number ? profileFolder : programFolder;
}

UpdateCheck checkForUpdate(std::string_view feedUrl, const PublicKey& key, std::int64_t currentEdition,
                           std::string_view currentVersion, const Fetcher& fetch) {
    UpdateCheck check;
    Fetched fetched = fetch(feedUrl, kFeedLimit);
    if (fetched.outcome == Fetched::Outcome::tooLarge)
        return refused(std::move(check), UpdateCheck::Refusal::untrusted, fetched.problem);
    if (fetched.outcome != Fetched::Outcome::fetched)
        return refused(std::move(check), UpdateCheck::Refusal::unreachable, fetched.problem);
    FeedReading reading = readFeed(fetched.bytes, key);
    if (!reading.feed) return refused(std::move(check), UpdateCheck::Refusal::untrusted, reading.problem);
    check.feed = std::move(reading.feed);
    const Feed& feed = *check.feed;
    check.programNewer = compareVersions(feed.version, currentVersion) == std::strong_ordering::greater;
    if (feed.edition <= currentEdition) {
        check.outcome = UpdateCheck::Outcome::current;
        return check;
    }
    UpdateCheck::Refusal refusal = UpdateCheck::Refusal::none;
    std::string problem = fetchVerified(fetch, feedUrl, feed.calendar, feed.calendarSha256, check.calendar, refusal);
    if (problem.empty()) problem = fetchVerified(fetch, feedUrl, feed.events, feed.eventsSha256, check.events, refusal);
    if (!problem.empty()) return refused(std::move(check), refusal, problem);
    // Signed files are the maker's; still, a table the program would not use is not taken.
    const IniFile table = IniFile::parse(check.calendar);
    if (hasErrors(checkHijriTable(table, nullptr)) || readLunarTableSource(table).edition != feed.edition)
        return refused(std::move(check), UpdateCheck::Refusal::damaged,
                       "the new calendar.ini does not check, or is not of edition " + std::to_string(feed.edition));
    if (hasErrors(checkOccasions(IniFile::parse(check.events), nullptr)))
        return refused(std::move(check), UpdateCheck::Refusal::damaged, "the new events.ini does not check");
    check.outcome = UpdateCheck::Outcome::newEdition;
    return check;
}

AppliedUpdate applyDataUpdate(const std::filesystem::path& folder, const UpdateCheck& update,
                              const std::filesystem::path& from) {
    AppliedUpdate applied;
    applied.folder = folder;
    if (update.outcome != UpdateCheck::Outcome::newEdition || !update.feed) {
        applied.problem = "there is no new edition to take up";
        return applied;
    }
    const std::filesystem::path source = from.empty() ? folder : from;
    const auto currentCalendar = readWholeFile(source / "calendar.ini");
    const auto currentEvents = readWholeFile(source / "events.ini");

    std::string table = update.calendar;
    if (currentCalendar) {
        CarriedCorrections carried = carryLunarCorrections(*currentCalendar, update.calendar);
        table = std::move(carried.text);
        applied.carried = std::move(carried.report);
    }
    std::error_code error;
    if (currentEvents && *currentEvents != update.events) {
        const DataEdition edition = currentCalendar ? readDataEdition(*currentCalendar) : DataEdition{};
        // Without a record of its edition's file, any other file is taken for the user's.
        if (!edition.eventsSha256 || sha256(*currentEvents) != *edition.eventsSha256) {
            applied.keptEvents = freeEditsName(folder, "events");
            applied.problem = saveFile(applied.keptEvents, *currentEvents);
            if (!applied.problem.empty()) {
                applied.keptEvents.clear();
                return applied;
            }
        }
    }
    applied.problem = saveFile(folder / "events.ini", update.events);
    if (!applied.problem.empty()) {
        if (!applied.keptEvents.empty()) std::filesystem::remove(applied.keptEvents, error);
        applied.keptEvents.clear();
        return applied;
    }
    applied.problem = saveFile(folder / "calendar.ini", table);
    return applied;
}

AppliedUpdate takeUpEdition(const std::filesystem::path& dataFolder, const std::filesystem::path& profileFolder,
                            const UpdateCheck& update) {
    AppliedUpdate applied = applyDataUpdate(dataFolder, update);
    if (applied.problem.empty() || profileFolder.empty() || dataFolder == profileFolder) return applied;
    AppliedUpdate elsewhere = applyDataUpdate(profileFolder, update, dataFolder);
    if (!elsewhere.problem.empty()) return applied;
    return elsewhere;
}

std::string_view changesIn(const Feed& feed, bool persian) {
    return persian && !feed.changesPersian.empty() ? std::string_view(feed.changesPersian)
                                                   : std::string_view(feed.changes);
}

}  // namespace velmora
