// The main window's child controls: the month buttons, the year box with its arrows, the
// three month boxes, the occasions button, and the tooltips of the buttons; and two windows
// the paint draws over, which take the keyboard and speak to screen readers: the days' grid
// and the holiday panel's list.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/gdi_surface.h"
#include "decisions/keyboard.h"
#include "decisions/navigation.h"
#include "decisions/window_layout.h"
#include "render/scaled_surface.h"

namespace velmora {

class MainControls {
  public:
    // Enter in the year box reaches the parent as WM_COMMAND with IDC_YEAR_EDIT and this code
    // (the edit control itself never sees that Enter).
    static constexpr WORD kYearEntered = 0x7FFF;

    // Creates the controls on the parent; grid is the days' window, made by its owner.
    MainControls(HWND parent, HINSTANCE instance, const ProgramFonts& fonts, HWND grid);
    ~MainControls();
    MainControls(const MainControls&) = delete;
    MainControls& operator=(const MainControls&) = delete;

    HWND yearEdit() const { return yearEdit_; }
    HWND yearUpDown() const { return yearUpDown_; }
    HWND monthBox(Calendar mode) const { return monthBoxes_[calendarIndex(mode)]; }
    HWND previousMonthButton() const { return previousMonthButton_; }
    HWND nextMonthButton() const { return nextMonthButton_; }
    HWND allOccasionsButton() const { return allOccasionsButton_; }
    HWND holidayList() const { return holidayList_; }

    // Places the controls for the paint's client area of w by h (in 96-dpi pixels, less the
    // borders, as the paint counts it) at the fonts' DPI, in the tab order of the language.
    void layOut(std::int32_t w, std::int32_t h, std::int32_t paintCharWidth);
    // The fonts, the buttons' pictures and the base units follow the fonts' new DPI.
    void rescale();
    // Where each control stands, in client pixels from the left (also in a mirrored window,
    // which places its children from the right), as last laid out.
    struct Place {
        HWND control;
        RECT rect;
    };
    const std::vector<Place>& places() const { return places_; }
    RECT placeOf(HWND control) const;
    // The controls that draw themselves, which the paint leaves alone.
    bool drawsItself(HWND control) const { return control != grid_ && control != holidayList_; }
    // Keeps a paint of the parent off the visible controls that draw themselves, as
    // WS_CLIPCHILDREN would; the occasions button's rectangle in 96-dpi pixels, empty while
    // it is hidden.
    Rect clipSelfDrawn(HDC dc, const DisplayScale& scale) const;
    // Where a key pressed in the window goes, for the window's keys: the year box keeps Home,
    // and an open month list all keys.
    KeyFocus keyFocus(HWND target, Calendar mode) const;
    // The holiday panel's lines, for screen readers; the list is left out of the tab order
    // while it has none.
    void setHolidayLines(const std::vector<std::u16string>& lines);
    bool holidayListFocused() const { return holidayListFocused_; }

    // The year typed in the year box since it was last written; nothing when it holds what
    // the program wrote.
    std::optional<std::int32_t> typedYear() const;

    // Writes what the controls show of the shown month, touching only what changed: the year
    // (also where the user typed in the box, with rewriteYear), the mode's month box, which
    // boxes and buttons are visible, and the buttons' tooltips.
    void show(const ShownMonth& shown, bool rewriteYear, std::u16string_view allOccasionsTip, Language language,
              DigitChoice digits);
    // Lists the month names of the interface's language in the boxes; a Persian window is
    // mirrored, and the next layOut places the controls for it.
    void setLanguage(Language language);

  private:
    HWND create(DWORD exStyle, const wchar_t* className, DWORD style, int id, const wchar_t* text = L"");
    void setBitmap(HWND button, int bitmapId);
    HWND control(std::int32_t id) const;
    void updateTips(const MonthButtonTips& tips, std::u16string_view allOccasionsTip);
    void fillMonthBoxes(Language language);
    // Gives the list the lines last set, if it does not hold them yet.
    void fillHolidayList();
    static LRESULT CALLBACK yearEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);
    static LRESULT CALLBACK holidayListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self);

    HWND parent_;
    HINSTANCE instance_;
    const ProgramFonts& fonts_;
    BaseUnits units_;                    // of the system font, at 96 dpi
    std::array<HBITMAP, 3> pictures_{};  // of the next, previous and occasions buttons
    HWND yearEdit_ = nullptr;
    HWND yearUpDown_ = nullptr;
    std::array<HWND, kCalendars.size()> monthBoxes_{};
    HWND previousMonthButton_ = nullptr;
    HWND nextMonthButton_ = nullptr;
    HWND allOccasionsButton_ = nullptr;
    HWND grid_ = nullptr;
    HWND holidayList_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<std::u16string> holidayLines_;
    bool holidayListStale_ = false;  // the list's items are not yet holidayLines_
    bool holidayListFocused_ = false;
    bool holidayListEnabled_ = false;      // while the month has holidays
    std::array<bool, 3> tipAdded_{};       // next, previous, all occasions
    std::array<std::u16string, 3> names_;  // the same buttons' names and tooltips
    std::u16string yearText_;              // what the year box was last given
    Language language_ = Language::english;
    std::vector<Place> places_;
};

}  // namespace velmora
