// The main window: the shown month, its controls and paint, the tray icon, the menus, and the
// dialogs it opens. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/catalogue.h"
#include "app/day_grid.h"
#include "app/driver_queries.h"
#include "app/gdi_surface.h"
#include "app/main_controls.h"
#include "app/occasions_dialog.h"
#include "app/tray_icon.h"
#include "app/window_object.h"
#include "data/replace_file.h"
#include "decisions/day_change.h"
#include "decisions/navigation.h"
#include "occasions/calendar_files.h"

namespace velmora {

class MainWindow : public WindowObject<MainWindow> {
  public:
    static constexpr wchar_t kClassName[] = L"calendar";
    static constexpr wchar_t kTitle[] = L"Velmora";

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();

    // The window class "calendar", registered once per process.
    static bool registerClass(HINSTANCE instance);
    // Creates the window (its controls, menus and fonts come with WM_CREATE) and shows it.
    bool create(int showCommand);
    // The message loop's keyboard handling: Enter in the year box goes to the box's own
    // handling before the dialog keys (Tab between the controls) would take it. False when
    // the message is still to be dispatched.
    bool preTranslate(MSG& message);

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT onCreate();
    LRESULT onSize(LPARAM lParam);
    LRESULT onPaint();
    LRESULT onClose();
    LRESULT onDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(WPARAM wParam, LPARAM lParam);
    LRESULT onClock(ClockEvent event);
    LRESULT onTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT onTellDataProblem(WPARAM which);
    LRESULT onMouseMove(LPARAM lParam);
    LRESULT onLeftButtonDown(LPARAM lParam);
    LRESULT onDoubleClick(LPARAM lParam);
    LRESULT onDpiChanged(WPARAM wParam, LPARAM lParam);
    // Fonts, pictures, icons and the window's size for a DPI: at creation and when the
    // window moves to a display of another scale. suggested is where Windows would have it.
    void scaleTo(UINT dpi, const RECT* suggested);
    // A point of the client area in the 96-dpi pixels the paint lays out in.
    POINT designPoint(LPARAM lParam) const;
    void onGridKey(std::uint16_t key);
    std::vector<std::pair<std::u16string, RECT>> gridDays();
    void onYearEntered();
    bool onMenuCommand(WORD id);
    bool onNavigationCommand(WORD id, WORD code);

    static LRESULT CALLBACK yearEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);

    NavigationContext context() const { return {files_.data(), today_, startDay_}; }
    // Shows another month: writes the controls from it and repaints the calendar.
    void show(const ShownMonth& shown, bool rewriteYear = false);
    void setDisplayMode(Calendar mode);
    void checkModeItem();
    void updateHijriItem();
    // Takes the menus and the strings of the interface's language, and marks in the menu
    // what is chosen now.
    void applyWords();
    void setLanguage(Language language);
    void replaceStartupItem(UINT removed, UINT added, UINT text);
    // The dialog's title: the month it lists.
    std::u16string occasionsTitle(const MonthLayout& month) const;
    // The Solar Hijri month of the shown day, laid out for the occasions dialog.
    MonthLayout occasionsMonth();
    // Today's icon and tooltip, from the data files as they are now.
    TrayIconContent trayContent();
    // Looks at calendar.ini and events.ini again, as before every use. A newly damaged file
    // is told once (by a posted message); a table that comes or goes moves the view and the
    // Hijri mode's menu item with it.
    void refreshDataFiles();
    DriverFacts driverFacts() const;
    // Rewrites calendar.ini through `edit` (checked, atomic, with a backup) and shows the new
    // table everywhere at once; the problem, or empty.
    std::string editCalendar(const std::function<EditedText(std::string_view)>& edit);
    void tellOfPredictedMonths();
    // My Days…, on a day of the shown mode's calendar when a double-click opened it.
    void openMyDays(std::optional<CivilDate> start);
    std::string saveMyDays(const std::vector<MyDay>& days);
    bool remindersOn() const;
    bool eveningBeforeOn() const;
    void checkReminderItems();
    void remindOfMyDays(const LocalTime& now);
    std::u16string aboutLunarNote();

    HINSTANCE instance_;
    CalendarFiles files_;
    GdiLedger ledger_;
    ProgramFonts fonts_{ledger_};
    BitmapCache bitmaps_;
    PaintResources resources_{fonts_, bitmaps_, ledger_};
    std::unique_ptr<OffscreenCanvas> canvas_;  // what the window paints on before it shows the picture
    std::unique_ptr<DayGrid> grid_;
    std::unique_ptr<MainControls> controls_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<OccasionsDialog> occasionsDialog_;
    DriverQueries queries_;
    HMENU mainMenu_ = nullptr;
    HMENU trayMenuRoot_ = nullptr;
    HMENU trayMenu_ = nullptr;
    Catalogue words_;
    bool registeredAtStartup_ = false;
    UINT taskbarCreatedMessage_ = 0;
    std::u16string allOccasionsTip_;
    std::u16string moreHolidays_;
    std::u16string predictedMark_;

    ShownMonth shown_;
    CivilDate today_;               // the local date, as the clock last said it
    std::int32_t startDay_ = 1;     // the Gregorian day of the month the program started on
    UINT dpi_ = 96;                 // of the display the window is on
    std::int32_t clientWidth_ = 0;  // of the paint, in 96-dpi pixels
    std::int32_t clientHeight_ = 0;
    std::int32_t linkCharWidth_ = 0;    // the paint's average character width, which places the link
    std::u16string toldDataProblem_;    // what the user was last told of a damaged calendar.ini
    std::u16string toldEventsProblem_;  // and of a damaged events.ini
    std::u16string toldMyDaysProblem_;  // and of my-days.ini
};

}  // namespace velmora
