// The modeless dialog that lists every occasion of a Solar Hijri month. There is one: a
// second click of the occasions button brings it forward, and while it is open it follows the
// month the main window shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/gdi_surface.h"
#include "app/window_object.h"
#include "decisions/day_reading.h"
#include "render/month_layout.h"
#include "render/occasions_dialog.h"
#include "render/scaled_surface.h"

namespace velmora {

class OccasionsDialog : public DialogObject<OccasionsDialog> {
  public:
    OccasionsDialog(HINSTANCE instance, const PaintResources& resources);
    ~OccasionsDialog();

    // Opens the dialog over the owner on a month, or brings the open one forward.
    void open(HWND owner, ListedMonth month);
    // The main window shows another month, or its data changed: list it, sized to it, from
    // its first line.
    void follow(ListedMonth month);
    // Shows the lines of a day of the listed month, chosen in the list.
    void showDay(std::int32_t day);
    bool isOpen() const { return handle() != nullptr; }
    void close();

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    INT_PTR onInit();
    void paintList();
    INT_PTR onNotify(LPARAM lParam);
    static LRESULT CALLBACK listProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    DisplayScale scale() const { return {static_cast<std::int32_t>(resources_.fonts.dpi())}; }
    // Scrolls as little as shows the lines of the chosen day.
    void showChosenDay();
    INT_PTR onScroll(WORD request);
    INT_PTR onWheel(WPARAM wParam);
    // Makes the page as tall as the month's lines (never shorter than designed, never taller
    // than the screen's work area); what does not fit scrolls.
    void fitPage();
    void scrollTo(int offset);

    HINSTANCE instance_;
    const PaintResources& resources_;
    ListedMonth month_;
    std::vector<ListedDay> listed_;  // the days the page lists, with their lines
    HWND list_ = nullptr;
    HWND scrollBar_ = nullptr;
    RECT designedList_{};  // the list view as the template places it, in dialog client pixels
    RECT designedBox_{};   // the dialog as created, in screen pixels
    int pageHeight_ = 0;   // the month's lines, unscrolled
    int scrolled_ = 0;
    Language language_ = Language::english;  // of the dialog as made: mirrored in Persian
};

}  // namespace velmora
