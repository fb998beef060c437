// The modeless dialog that lists every occasion of a Solar Hijri month.
#pragma once

#include <windows.h>

#include <functional>

#include "app/gdi_surface.h"
#include "app/window_object.h"
#include "render/month_layout.h"

namespace velmora {

class OccasionsDialog : public DialogObject<OccasionsDialog> {
  public:
    // monthToList lays out the month to list, with the data as the files hold it now.
    OccasionsDialog(HINSTANCE instance, const PaintResources& resources, std::function<MonthLayout()> monthToList);
    ~OccasionsDialog();

    // Creates the dialog over the owner, as tall as the month's lines need, and shows it.
    bool open(HWND owner);
    bool isOpen() const { return handle() != nullptr; }
    void close();

    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    INT_PTR onPaint();
    void fitPageTo(HWND list, int bottom);

    HINSTANCE instance_;
    const PaintResources& resources_;
    std::function<MonthLayout()> monthToList_;
};

}  // namespace velmora
