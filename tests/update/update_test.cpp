// The signed update: keys and hashes read, the feed checked against a throwaway key, and an
// edition taken up without losing a correction or an edited file.
#include <gtest/gtest.h>
#include <openssl/ec.h>
#include <openssl/ecdsa.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <map>
#include <memory>

#include "calendar/hijri_correction.h"
#include "data/ini_file.h"
#include "test_files.h"
#include "update/data_update.h"

namespace velmora {
namespace {

// A key made for one test run and thrown away, and feeds signed with it by OpenSSL.
class ThrowawayKey {
  public:
    ThrowawayKey() : key_(EVP_EC_gen("P-256"), EVP_PKEY_free) {}

    std::string publicPem() const {
        const std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), BIO_free);
        PEM_write_bio_PUBKEY(bio.get(), key_.get());
        char* data = nullptr;
        const long size = BIO_get_mem_data(bio.get(), &data);
        return std::string(data, static_cast<std::size_t>(size));
    }
    PublicKey publicKey() const { return *readPublicKey(publicPem()); }

    // r and s, 32 bytes each.
    std::string sign(std::string_view message) const {
        const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
        std::size_t size = 0;
        EVP_DigestSignInit(context.get(), nullptr, EVP_sha256(), nullptr, key_.get());
        EVP_DigestSign(context.get(), nullptr, &size, reinterpret_cast<const unsigned char*>(message.data()),
                       message.size());
        std::string der(size, '\0');
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(der.data()), &size,
                       reinterpret_cast<const unsigned char*>(message.data()), message.size());
        const unsigned char* cursor = reinterpret_cast<const unsigned char*>(der.data());
        const std::unique_ptr<ECDSA_SIG, decltype(&ECDSA_SIG_free)> sig(
            d2i_ECDSA_SIG(nullptr, &cursor, static_cast<long>(size)), ECDSA_SIG_free);
        std::string raw(64, '\0');
        BN_bn2binpad(ECDSA_SIG_get0_r(sig.get()), reinterpret_cast<unsigned char*>(raw.data()), 32);
        BN_bn2binpad(ECDSA_SIG_get0_s(sig.get()), reinterpret_cast<unsigned char*>(raw.data()) + 32, 32);
        return raw;
    }
    std::string signedFeed(const std::string& body) const { return body + "signature=" + toBase64(sign(body)) + "\n"; }

  private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key_;
};

std::string shippedCalendar() { return readBytes(shippedFile("calendar.ini")); }
std::string shippedEvents() { return readBytes(shippedFile("events.ini")); }
std::string editionTwo() { return replaced(shippedCalendar(), "edition=1", "edition=2"); }
// Edition 2's events: Yalda made a holiday.
std::string eventsTwo() { return replaced(shippedEvents(), "پیوند با خویشان 0", "پیوند با خویشان 1"); }

std::string feedBody(const std::string& calendar, const std::string& events, std::int64_t edition = 2) {
    return "; a test feed\nformat=1\nversion=4.6.0\ninstaller=Velmora-4.6.0-setup.exe\ninstallerSha256=" +
           hexOf(sha256("setup")) + "\nedition=" + std::to_string(edition) +
           "\neditionDate=2027-03-01\ncalendar=calendar.ini\ncalendarSha256=" + hexOf(sha256(calendar)) +
           "\nevents=events.ini\neventsSha256=" + hexOf(sha256(events)) +
           "\nchanges=Yalda is a holiday\nchangesPersian=شب یلدا تعطیل است\n";
}

// A server of a few files.
struct Site {
    std::map<std::string, std::string, std::less<>> files;
    std::vector<std::string> asked;
    Fetcher fetcher() {
        return [this](std::string_view url, std::size_t limit) {
            asked.emplace_back(url);
            const auto found = files.find(url);
            if (found == files.end()) return fetchFailed("no " + std::string(url));
            if (found->second.size() > limit) return fetchFailed("too large", Fetched::Outcome::tooLarge);
            Fetched fetched;
            fetched.outcome = Fetched::Outcome::fetched;
            fetched.bytes = found->second;
            return fetched;
        };
    }
};

