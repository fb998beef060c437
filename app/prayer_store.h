// The user's choices of Option > Prayer Times…, as kept under HKCU\Software\Velmora. Windows only.
#pragma once

#include "decisions/prayer_day.h"

namespace velmora {

PrayerSettings loadPrayerSettings();
void savePrayerSettings(const PrayerSettings& settings);

}  // namespace velmora
