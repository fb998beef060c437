// Option > Convert Date… (the tray menu and Ctrl+G too): a date typed, pasted or picked in any
// of the three calendars, shown at once in the three with its weekday, occasions and distance
// from today; the span from it to another date; the date some days, months or years on; and
// "Show in calendar". Modal over the main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/catalogue.h"
#include "app/window_object.h"
#include "decisions/date_at_hand.h"

namespace velmora {

class ConvertDialog : public DialogObject<ConvertDialog> {
  public:
    // Opens on day `start` written in the calendar `mode`; distances count from `today`.
    ConvertDialog(HINSTANCE instance, const Catalogue& words, const CalendarData& data, DayNumber today, Calendar mode,
                  DayNumber start);

    // The day "Show in calendar" asks the window to show, or none when the dialog is closed.
    std::optional<DayNumber> run(HWND owner);

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void fillCalendarBox(int id, Calendar chosen);
    void fillMonthsAndDays(Calendar calendar);
    Calendar chosenCalendar(int id) const;
    // Writes a date into the date box (in the interface's digits) and the pickers.
    void writeDate(int id, Calendar calendar, DayNumber day);
    // The typed date changed: the pickers and the calendar follow, and the answers.
    void onTyped();
    // A picker changed: the date box says the picked date, and the answers follow.
    void onPicked();
    // Every answer anew from what the boxes say; sayAgain tells a screen reader even of an
    // answer that stayed the same (Enter).
    void answer(bool sayAgain = false);
    void say(int id, const std::u16string& text, bool sayAgain = false);
    std::u16string text(int id) const;

    HINSTANCE instance_;
    const Catalogue& words_;
    const CalendarData& data_;
    DayNumber today_;
    Calendar mode_;
    DayNumber start_;
    Calendar chosen_;  // the calendar the user chose to read typed dates in
    std::optional<TypedDate> typed_;
    std::optional<DayNumber> day_;  // the typed date's, when the calendar has it
    bool filling_ = false;          // while the dialog writes its own boxes
};

}  // namespace velmora
