// Copying a date: File and the tray menu's "Copy Today's Date" list today in each form, and
// copy the one chosen, which is remembered; Ctrl+C copies the day under the cursor in the
// form last chosen. Windows only.
#pragma once

#include <windows.h>

#include <optional>

#include "decisions/date_at_hand.h"

namespace velmora {

// Writes today in each form into the items of a "Copy Today's Date" menu as it opens, the
// remembered form checked; any other menu is left alone.
void showCopyForms(HMENU popup, const CalendarData& data, DayNumber today, Language language);

// The form a command of that menu chooses; none for another command.
std::optional<CopyForm> copyFormOfCommand(WORD id);

// The form last chosen (HKCU\Software\Velmora "CopyForm"), and the choosing of one.
CopyForm rememberedCopyForm();
void rememberCopyForm(CopyForm form);

// Day n in the form on the clipboard; a beep where the form has no text for the day (a
// lunar date outside the table) or the clipboard is not to be had.
void copyDate(HWND owner, const CalendarData& data, DayNumber n, CopyForm form, Language language);

}  // namespace velmora
