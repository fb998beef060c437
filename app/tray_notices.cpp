#include "app/tray_notices.h"

#include "app/user_settings.h"
#include "decisions/lunar_months.h"
#include "decisions/my_days_form.h"
#include "decisions/reading_order.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

constexpr wchar_t kPredictionNoticeValue[] = L"PredictedMonthsTold";  // the first predicted month told of
constexpr wchar_t kRemindedValue[] = L"MyDaysReminded";               // the reminders given, a line each
constexpr wchar_t kClosingToldValue[] = L"ClosingToTrayTold";         // "yes" once told

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

void tellOfClosingToTray(TrayIcon& tray, const Catalogue& words) {
    if (readUserSetting(kClosingToldValue) == u"yes") return;
    if (tray.balloon(balloonText(words.text(IDS_CLOSED_TO_TRAY_TITLE), words.language()),
                     balloonText(words.text(IDS_CLOSED_TO_TRAY), words.language())))
        writeUserSetting(kClosingToldValue, u"yes");
}

}  // namespace velmora
