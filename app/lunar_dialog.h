// Option > Correct Lunar Month…: the lunar months from the last official one to a year ahead,
// and the first day the user says a month began on. Modal over the main window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/data_watch.h"
#include "app/window_object.h"
#include "data/replace_file.h"
#include "decisions/lunar_months.h"

namespace velmora {

class LunarDialog : public DialogObject<LunarDialog> {
  public:
    // The table is read from, and written through, the window's data watch, which tells the
    // window of each write.
    LunarDialog(HINSTANCE instance, const Catalogue& words, CivilDate today, DataWatch& data);

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
    DataWatch& data_;
    std::vector<LunarMonthRow> rows_;
    std::vector<LunarStartOption> options_;
};

}  // namespace velmora
