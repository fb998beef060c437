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
    // window of each write. A double-click opens it on a day: `start` in the calendar of the
    // view it was shown in.
    MyDaysDialog(HINSTANCE instance, const Catalogue& words, DataWatch& data,
                 std::optional<CivilDate> start = std::nullopt, Calendar startCalendar = Calendar::jalali);

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

    HINSTANCE instance_;
    const Catalogue& words_;
    DataWatch& data_;
    std::optional<CivilDate> start_;
    Calendar startCalendar_;
    std::vector<MyDay> days_;  // as listed
};

}  // namespace velmora
