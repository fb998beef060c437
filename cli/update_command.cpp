// velmora-cli update: the data part of Velmora's updates, from the signed feed.
#include <ostream>

#include "cli/cli_support.h"
#include "cli/command_list.h"
#include "data/replace_file.h"
#include "update/data_update.h"

namespace velmora::cli {

int updateCommand(const std::vector<std::string_view>& args, const CommandContext& context) {
    const CommonOptions options = takeDataOption(args, context.dataFolder, context.err);
    if (options.status != 0) return options.status;
    std::string feedUrl(kFeedAddress);
    std::string keyText(kVelmoraUpdateKey);
    bool checkOnly = false;
    for (std::size_t i = 0; i < options.rest.size(); ++i) {
        const std::string_view word = options.rest[i];
        const bool valued = word == "--feed" || word == "--trust";
        if (valued && i + 1 == options.rest.size()) {
            context.err << "velmora-cli: " << word << " takes a value\n";
            return 2;
        }
        if (word == "--feed") {
            feedUrl = options.rest[++i];
        } else if (word == "--trust") {
            const std::string_view file = options.rest[++i];
            const auto text = readWholeFile(std::filesystem::path(std::u8string(file.begin(), file.end())));
            if (!text) {
                context.err << "velmora-cli: cannot read " << shown(file) << "\n";
                return 2;
            }
            keyText = *text;
        } else if (word == "--check-only") {
            checkOnly = true;
        } else {
            context.err << "velmora-cli: update takes [--feed URL] [--trust PUBLIC_KEY_FILE] [--data DIR] "
                           "[--check-only], not \""
                        << shown(word) << "\"\n";
            return 2;
        }
    }
    const auto key = readPublicKey(keyText);
    if (!key) {
        context.err << "velmora-cli: the key to trust is not a P-256 public key in PEM form\n";
        return 2;
    }

    const DataEdition current = folderDataEdition(options.dataFolder);
    const UpdateCheck check =
        checkForUpdate(feedUrl, *key, current.number, kVersion,
                       [](std::string_view url, std::size_t limit) { return fetchUrl(url, limit); });
    if (check.outcome == UpdateCheck::Outcome::refused) {
        context.err << "velmora-cli: update refused, nothing was changed: " << check.problem << "\n";
        return 1;
    }
    const Feed& feed = *check.feed;
    if (check.programNewer)
        context.out << "Velmora " << feed.version << " is available (this is " << kVersion
                    << "): " << resolveReference(feedUrl, feed.installer) << "\n";
    const std::string edition = "edition " + std::to_string(feed.edition) + " of " + feed.editionDate;
    if (check.outcome == UpdateCheck::Outcome::current) {
        context.out << "The data is up to date: edition " << current.number << " of " << current.date
                    << "; the feed's is " << edition << ".\n";
        return 0;
    }
    if (checkOnly) {
        context.out << "The data can be updated from edition " << current.number << " to " << edition << ": "
                    << feed.changes << "\n";
        return 0;
    }
    const AppliedUpdate applied = applyDataUpdate(options.dataFolder, check);
    if (!applied.problem.empty()) {
        context.err << "velmora-cli: update refused: " << applied.problem << "\n";
        return 1;
    }
    context.out << "calendar.ini and events.ini are now " << edition << ": " << feed.changes << "\n";
    for (const std::string& line : applied.carried) context.out << line << "\n";
    if (!applied.keptEvents.empty())
        context.out << "Your edited events.ini is kept as " << applied.keptEvents.filename().string() << ".\n";
    context.out << "The previous files are kept as calendar.ini.bak and, where it changed, events.ini.bak.\n";
    return 0;
}

}  // namespace velmora::cli
