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
#include "app/clock_flyout.h"
#include "app/data_watch.h"
#include "app/day_grid.h"
#include "app/driver_queries.h"
#include "app/gdi_surface.h"
#include "app/main_controls.h"
#include "app/menu_commands.h"
#include "app/occasions_dialog.h"
#include "app/prayer_store.h"
#include "app/tray_icon.h"
#include "app/update_service.h"
#include "app/user_settings.h"
#include "app/window_object.h"
#include "app/window_picture.h"
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
    // Shows the window from the notification area, the keyboard on its days.
    void open();
    LRESULT onDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(WPARAM wParam, LPARAM lParam);
    LRESULT onClock();
    LRESULT onTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT onMouseMove(LPARAM lParam);
    LRESULT onLeftButtonDown(LPARAM lParam);
    LRESULT onDoubleClick(LPARAM lParam);
    // A mouse message's point in the paint's 96-dpi pixels, from the left also where the
    // (Persian) window is mirrored.
    POINT pointer(LPARAM lParam) const;
    LRESULT onDpiChanged(WPARAM wParam, LPARAM lParam);
    // Fonts, pictures, icons and the window's size for a DPI: at creation and when the
    // window moves to a display of another scale. suggested is where Windows would have it.
    void scaleTo(UINT dpi, const RECT* suggested);
    void onGridKey(std::uint16_t key);
    // What the days' window tells screen readers of the shown month, anew.
    void showGridDays();
    void onYearEntered();
    bool onMenuCommand(WORD id);
    bool onNavigationCommand(WORD id, WORD code);

    NavigationContext context() const { return {data_.data(), today_, startDay_}; }
    MonthLayout shownLayout() const;
    // Shows another month: writes the controls from it and repaints the calendar.
    void show(const ShownMonth& shown, bool rewriteYear = false);
    void setDisplayMode(Calendar mode);
    // Takes the menus and the strings of the interface's language.
    void applyWords();
    void setLanguage(Language language);
    void applyTheme();
    // The Solar Hijri month of the shown day, as the occasions dialog lists it.
    ListedMonth occasionsListing() const;
    // Today's icon and tooltip, from the data files as they are now.
    TrayIconContent trayContent();
    // The same from the data files as last read, with the next time of prayer.
    TrayIconContent trayContentAsRead();
    // Looks at the data files again, as before every use; a table that comes or goes moves
    // the view and the Hijri mode's menu item with it, and any change reaches the occasions
    // dialog.
    void lookAtDataFiles();
    // After the program wrote a data file: the view, the tray icon's tooltip and the
    // occasions dialog show it at once.
    void showWrittenData();
    DriverFacts driverFacts() const;
    // My Days…, on the shown day, or on the day a double-click was on.
    void openMyDays(std::optional<DayNumber> clicked);
    void openConverter();
    DayNumber todayNumber() const { return gregorianToDayNumber(today_.year, today_.month, today_.day); }
    std::u16string aboutLunarNote();
    // About's line on the data: its edition, and what of it is out of date.
    std::u16string aboutEditionNote();
    // The window's size at 96 dpi, frame included: taller by the band of times while shown.
    SIZE designSize() const;
    // The band of times and its margin under the link, in 96-dpi pixels; 0 while not shown.
    std::int32_t bandSpace() const;
    // The times of prayer of a day at the chosen place, reckoned once a day and kept.
    DayPrayerTimes prayerTimesOf(DayNumber day);
    // The band of the shown day's times, the next one marked where the day is today.
    PrayerBand shownBand();
    // At each time of prayer and each reminder's moment: the tooltip's next time, the band's
    // mark, the reminders; then waits for the next.
    void onPrayerClock();
    // Option > Prayer Times… took effect: kept, and the window, the tooltip and the reminders follow.
    void applyPrayerSettings(const PrayerSettings& settings);

    HINSTANCE instance_;
    DataWatch data_;
    WindowPicture picture_;
    std::unique_ptr<DayGrid> grid_;
    std::unique_ptr<MainControls> controls_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<ClockFlyout> clockFlyout_;
    std::unique_ptr<OccasionsDialog> occasionsDialog_;
    std::unique_ptr<UpdateService> updates_;
    DriverQueries queries_;
    MenuCommands menus_;
    Catalogue words_;
    UINT taskbarCreatedMessage_ = 0;
    std::u16string allOccasionsTip_;
    std::u16string moreHolidays_;
    std::u16string moreHolidaysHere_;
    std::u16string predictedMark_;

    PrayerSettings prayer_;
    DigitChoice digits_ = storedDigitChoice();
    std::vector<std::pair<DayNumber, DayPrayerTimes>> prayerDays_;  // the days reckoned, a few at most

    ShownMonth shown_;
    CivilDate today_;            // the local date, as the clock last said it
    std::int32_t startDay_ = 1;  // the Gregorian day of the month the program started on
};

}  // namespace velmora
