// The main window's child controls: the month buttons, the year box with its arrows, the
// three month boxes, the occasions button, and the tooltips of the buttons.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/gdi_surface.h"
#include "decisions/navigation.h"

namespace velmora {

class MainControls {
  public:
    // Creates the controls on the parent, sized by the dialog base units.
    MainControls(HWND parent, HINSTANCE instance, const ProgramFonts& fonts);

    HWND yearEdit() const { return yearEdit_; }
    HWND yearUpDown() const { return yearUpDown_; }
    HWND monthBox(Calendar mode) const { return monthBoxes_[calendarIndex(mode)]; }
    HWND previousMonthButton() const { return previousMonthButton_; }
    HWND nextMonthButton() const { return nextMonthButton_; }
    HWND allOccasionsButton() const { return allOccasionsButton_; }

    // Places the controls for a client area of w by h (less the borders, as the paint counts it).
    void layOut(std::int32_t w, std::int32_t h);
    // Where each control stands, in client coordinates, as last laid out.
    struct Place {
        HWND control;
        RECT rect;
    };
    const std::vector<Place>& places() const { return places_; }

    // The year typed in the year box since it was last written; nothing when it holds what
    // the program wrote.
    std::optional<std::int32_t> typedYear() const;

    // Writes what the controls show of the shown month, touching only what changed: the year
    // (also where the user typed in the box, with rewriteYear), the mode's month box, which
    // boxes and buttons are visible, and the buttons' tooltips.
    void show(const ShownMonth& shown, bool rewriteYear, std::u16string_view allOccasionsTip, Language language);
    // Lists the month names of the interface's language in the boxes.
    void setLanguage(Language language);

  private:
    HWND create(DWORD exStyle, const wchar_t* className, DWORD style, int id, int width, int height,
                const wchar_t* text = L"");
    void setBitmap(HWND button, int bitmapId);
    void updateTips(const MonthButtonTips& tips, std::u16string_view allOccasionsTip);
    void fillMonthBoxes(Language language);

    HWND parent_;
    HINSTANCE instance_;
    std::int32_t charWidth_ = 0;
    std::int32_t charHeight_ = 0;
    HWND yearEdit_ = nullptr;
    HWND yearUpDown_ = nullptr;
    std::array<HWND, 3> monthBoxes_{};
    HWND previousMonthButton_ = nullptr;
    HWND nextMonthButton_ = nullptr;
    HWND allOccasionsButton_ = nullptr;
    HWND tooltip_ = nullptr;
    std::array<bool, 3> tipAdded_{};  // next, previous, all occasions
    MonthButtonTips tips_;
    std::u16string yearText_;  // what the year box was last given
    std::u16string allOccasionsTip_;
    Language language_ = Language::english;
    std::vector<Place> places_;
};

}  // namespace velmora
