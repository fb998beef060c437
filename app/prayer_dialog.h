// Option > Prayer Times…: the city (typed to filter, in either script) or a place of the
// user's own, the method, Asr and Isha, the band in the window, and the reminders with their
// minutes before and sound. Modal over the main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/window_object.h"
#include "astronomy/places.h"
#include "decisions/prayer_day.h"

namespace velmora {

class PrayerDialog : public DialogObject<PrayerDialog> {
  public:
    PrayerDialog(HINSTANCE instance, const Catalogue& words, PrayerSettings settings);

    // The settings chosen, or none when the user cancels.
    std::optional<PrayerSettings> run(HWND owner);

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void show();
    // The capitals whose names hold what the filter says, the chosen one kept selected.
    void fillCities();
    const City* selectedCity() const;
    // Asr and Isha are reminded of only while shown: their boxes are offered with them.
    void offerAsrAndIshaReminders();
    void browseForSound();
    // The settings as the dialog says them, or none with the note saying what is wrong.
    std::optional<PrayerSettings> read();
    void say(UINT text);

    HINSTANCE instance_;
    const Catalogue& words_;
    PrayerSettings settings_;
    std::vector<const City*> listed_;
    std::u16string chosenCity_;  // the English name of the city last selected
    bool filling_ = false;       // while the dialog writes its own controls
};

}  // namespace velmora