constexpr std::string_view kFeedUrl = "https://example.org/velmora/feed.txt";

TEST(UpdateCrypto, HashesKeysAndBase64AgreeWithTheirStandards) {
    // FIPS 180-2's examples.
    EXPECT_EQ(hexOf(sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hexOf(sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256FromHex("BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"), sha256("abc"));
    EXPECT_FALSE(sha256FromHex(hexOf(sha256("abc")).substr(1)));
    EXPECT_FALSE(sha256FromHex(replaced(hexOf(sha256("abc")), "b", "g")));
    std::string bytes;
    for (int length = 0; length < 70; ++length) {
        ASSERT_EQ(fromBase64(toBase64(bytes)), bytes) << length;
        bytes.push_back(static_cast<char>(length * 37 + 11));
    }
    EXPECT_EQ(toBase64("Man"), "TWFu");  // RFC 4648's letters
    EXPECT_EQ(toBase64("Ma"), "TWE=");
    EXPECT_FALSE(fromBase64("TW*u"));

    const ThrowawayKey key;
    const auto read = readPublicKey(key.publicPem());
    ASSERT_TRUE(read);
    std::string body =
        replaced(replaced(key.publicPem(), "-----BEGIN PUBLIC KEY-----", ""), "-----END PUBLIC KEY-----", "");
    std::erase(body, '\n');
    EXPECT_EQ(toBase64(subjectPublicKeyInfo(*read)), body);
    EXPECT_TRUE(readPublicKey(std::string(kVelmoraUpdateKey)));
    // A P-384 key is not taken for one on P-256.
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> other(EVP_EC_gen("P-384"), EVP_PKEY_free);
    const std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), BIO_free);
    PEM_write_bio_PUBKEY(bio.get(), other.get());
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    EXPECT_FALSE(readPublicKey(std::string(data, static_cast<std::size_t>(size))));
    EXPECT_FALSE(readPublicKey(replaced(key.publicPem(), "M", "N")));

    const std::string signature = key.sign("message");
    EXPECT_TRUE(verifySignature(key.publicKey(), "message", signature));
    EXPECT_FALSE(verifySignature(key.publicKey(), "messagE", signature));
    EXPECT_FALSE(verifySignature(ThrowawayKey().publicKey(), "message", signature));
}

TEST(UpdateFeed, OnlyTheSignedFeedAsSignedIsRead) {
    const ThrowawayKey key;
    const std::string body = feedBody(editionTwo(), eventsTwo());
    const FeedReading good = readFeed(key.signedFeed(body), key.publicKey());
    ASSERT_TRUE(good.feed) << good.problem;
    EXPECT_EQ(good.feed->version, "4.6.0");
    EXPECT_EQ(good.feed->edition, 2);
    EXPECT_EQ(good.feed->editionDate, "2027-03-01");
    EXPECT_EQ(good.feed->calendarSha256, sha256(editionTwo()));
    EXPECT_EQ(changesIn(*good.feed, true), "شب یلدا تعطیل است");
    EXPECT_TRUE(readFeed(key.signedFeed(replaced(body, "\n", "\r\n")), key.publicKey()).feed);

    const std::string notVerified = "the feed's signature does not verify";
    const auto problem = [&](const std::string& feed) { return readFeed(feed, key.publicKey()).problem; };
    // Altered, reordered, signed by another key, or with lines after the signature.
    EXPECT_TRUE(problem(replaced(key.signedFeed(body), "edition=2", "edition=9")).starts_with(notVerified));
    std::string reordered = key.signedFeed(body);
    reordered = replaced(replaced(reordered, "edition=2\n", ""), "format=1\n", "format=1\nedition=2\n");
    EXPECT_NE(reordered, key.signedFeed(body));
    EXPECT_TRUE(problem(reordered).starts_with(notVerified));
    EXPECT_TRUE(problem(ThrowawayKey().signedFeed(body)).starts_with(notVerified));
    EXPECT_TRUE(problem(key.signedFeed(body) + "edition=9\n").starts_with(notVerified));
    EXPECT_EQ(problem(body), "the feed is not signed");
    const std::string whole = key.signedFeed(body);
    EXPECT_FALSE(problem(whole.substr(0, whole.size() - 10)).empty());  // truncated
    EXPECT_FALSE(problem(whole.substr(0, whole.size() / 2)).empty());
    EXPECT_EQ(problem(std::string(kFeedLimit + 1, ';')), "the feed is larger than 65536 bytes");

    // Signed, yet not a sound feed.
    EXPECT_EQ(problem(key.signedFeed(replaced(body, "events=events.ini\n", ""))), "the feed has no \"events\"");
    EXPECT_EQ(problem(key.signedFeed(body + "edition=3\n")), "the feed gives \"edition\" twice");
    EXPECT_EQ(problem(key.signedFeed(replaced(body, "edition=2", "edition=0"))), "the feed's \"edition\" is not sound");
    EXPECT_EQ(problem(key.signedFeed(replaced(body, "calendar=calendar.ini", "calendar=../../secret"))),
              "the feed's \"calendar\" is not sound");
    EXPECT_EQ(problem(key.signedFeed(replaced(body, "calendarSha256=", "calendarSha256=0"))),
              "the feed's \"calendarSha256\" is not sound");
    EXPECT_EQ(problem(key.signedFeed(replaced(body, "format=1", "format=2"))),
              "the feed is of format 2, which this version does not read");
    EXPECT_EQ(problem(key.signedFeed(body + "just words\n")), "line 14 of the feed is not key=value");
    EXPECT_TRUE(readFeed(key.signedFeed(body + "later=a key a later version knows\n"), key.publicKey()).feed);
}

