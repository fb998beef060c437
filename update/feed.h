// The update feed: what the maker publishes at one address, signed. A text of key=value lines
// (UTF-8) ending in a line "signature=" with the base64 of an ECDSA P-256 / SHA-256
// signature (r and s) over every byte before that line:
//
//   format=1
//   version=4.6.0                    the newest program, its installer and the installer's SHA-256
//   installer=Velmora-4.6.0-setup.exe
//   installerSha256=...
//   edition=2                        the newest data edition, a number that only grows
//   editionDate=2027-03-01
//   calendar=calendar.ini            its two files and their SHA-256
//   calendarSha256=...
//   events=events.ini
//   eventsSha256=...
//   changes=Eid al-Fitr moved to ...  what changed, in English and in Persian
//   changesPersian=...
//   signature=...
//
// Addresses may be relative to the feed's own. Lines starting with ";" are comments; keys the
// reader does not know are left alone (they are signed all the same).
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "update/crypto.h"

namespace velmora {

// Where the maker publishes the feed, and the public half of the key that signs it (the
// private half stays with the maker, never in the program's sources).
inline constexpr std::string_view kFeedAddress = "https://velmora.co.ir/update/feed.txt";
inline constexpr std::string_view kVelmoraUpdateKey =
    "-----BEGIN PUBLIC KEY-----\n"
    "MFkwEwYHKoZIzj0CAQYIKoZIzj0DAQcDQgAE13ihtMkCl6zBXErcArumenKA+2cG\n"
    "vboyer6f9MYpOeCaA1Jrht7Pc2o9o5VhMSjrmmBYM5Ec1FWP8G60IluDOg==\n"
    "-----END PUBLIC KEY-----\n";

struct Feed {
    std::string version;
    std::string installer;
    Sha256 installerSha256{};
    std::int64_t edition = 0;
    std::string editionDate;  // YYYY-MM-DD
    std::string calendar;
    Sha256 calendarSha256{};
    std::string events;
    Sha256 eventsSha256{};
    std::string changes;
    std::string changesPersian;
};

struct FeedReading {
    std::optional<Feed> feed;
    std::string problem;  // in English; empty when read
};

// The largest feed read: a few hundred bytes in truth.
inline constexpr std::size_t kFeedLimit = 64 * 1024;

// The feed when its signature verifies with key and it holds every key, each once and sound.
FeedReading readFeed(std::string_view bytes, const PublicKey& key);

// Dotted versions compared number by number ("4.10.0" is after "4.9.2"; a missing part is 0);
// none when either is not one.
std::optional<std::strong_ordering> compareVersions(std::string_view a, std::string_view b);

}  // namespace velmora
