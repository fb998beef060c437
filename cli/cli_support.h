// What the commands of velmora-cli share: the data files, options and date text.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_number.h"
#include "calendar/hijri.h"
#include "calendar/month_names.h"
#include "data/integer_text.h"
#include "occasions/calendar_files.h"
#include "occasions/occasions.h"

namespace velmora::cli {

// The arguments of a command with "--data DIR" taken out.
// A folder given with --data must exist and hold calendar.ini or events.ini; status is the
// exit status when the options cannot stand (1 for such a folder, 2 for a missing one).
struct CommonOptions {
    std::filesystem::path dataFolder;
    std::vector<std::string_view> rest;
    int status = 0;
};
CommonOptions takeDataOption(const std::vector<std::string_view>& args, const std::filesystem::path& defaultFolder,
                             std::ostream& err);

// A date or a number as the user may type it: digits of any script (Persian and
// Arabic-Indic ones included) become ASCII digits, and "/" becomes "-".
std::string plainDigits(std::string_view text);
// A date as readDate reads it ("Y-M-D", "Y/M/D" or "D MONTH Y", in the digits of any script;
// the year may carry a leading "-"), with the month names of the calendar; years beyond
// +-99999 are none.
std::optional<CivilDate> parseDate(std::string_view text, Calendar calendar = Calendar::gregorian);

// The same written into a buffer with room for them (20 characters a number, 30 a date),
// returning the end: a batch writes a whole line before it appends it.
char* writeNumber(char* out, std::int64_t value);
char* writeDate(char* out, const CivilDate& date);

void appendNumber(std::string& out, std::int64_t value);
void appendTwoDigits(std::string& out, std::int32_t value);
// The year in plain decimal, then the month and the day with two digits each.
void appendDate(std::string& out, const CivilDate& date);
std::string dateText(const CivilDate& date);

// Text from the command line or a file as a message may echo it: control characters written
// as \xNN, at most `limit` bytes, never cut inside a UTF-8 character.
std::string shown(std::string_view text, std::size_t limit = 80);

// An occasion for a tab-separated column: a tab, a line break or another control character
// written as \t, \n, \r or \uXXXX, so that it never splits the line.
std::string columnText(std::u16string_view text);

// Says once on err when calendar.ini has errors, and so is not used: where the first is.
void warnIfCalendarDamaged(const CalendarFiles& files, std::ostream& err);

// Today's Gregorian date by the local clock.
CivilDate localDate();

// Reads an optional "YEAR" or "YEAR MONTH" of the Solar Hijri calendar; the current ones by
// default. False (with a message) when the words are not that.
bool readJalaliYearMonth(const std::vector<std::string_view>& words, bool withMonth, CivilDate& result,
                         std::ostream& err);

}  // namespace velmora::cli