TEST(UpdateFeed, VersionsCompareNumberByNumber) {
    EXPECT_EQ(compareVersions("4.10.0", "4.9.2"), std::strong_ordering::greater);
    EXPECT_EQ(compareVersions("4.5", "4.5.0"), std::strong_ordering::equal);
    EXPECT_EQ(compareVersions("4.5.0", "4.5.1"), std::strong_ordering::less);
    EXPECT_FALSE(compareVersions("4.5.x", "4.5.0"));
    EXPECT_FALSE(compareVersions("", "4.5.0"));
    EXPECT_EQ(resolveReference(kFeedUrl, "events.ini"), "https://example.org/velmora/events.ini");
    EXPECT_EQ(resolveReference("https://example.org", "feed.txt"), "https://example.org/feed.txt");
    EXPECT_EQ(resolveReference(kFeedUrl, "https://mirror.example/e.ini"), "https://mirror.example/e.ini");
    EXPECT_EQ(resolveReference("/srv/feed/feed.txt", "calendar.ini"), "/srv/feed/calendar.ini");
}

TEST(UpdateCheck, TakesOnlyANewerEditionWhoseFilesAreTheSignedOnes) {
    const ThrowawayKey key;
    Site site;
    const auto publish = [&](const std::string& calendar, const std::string& events, const std::string& body) {
        site.files = {{std::string(kFeedUrl), key.signedFeed(body)},
                      {"https://example.org/velmora/calendar.ini", calendar},
                      {"https://example.org/velmora/events.ini", events}};
        site.asked.clear();
    };
    const auto check = [&](std::int64_t current) {
        return checkForUpdate(kFeedUrl, key.publicKey(), current, "4.5.0", site.fetcher());
    };
    publish(editionTwo(), eventsTwo(), feedBody(editionTwo(), eventsTwo()));
    const UpdateCheck good = check(1);
    ASSERT_EQ(good.outcome, UpdateCheck::Outcome::newEdition) << good.problem;
    EXPECT_EQ(good.calendar, editionTwo());
    EXPECT_EQ(good.events, eventsTwo());
    EXPECT_TRUE(good.programNewer);
    EXPECT_FALSE(checkForUpdate(kFeedUrl, key.publicKey(), 1, "4.6.0", site.fetcher()).programNewer);

    // An equal or older edition: current, and its files are not even fetched.
    for (const std::int64_t current : {2, 3}) {
        site.asked.clear();
        EXPECT_EQ(check(current).outcome, UpdateCheck::Outcome::current);
        EXPECT_EQ(site.asked.size(), 1u);
    }

    const auto refusal = [&](std::int64_t current = 1) {
        const UpdateCheck refused = check(current);
        EXPECT_EQ(refused.outcome, UpdateCheck::Outcome::refused);
        EXPECT_TRUE(refused.calendar.empty() && refused.events.empty());
        return std::pair(refused.refusal, refused.problem);
    };
    // A file other than the signed one: altered, truncated, or too large.
    publish(editionTwo(), eventsTwo() + "1=x 1\n", feedBody(editionTwo(), eventsTwo()));
    EXPECT_EQ(refusal().first, UpdateCheck::Refusal::damaged);
    EXPECT_NE(refusal().second.find("is not the file the feed signed"), std::string::npos);
    publish(editionTwo().substr(0, 5000), eventsTwo(), feedBody(editionTwo(), eventsTwo()));
    EXPECT_EQ(refusal().first, UpdateCheck::Refusal::damaged);
    const std::string huge(kDataFileLimit + 1, ';');
    publish(huge, eventsTwo(), feedBody(huge, eventsTwo()));
    EXPECT_EQ(refusal().first, UpdateCheck::Refusal::damaged);
    // Signed files that do not check, or whose table is of another edition.
    const std::string broken = replaced(editionTwo(), "1448=", "1448=1");
    publish(broken, eventsTwo(), feedBody(broken, eventsTwo()));
    EXPECT_EQ(refusal().first, UpdateCheck::Refusal::damaged);
    publish(editionTwo(), eventsTwo(), feedBody(editionTwo(), eventsTwo(), 3));
    EXPECT_EQ(refusal().second, "the new calendar.ini does not check, or is not of edition 3");
    // A feed not Velmora's, and no feed at all.
    publish(editionTwo(), eventsTwo(), feedBody(editionTwo(), eventsTwo()));
    site.files[std::string(kFeedUrl)] = ThrowawayKey().signedFeed(feedBody(editionTwo(), eventsTwo()));
    EXPECT_EQ(refusal().first, UpdateCheck::Refusal::untrusted);
    site.files.clear();
    EXPECT_EQ(refusal().first, UpdateCheck::Refusal::unreachable);
}

