// What the tray icon tells in a balloon by itself, each once across restarts and sleep (kept
// under HKCU\Software\Velmora): the user's own days of today (and, when asked, tomorrow's in
// the evening), that the lunar dates ahead are predictions, and where a closed window went.
// Windows only.
#pragma once

#include "app/catalogue.h"
#include "app/tray_icon.h"
#include "decisions/data_age.h"
#include "decisions/day_change.h"
#include "decisions/prayer_day.h"
#include "occasions/occasions.h"

namespace velmora {

// At a look at the clock; nothing while the icon is not there, or with reminders off.
void remindOfMyDays(TrayIcon& tray, const CalendarData& data, const LocalTime& now, const Catalogue& words,
                    bool remindersOn, bool eveningBefore);
// Once for each table, from 30 days before its first predicted month.
void tellOfPredictedMonths(TrayIcon& tray, const CalendarData& data, const CivilDate& today, const Catalogue& words);
// At a look at the clock: the reminders of the times of prayer due now, each once, with the
// sound the user chose; when to look again (minutes from the start of today), if ever.
std::optional<std::int32_t> remindOfPrayers(TrayIcon& tray, const PrayerSettings& settings, const LocalTime& now,
                                            const DayPrayerTimes& yesterday, const DayPrayerTimes& today,
                                            const DayPrayerTimes& tomorrow, const Catalogue& words);

// Once for each way the data falls behind (today in a month the lunar table only predicts, or
// past the year of events.ini's holidays): that it is out of date, and how to update it. True
// when the balloon was shown.
bool tellOfOutOfDateData(TrayIcon& tray, const CalendarData& data, const CivilDate& today, const Catalogue& words);
// What that balloon and About say of data that fell behind; empty while it is up to date.
std::u16string outOfDateNote(const DataAge& age, const CalendarData& data, const Catalogue& words);

// The first time the window is closed: that Velmora goes on in the notification area, and how
// to end it.
void tellOfClosingToTray(TrayIcon& tray, const Catalogue& words);

}  // namespace velmora
