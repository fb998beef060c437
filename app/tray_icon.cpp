// The tray icon: today's Solar Hijri day, its tooltip in three calendars, and its clicks.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "app/main_window.h"
#include "decisions/icon_size.h"
#include "decisions/tray_text.h"
#include "resources/resource_ids.h"

namespace velmora {
namespace {

NOTIFYICONDATAW trayRecord(UINT id) {
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V3_SIZE;  // the form that ends with guidItem
    record.hWnd = app.mainWindow;
    record.uID = id;
    return record;
}

void addTrayIcon() {
    GetLocalTime(&app.now);
    refreshDataFiles();  // the tooltip's lunar date from calendar.ini as it is now
    const TrayIconContent content = trayIconContent(app.data(), app.today());
    app.trayIconId = content.jalaliDay;
    NOTIFYICONDATAW record = trayRecord(static_cast<UINT>(app.trayIconId));
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayMessage;
    // At the display's scale, not stretched from 16 pixels.
    const HICON previous = app.trayIconImage;
    app.trayIconImage = loadScaledIcon(app.instance, MAKEINTRESOURCEW(content.iconId), kTrayIconPixels);
    record.hIcon = app.trayIconImage;
    const std::size_t length = std::min(content.tooltip.size(), std::size(record.szTip) - 1);
    std::copy_n(content.tooltip.begin(), length, record.szTip);
    record.szTip[length] = L'\0';
    // At logon the notification area may not be there yet: the day watch tries again.
    app.trayIconAdded = Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
    if (previous != nullptr) DestroyIcon(previous);  // the area keeps its own copy
}

}  // namespace

void removeTrayIcon() {
    NOTIFYICONDATAW record = trayRecord(static_cast<UINT>(app.trayIconId));
    Shell_NotifyIconW(NIM_DELETE, &record);
    app.trayIconAdded = false;
}

void retryTrayIcon() {
    if (app.trayIconId != 0 && !app.trayIconAdded) addTrayIcon();
}

// Always today's date, never the shown one: the old icon goes, the new one comes.
void updateTrayIcon() {
    removeTrayIcon();
    addTrayIcon();
}

// Explorer (or Wine's tray) restarted and forgot our icon: add it again if there was one.
void onTaskbarCreated() {
    if (app.trayIconId != 0) addTrayIcon();
}

void onTrayNotify(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN: ShowWindow(app.mainWindow, SW_HIDE); break;
        case WM_LBUTTONDBLCLK:
            ShowWindow(app.mainWindow, SW_SHOWNORMAL);
            SetForegroundWindow(app.mainWindow);
            SetFocus(app.yearEdit);
            break;
        case WM_RBUTTONDOWN: {
            POINT cursor;
            GetCursorPos(&cursor);
            // The window must be foreground before TrackPopupMenu, or the menu will not close
            // when the user clicks elsewhere; the WM_NULL afterwards lets it close at once.
            SetForegroundWindow(app.mainWindow);
            TrackPopupMenu(app.trayMenu, 0, cursor.x, cursor.y, 0, app.mainWindow, nullptr);
            PostMessageW(app.mainWindow, WM_NULL, 0, 0);
            break;
        }
        default: break;
    }
}

}  // namespace velmora