class UpdateApply : public ::testing::Test {
  protected:
    UpdateCheck editionTwoCheck() {
        Site site;
        site.files = {{std::string(kFeedUrl), key_.signedFeed(feedBody(editionTwo(), eventsTwo()))},
                      {"https://example.org/velmora/calendar.ini", editionTwo()},
                      {"https://example.org/velmora/events.ini", eventsTwo()}};
        return checkForUpdate(kFeedUrl, key_.publicKey(), 1, "4.5.0", site.fetcher());
    }
    std::string file(const std::string& name) const { return readBytes(folder_.path() / name); }

    ThrowawayKey key_;
    TempFolder folder_;
};

TEST_F(UpdateApply, CarriesACorrectionAndKeepsTheOldFiles) {
    const std::string corrected = correctLunarTable(shippedCalendar(), {{1449, 12, 29}}).text;
    ASSERT_NE(corrected, shippedCalendar());
    folder_.write("calendar.ini", corrected);
    folder_.write("events.ini", shippedEvents());
    const AppliedUpdate applied = applyDataUpdate(folder_.path(), editionTwoCheck());
    ASSERT_EQ(applied.problem, "");
    EXPECT_FALSE(applied.carried.empty());
    const std::string table = file("calendar.ini");
    EXPECT_EQ(readDataEdition(table).number, 2);
    // The user's correction stands in the new table: Dhu al-Hijja 1449 still ends a day early.
    EXPECT_EQ(IniFile::parse(table).find(u"1449", u"12"), u"29");
    EXPECT_NE(table.find("correction 1449/12=29 days"), std::string::npos);
    EXPECT_EQ(file("events.ini"), eventsTwo());
    EXPECT_EQ(file("calendar.ini.bak"), corrected);
    EXPECT_EQ(file("events.ini.bak"), shippedEvents());
    // An unedited events.ini is not kept as the user's.
    EXPECT_TRUE(applied.keptEvents.empty());
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "events (your edits).ini"));
}

