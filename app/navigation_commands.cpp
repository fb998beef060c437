// The navigation controls: each handler reads the year box and the mode's month box, asks
// the navigation rules for the new shown date, and shows it.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "app/main_window.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

// The year box is read into 9 characters and the month box into 15, as always.
std::int32_t typedYear() { return readYearEdit(windowText(app.yearEdit).substr(0, 8)); }
std::int32_t namedMonth() { return findMonthIndex(windowText(modeCombo()).substr(0, 14), app.navigation.displayMode); }

}  // namespace

HWND modeCombo() {
    switch (app.navigation.displayMode) {
        case Calendar::jalali: return app.jalaliMonthCombo;
        case Calendar::gregorian: return app.gregorianMonthCombo;
        case Calendar::hijri: break;
    }
    return app.hijriMonthCombo;
}

bool onNavigationCommand(WORD id) {
    switch (id) {
        case IDC_NEXT_MONTH: showNextMonth(app.navigation, app.navigationContext(), typedYear(), namedMonth()); break;
        case IDC_PREVIOUS_MONTH:
            showPreviousMonth(app.navigation, app.navigationContext(), typedYear(), namedMonth());
            break;
        case IDM_FILE_GO_TO_TODAY:
            goToToday(app.navigation, app.navigationContext());
            updateTrayIcon();
            break;
        case IDC_ALL_OCCASIONS: openOccasionsDialog(); return true;
        default: return false;
    }
    showShownMonth();
    return true;
}

void onMonthSelected() {
    selectMonth(app.navigation, app.navigationContext(), typedYear(), namedMonth());
    showShownMonth();
}

void onYearStep(const NMHDR* header) {
    const auto* upDown = reinterpret_cast<const NMUPDOWN*>(header);
    stepYear(app.navigation, app.navigationContext(), upDown->iDelta);
    showShownMonth();
}

LRESULT CALLBACK yearEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        GetLocalTime(&app.now);
        confirmYear(app.navigation, app.navigationContext(), typedYear(), namedMonth());
        showShownMonth();
        return 0;  // the edit control never sees this Enter
    }
    return CallWindowProcW(app.yearEditBaseProc, window, message, wParam, lParam);
}

void updateButtonTooltips() {
    if (app.tooltip == nullptr) return;
    const MonthButtonTips tips =
        monthButtonTips(app.navigation, app.navigationContext(), windowText(app.jalaliMonthCombo));
    const bool allAdded =
        std::all_of(app.tooltipToolAdded.begin(), app.tooltipToolAdded.end(), [](bool b) { return b; });
    if (allAdded && tips.next == app.buttonTips.next && tips.previous == app.buttonTips.previous) return;
    SendMessageW(app.tooltip, TTM_ACTIVATE, TRUE, 0);
    app.buttonTips = tips;
    struct Tool {
        HWND button;
        std::u16string text;
    };
    Tool tools[] = {{app.nextMonthButton, tips.next},
                    {app.previousMonthButton, tips.previous},
                    {app.allOccasionsButton, std::u16string(kAllOccasionsTip)}};
    for (std::size_t i = 0; i < std::size(tools); ++i) {
        TOOLINFOW info{};
        // The record without its final reserved pointer, which older common controls reject.
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = app.mainWindow;
        info.uId = reinterpret_cast<UINT_PTR>(tools[i].button);
        info.lpszText = reinterpret_cast<wchar_t*>(tools[i].text.data());
        // Each tool is added once and its text replaced afterwards: adding it again would
        // pile up copies inside the tooltip control. One that could not be added is tried
        // again the next time.
        if (app.tooltipToolAdded[i]) {
            SendMessageW(app.tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        } else {
            app.tooltipToolAdded[i] = SendMessageW(app.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
        }
    }
}

}  // namespace velmora
