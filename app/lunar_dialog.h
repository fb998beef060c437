// Option > Correct Lunar Month…: the lunar months from the last official one to a year ahead,
// and the first day the user says a month began on. Modal over the main window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/window_object.h"
#include "data/replace_file.h"
#include "decisions/lunar_months.h"

namespace velmora {

class LunarDialog : public DialogObject<LunarDialog> {
  public:
    // The data as the window reads it now; and the window's way of rewriting calendar.ini,
    // which answers the problem (empty on success) and shows the new table everywhere.
    using DataReader = std::function<const CalendarData&()>;
    using TableEditor = std::function<std::string(const std::function<EditedText(std::string_view)>&)>;

    LunarDialog(HINSTANCE instance, const Catalogue& words, CivilDate today, DataReader data, TableEditor edit);

    void run(HWND owner);

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // Lists the months again from the table, selecting the month `keep` (year * 100 + month)
    // or the first predicted one.
    void fill(std::int32_t keep);
    // The two days the selected month can begin on, the one it begins on now checked.
    void showOptions();
    void apply();
    void undo();
    // True when the table was written; else tells the user why not.
    bool written(const std::string& problem);
    void say(UINT text, std::u16string_view insert = {});
    const LunarMonthRow* selected() const;

    HINSTANCE instance_;
    const Catalogue& words_;
    CivilDate today_;
    DataReader data_;
    TableEditor edit_;
    std::vector<LunarMonthRow> rows_;
    std::vector<LunarStartOption> options_;
};

}  // namespace velmora
