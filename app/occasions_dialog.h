// The modeless dialog that lists every occasion of a Solar Hijri month. There is one: a
// second click of the occasions button brings it forward, and while it is open it follows the
// month the main window shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/gdi_surface.h"
#include "app/window_object.h"
#include "render/month_layout.h"

namespace velmora {

class OccasionsDialog : public DialogObject<OccasionsDialog> {
  public:
    // monthToList lays out the month to list, with the data as the files hold it now;
    // titleOf names it in the dialog's title.
    OccasionsDialog(HINSTANCE instance, const PaintResources& resources, std::function<MonthLayout()> monthToList,
                    std::function<std::u16string(const MonthLayout&)> titleOf);
    ~OccasionsDialog();

    // Opens the dialog over the owner, or brings the open one forward.
    void open(HWND owner);
    // The main window shows another month: list it, sized to it, from its first line.
    void follow();
    bool isOpen() const { return handle() != nullptr; }
    void close();

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    INT_PTR onInit();
    INT_PTR onPaint();
    INT_PTR onScroll(WORD request);
    INT_PTR onWheel(WPARAM wParam);
    // Makes the page as tall as the month's lines (never shorter than designed, never taller
    // than the screen's work area); what does not fit scrolls.
    void fitPage();
    void scrollTo(int offset);

    HINSTANCE instance_;
    const PaintResources& resources_;
    std::function<MonthLayout()> monthToList_;
    std::function<std::u16string(const MonthLayout&)> titleOf_;
    HWND list_ = nullptr;
    HWND scrollBar_ = nullptr;
    RECT designedList_{};  // the list view as the template places it, in dialog client pixels
    RECT designedBox_{};   // the dialog as created, in screen pixels
    int pageHeight_ = 0;   // the month's lines, unscrolled
    int scrolled_ = 0;
};

}  // namespace velmora
