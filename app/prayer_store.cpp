#include "app/prayer_store.h"

#include "app/user_settings.h"

namespace velmora {
namespace {

// The values' names, in the order of StoredPrayerSettings.
constexpr const wchar_t* kNames[] = {L"PrayerPlace",     L"PrayerMethod",          L"PrayerAsrIsha", L"PrayerShown",
                                     L"PrayerReminders", L"PrayerReminderMinutes", L"PrayerSound"};

std::u16string* fieldsOf(StoredPrayerSettings& stored, std::size_t i) {
    std::u16string* fields[] = {&stored.place,     &stored.method,        &stored.asrAndIsha, &stored.shown,
                                &stored.reminders, &stored.minutesBefore, &stored.sound};
    return fields[i];
}

}  // namespace

PrayerSettings loadPrayerSettings() {
    StoredPrayerSettings stored;
    for (std::size_t i = 0; i < std::size(kNames); ++i) *fieldsOf(stored, i) = readUserSetting(kNames[i]);
    return readPrayerSettings(stored);
}

void savePrayerSettings(const PrayerSettings& settings) {
    StoredPrayerSettings stored = storePrayerSettings(settings);
    for (std::size_t i = 0; i < std::size(kNames); ++i) writeUserSetting(kNames[i], *fieldsOf(stored, i));
}

}  // namespace velmora
