// Option > My Days… (and a double-click on a day): the user's own days, added, changed and
// removed, and written to my-days.ini at once. Modal over the main window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/data_watch.h"
#include "app/window_object.h"
#include "decisions/my_days_form.h"

namespace velmora {

class MyDaysDialog : public DialogObject<MyDaysDialog> {
  public:
    // The days are read from, and written through, the window's data watch, which tells the
    // window of each write. A new day starts on `start`, the shown or clicked day in the
    // calendar of the view. A double-click opens it on a day (`clicked`): on the user's first
    // day there when it has one, else on a new day of that date with the text to write.
    MyDaysDialog(HINSTANCE instance, const Catalogue& words, DataWatch& data, CivilDate start, Calendar startCalendar,
                 std::optional<DayNumber> clicked = std::nullopt);

    void run(HWND owner);

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void fillList(const std::optional<MyDay>& select);
    void fillMonths(Calendar calendar, std::int32_t month);
    void showDay(const MyDay& day);
    MyDayForm form() const;
    // Says whether the typed day comes every year.
    void explain();
    // Makes the change in my-days.ini as it is now, then lists the file's days.
    void save(const MyDayEdit& change, const MyDay* select);
    std::int32_t selectedIndex() const;
    // Change and Remove act on the chosen day: greyed while none is.
    void offerChoice();
    // Removes the chosen day once the user says yes.
    void removeChosen();
    // The day's box takes digits only.
    static LRESULT CALLBACK dayBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);

    HINSTANCE instance_;
    const Catalogue& words_;
    DataWatch& data_;
    CivilDate start_;
    Calendar startCalendar_;
    std::optional<DayNumber> clicked_;
    std::vector<MyDay> days_;  // as listed
};

}  // namespace velmora
