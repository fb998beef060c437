// Option > My Days… (and a double-click on a day): the user's own days, added, changed and
// removed, and written to my-days.ini at once. Modal over the main window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/window_object.h"
#include "decisions/my_days_form.h"

namespace velmora {

class MyDaysDialog : public DialogObject<MyDaysDialog> {
  public:
    // The data as the window reads it now; and the window's way of writing my-days.ini, which
    // answers the problem (empty on success) and shows the days everywhere.
    using DataReader = std::function<const CalendarData&()>;
    using DaysWriter = std::function<std::string(const std::vector<MyDay>&)>;

    // A double-click opens it on a day: `start` in the calendar of the view it was shown in.
    MyDaysDialog(HINSTANCE instance, const Catalogue& words, DataReader data, DaysWriter write,
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
    void save(std::vector<MyDay> days, const MyDay* select);
    std::int32_t selectedIndex() const;

    HINSTANCE instance_;
    const Catalogue& words_;
    DataReader data_;
    DaysWriter write_;
    std::optional<CivilDate> start_;
    Calendar startCalendar_;
    std::vector<MyDay> days_;  // as listed
};

}  // namespace velmora
