#include "app/tray_notices.h"

#include "app/user_settings.h"

#include <mmsystem.h>
#include "data/dll_search.h"
#include "decisions/data_age.h"
#include "decisions/lunar_months.h"
#include "decisions/my_days_form.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr wchar_t kPredictionNoticeValue[] = L"PredictedMonthsTold";  // the first predicted month told of
constexpr wchar_t kRemindedValue[] = L"MyDaysReminded";               // the reminders given, a line each
constexpr wchar_t kClosingToldValue[] = L"ClosingToTrayTold";         // "yes" once told
constexpr wchar_t kPrayerRemindedValue[] = L"PrayerReminded";         // the reminders given, a line each
constexpr wchar_t kOutOfDateToldValue[] = L"OutOfDateTold";           // what was told out of date

}  // namespace

void remindOfMyDays(TrayIcon& tray, const CalendarData& data, const LocalTime& now, const Catalogue& words,
                    bool remindersOn, bool eveningBefore) {
    if (!remindersOn || !tray.added()) return;
    const auto balloon =
        reminderBalloon(data, now, eveningBefore, readUserSetting(kRemindedValue), words.text(IDS_REMINDER_TOMORROW));
    if (balloon && tray.balloon(balloonText(words.text(balloon->today ? IDS_REMINDER_TODAY : IDS_REMINDER_TOMORROW),
                                            words.language()),
                                balloonText(balloon->text, words.language())))
        writeUserSetting(kRemindedValue, balloon->keptAfter);
}

void tellOfPredictedMonths(TrayIcon& tray, const CalendarData& data, const CivilDate& today, const Catalogue& words) {
    const auto notice = predictionNoticeDue(data, today, readUserSetting(kPredictionNoticeValue));
    if (!notice) return;
    const std::u16string month = predictionNoticeMonth(data, *notice, words.language());
    if (tray.balloon(balloonText(words.text(IDS_PREDICTED_NOTICE_TITLE), words.language()),
                     balloonText(withInsert(words.text(IDS_PREDICTED_NOTICE), month), words.language())))
        writeUserSetting(kPredictionNoticeValue, notice->key);
}

std::optional<std::int32_t> remindOfPrayers(TrayIcon& tray, const PrayerSettings& settings, const LocalTime& now,
                                            const DayPrayerTimes& yesterday, const DayPrayerTimes& today,
                                            const DayPrayerTimes& tomorrow, const Catalogue& words) {
    const std::u16string kept = readUserSetting(kPrayerRemindedValue);
    const PrayerReminders reminders = prayerReminders(settings, now, yesterday, today, tomorrow, toldKeys(kept));
    if (!tray.added()) return reminders.nextLook;
    const auto balloon = prayerBalloon(settings, now, reminders.due, kept, words.text(IDS_PRAYER_SOON),
                                       words.text(IDS_PRAYER_NOW), words.language());
    if (balloon &&
        tray.balloon(balloonText(balloon->title, words.language()), balloonText(balloon->text, words.language()))) {
        writeUserSetting(kPrayerRemindedValue, balloon->keptAfter);
        using PlaySound = BOOL(WINAPI*)(const wchar_t*, HMODULE, DWORD);
        const auto play = reinterpret_cast<PlaySound>(systemFunction(L"winmm.dll", "PlaySoundW"));
        if (!settings.sound.empty() && play != nullptr)
            play(reinterpret_cast<const wchar_t*>(settings.sound.c_str()), nullptr,
                 SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
    return reminders.nextLook;
}

std::u16string outOfDateNote(const DataAge& age, const CalendarData& data, const Catalogue& words) {
    const std::u16string lunar = words.text(IDS_OUT_OF_DATE_LUNAR);
    const std::u16string events = words.text(IDS_OUT_OF_DATE_EVENTS);
    const std::u16string how = words.text(IDS_OUT_OF_DATE_HOW);
    return outOfDateWords(age, data, words.language(), {lunar, events, how});
}

bool tellOfOutOfDateData(TrayIcon& tray, const CalendarData& data, const CivilDate& today, const Catalogue& words) {
    const DataAge age = dataAge(data, today);
    if (!age.outOfDate() || readUserSetting(kOutOfDateToldValue) == age.key) return false;
    const std::u16string text = outOfDateNote(age, data, words);
    if (!tray.balloon(balloonText(words.text(IDS_OUT_OF_DATE_TITLE), words.language()),
                      balloonText(text, words.language())))
        return false;
    writeUserSetting(kOutOfDateToldValue, age.key);
    return true;
}

void tellOfClosingToTray(TrayIcon& tray, const Catalogue& words) {
    if (readUserSetting(kClosingToldValue) == u"yes") return;
    if (tray.balloon(balloonText(words.text(IDS_CLOSED_TO_TRAY_TITLE), words.language()),
                     balloonText(words.text(IDS_CLOSED_TO_TRAY), words.language())))
        writeUserSetting(kClosingToldValue, u"yes");
}

}  // namespace velmora