// Scoop links the files a user changes from a folder of its own: the link holds.
TEST_F(UpdateApply, AFileWithASecondNameIsWrittenThroughIt) {
    folder_.write("calendar.ini", shippedCalendar());
    folder_.write("events.ini", shippedEvents());
    std::filesystem::create_directories(folder_.path() / "persist");
    std::filesystem::create_hard_link(folder_.path() / "events.ini", folder_.path() / "persist" / "events.ini");
    ASSERT_EQ(applyDataUpdate(folder_.path(), editionTwoCheck()).problem, "");
    EXPECT_EQ(file("persist/events.ini"), eventsTwo());
    EXPECT_EQ(std::filesystem::hard_link_count(folder_.path() / "events.ini"), 2u);
    EXPECT_EQ(file("events.ini.bak"), shippedEvents());
}

TEST_F(UpdateApply, KeepsEveryGenerationOfAnEditedEventsFile) {
    const std::string edited = shippedEvents() + "[01]\n1=my own occasion 1\n";
    folder_.write("calendar.ini", shippedCalendar());
    folder_.write("events.ini", edited);
    folder_.write("events (your edits).ini", "an older generation");
    const AppliedUpdate applied = applyDataUpdate(folder_.path(), editionTwoCheck());
    ASSERT_EQ(applied.problem, "");
    EXPECT_EQ(applied.keptEvents.filename(), "events (your edits 2).ini");
    EXPECT_EQ(file("events (your edits 2).ini"), edited);
    EXPECT_EQ(file("events (your edits).ini"), "an older generation");
    EXPECT_EQ(file("events.ini"), eventsTwo());
    EXPECT_EQ(file("calendar.ini"), editionTwo());
}

TEST_F(UpdateApply, AFolderThatCannotBeWrittenChangesNothingAndTheProfileTakesTheEdition) {
    // A "folder" that is a file cannot hold the new files.
    folder_.write("calendar.ini", correctLunarTable(shippedCalendar(), {{1449, 12, 29}}).text);
    folder_.write("events.ini", shippedEvents());
    const std::filesystem::path blocked = folder_.path() / "calendar.ini" / "program";
    EXPECT_NE(applyDataUpdate(blocked, editionTwoCheck()).problem, "");
    EXPECT_EQ(file("events.ini"), shippedEvents());

    // The program's folder is read-only here: the profile gets the edition, with the
    // program folder's correction carried, and is read from then on.
    const std::filesystem::path program = folder_.path() / "program";
    const std::filesystem::path profile = folder_.path() / "profile";
    std::filesystem::create_directories(program);
    std::filesystem::copy_file(folder_.path() / "calendar.ini", program / "calendar.ini");
    std::filesystem::copy_file(folder_.path() / "events.ini", program / "events.ini");
    EXPECT_EQ(chooseDataFolder(program, profile), program);
    const UpdateCheck update = editionTwoCheck();
    // Writing into program fails when it is replaced by a file of the same name.
    const std::filesystem::path unwritable = folder_.path() / "events.ini" / "x";
    AppliedUpdate applied = takeUpEdition(unwritable, profile, update);
    EXPECT_EQ(applied.problem, "");
    EXPECT_EQ(applied.folder, profile);
    applied = takeUpEdition(program, profile, update);
    EXPECT_EQ(applied.folder, program);  // a folder that can be written keeps its files
    std::filesystem::remove_all(profile);
    ASSERT_EQ(applyDataUpdate(profile, update, folder_.path()).problem, "");
    EXPECT_EQ(IniFile::parse(readBytes(profile / "calendar.ini")).find(u"1449", u"12"), u"29");
    std::filesystem::copy_file(folder_.path() / "calendar.ini", program / "calendar.ini",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(chooseDataFolder(program, profile), profile);
    EXPECT_EQ(chooseDataFolder(program, {}), program);
}

}  // namespace
}  // namespace velmora
