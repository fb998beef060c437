// The window of the days' cells. The main window's paint draws the grid; this window, laid
// over it, paints nothing and lets the mouse through, but takes the keyboard (the arrows move
// the day cursor, Enter opens the day's occasions) and answers screen readers with an
// accessible object whose children are the month's days. Windows only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "decisions/language.h"
#include "render/month_layout.h"
#include "render/scaled_surface.h"

namespace velmora {

class GridAccessible;

// What the grid holds of the shown month, as its owner hands it over whenever that changes.
struct GridDays {
    std::u16string name;  // the grid's own: the month it shows
    // Each day of the month, day 1 first: what a screen reader says of it, and its cell in the
    // grid window's client coordinates.
    std::vector<std::pair<std::u16string, RECT>> days;
    std::int32_t cursorDay = 0;
};

// The grid tells its parent of an arrow or Enter by WM_COMMAND, with its id in the low word
// of wParam and the key in the high word; a change of focus repaints the parent, which draws
// the cursor only while the grid has the focus.
class DayGrid {
  public:
    DayGrid(HWND parent, HINSTANCE instance, int id);
    ~DayGrid();
    DayGrid(const DayGrid&) = delete;
    DayGrid& operator=(const DayGrid&) = delete;

    HWND handle() const { return window_; }
    bool focused() const { return focused_; }
    void show(GridDays days) { days_ = std::move(days); }
    // The days of a laid-out month, as the paint places them in a client area of width by
    // height (96-dpi pixels) at scale, read in the language; name is the month's. place is
    // where the grid's window stands in the paint's pixels, from the left of the client area.
    void showMonth(const MonthLayout& layout, std::u16string name, std::int32_t cursorDay, Language language,
                   const DisplayScale& scale, std::int32_t width, std::int32_t height, const RECT& place);
    // Tells screen readers that the cursor is on another day (or the month changed).
    void cursorMoved();
    // What is said of a day after its date (its times of prayer), its separator first, asked
    // of the owner only when a screen reader asks for the day; empty says nothing more.
    void sayAlso(std::function<std::u16string(std::int32_t day)> words) { moreWords_ = std::move(words); }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool focused_ = false;  // between WM_SETFOCUS and WM_KILLFOCUS
    GridDays days_;
    std::function<std::u16string(std::int32_t day)> moreWords_;
    GridAccessible* accessible_ = nullptr;

    friend class GridAccessible;
};

}  // namespace velmora
