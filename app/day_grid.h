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

namespace velmora {

class GridAccessible;

class DayGrid {
  public:
    // What the grid asks of its owner.
    struct Owner {
        std::function<void(std::uint16_t key)> keyDown;  // an arrow or Enter
        std::function<void()> focusChanged;
        std::function<std::u16string()> name;  // the grid's own: the month it shows
        // Each day of the shown month, day 1 first: what a screen reader says of it, and its
        // cell in the grid window's client coordinates.
        std::function<std::vector<std::pair<std::u16string, RECT>>()> days;
        std::function<std::int32_t()> cursorDay;
    };

    DayGrid(HWND parent, HINSTANCE instance, int id, Owner owner);
    ~DayGrid();
    DayGrid(const DayGrid&) = delete;
    DayGrid& operator=(const DayGrid&) = delete;

    HWND handle() const { return window_; }
    bool focused() const { return focused_; }
    // Tells screen readers that the cursor is on another day (or the month changed).
    void cursorMoved();

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool focused_ = false;  // between WM_SETFOCUS and WM_KILLFOCUS
    Owner owner_;
    GridAccessible* accessible_ = nullptr;

    friend class GridAccessible;
};

}  // namespace velmora
