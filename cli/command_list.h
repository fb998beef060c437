// The commands of velmora-cli, one function each.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct CommandContext {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    std::filesystem::path dataFolder;
};

inline constexpr std::string_view kVersion = VELMORA_VERSION;

inline constexpr std::string_view kUsage =
    "usage:\n"
    "  velmora-cli convert [--data DIR] [--from jalali|gregorian|hijri|jdn] [DATE ...]\n"
    "      DATE is Y-M-D or Y/M/D, in ASCII, Persian or Arabic-Indic digits (the year may be\n"
    "      negative) or, with --from jdn, a day number; with no DATE one date per line is\n"
    "      read from standard input. Prints the day number, the Gregorian, Solar Hijri and\n"
    "      lunar Hijri dates and the weekday, tab-separated.\n"
    "  velmora-cli diff [--data DIR] [--from CAL] [--to CAL] DATE1 DATE2\n"
    "      The days from DATE1 (in the --from calendar, default gregorian) to DATE2 (in --to,\n"
    "      default the same), negative when DATE2 is earlier, then the years, months and days\n"
    "      from the earlier to the later counted in the --from calendar's months (as an age\n"
    "      is: the 31st plus a month is the next month's last day when it is shorter),\n"
    "      tab-separated. CAL is jalali, gregorian or hijri; dates as convert reads them.\n"
    "  velmora-cli add [--data DIR] [--from CAL] DATE STEP\n"
    "      The date STEP from DATE, printed as convert prints it. STEP is a whole number of\n"
    "      days, or one followed by d, w, m or y (32, -32d, 2w, 6m, -1y); months and years\n"
    "      are the --from calendar's, the day kept or, in a shorter month, its last.\n"
    "  velmora-cli today [--data DIR]\n"
    "      Today's date in the three calendars, as convert prints it, and its occasions.\n"
    "  velmora-cli occasions [--data DIR] [YEAR MONTH]\n"
    "      The occasions of a Solar Hijri month (default: this month): date, holiday (1/0),\n"
    "      the Solar Hijri, lunar Hijri and Gregorian texts, then the user's own days from\n"
    "      my-days.ini (\"personal: TEXT\"), tab-separated.\n"
    "  velmora-cli holidays [--data DIR] [YEAR]\n"
    "      Every holiday of a Solar Hijri year (default: this year): Solar Hijri date,\n"
    "      Gregorian date, weekday and the occasion that makes it a holiday.\n"
    "  velmora-cli ics [--data DIR] [--holidays-only] [--my-days] [YEAR]\n"
    "      An iCalendar file of a Solar Hijri year's (default: this year's) holidays and\n"
    "      occasions, one all-day event a day, for Outlook, Thunderbird or a phone calendar;\n"
    "      with --my-days the user's own days too. Importing it again updates the events.\n"
    "  velmora-cli owghat [DATE] [--city NAME | --at LAT,LON] [--method institute|jafari] [--asr-isha]\n"
    "  velmora-cli owghat --month YEAR-MONTH | --year YEAR [--city NAME | --at LAT,LON] ...\n"
    "      The times of prayer of a Solar Hijri DATE (default: today) at one of Iran's 31\n"
    "      provincial capitals (English or Persian name; default Tehran, in Iran Standard\n"
    "      Time) or at LAT,LON (degrees north and east, in this computer's time zone): Fajr,\n"
    "      Sunrise, Dhuhr, Sunset, Maghrib and Midnight by the Institute of Geophysics'\n"
    "      method (or the Jafari), rounded to the minute as its tables are; with --asr-isha\n"
    "      also Asr and Isha, which no official table gives. --month and --year print a line\n"
    "      a day: the date and the six times (then Asr and Isha), tab-separated, \"-\" where\n"
    "      the Sun does not come to the time's angle.\n"
    "  velmora-cli check [--data DIR]\n"
    "      Validates calendar.ini and events.ini.\n"
    "  velmora-cli lunar show [--data DIR] [YEAR]\n"
    "      The months of a lunar Hijri year (default: this one): the 1st in the three\n"
    "      calendars, the length, and where it comes from (official, published, predicted,\n"
    "      corrected).\n"
    "  velmora-cli lunar start [--data DIR] [--official] [--from jalali] YEAR-MONTH DATE\n"
    "      The month begins on DATE (Gregorian, or Solar Hijri with --from jalali), as Iran\n"
    "      announces it (\"tomorrow is the 1st of Shawwal\"): the month before it and the month\n"
    "      itself change length, every later month stays. Refused when either would have other\n"
    "      than 29 or 30 days. The previous calendar.ini is kept as calendar.ini.bak.\n"
    "  velmora-cli lunar set [--data DIR] [--official] YEAR-MONTH DAYS [YEAR-MONTH DAYS ...]\n"
    "      Gives a month 29 or 30 days; every later date moves with it, so a change that\n"
    "      would give its year other than 353 to 355 days is refused (lunar start is then\n"
    "      what was meant). A month marked official (confirmed by its announcement) changes\n"
    "      only with --official, with either command. Both record the change in [source].\n"
    "  velmora-cli lunar undo [--data DIR]\n"
    "      Takes back every correction: the months are as shipped again.\n"
    "  velmora-cli lunar carry [--data DIR] OLDFILE\n"
    "      Carries the corrections of an older calendar.ini into the new one (the installer\n"
    "      does this); a month the new table holds as official or published keeps its days.\n"
    "  velmora-cli update [--feed URL] [--trust PUBLIC_KEY_FILE] [--data DIR] [--check-only]\n"
    "      Brings calendar.ini and events.ini up to the newest edition of Velmora's signed\n"
    "      feed (or the feed at URL, which may be a file): the feed's signature and each\n"
    "      file's SHA-256 are verified, the lunar corrections are carried into the new table\n"
    "      and an edited events.ini is kept as \"events (your edits).ini\"; the previous files\n"
    "      stay as .bak. --trust verifies with another key (a feed of one's own); with\n"
    "      --check-only it only says what there is. Exit status 0 when updated or already\n"
    "      current, 1 when refused (the reason is printed), 2 for bad use.\n"
    "  --data DIR reads calendar.ini and events.ini from DIR instead of the program's folder.\n"
    "  velmora-cli --version prints the version; velmora-cli COMMAND --help one command's use.\n";

int convertCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int checkCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int occasionsCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int holidaysCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int lunarCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int icsCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int todayCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int diffCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int addCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int updateCommand(const std::vector<std::string_view>& args, const CommandContext& context);
int owghatCommand(const std::vector<std::string_view>& args, const CommandContext& context);

// The lines of kUsage that describe one command; empty for a command it does not name.
std::string commandUsage(std::string_view command);

}  // namespace velmora::cli
