// A Persian dialog's texts drawn right to left, the same on Windows and under Wine. A mirrored
// dialog (WS_EX_LAYOUTRTL) reads its static texts right to left on Windows, where
// WS_EX_RTLREADING would turn them back; Wine lays them out from the left either way, a
// sentence's full stop at its start. Windows only.
#pragma once

#include <windows.h>

#include <vector>

namespace velmora {

// Every static text of the dialog is drawn from its right edge, its lines read right to left,
// in a device context that is not mirrored (so that neither platform turns the reading back).
void readTextsRightToLeft(HWND dialog);

// A picture (the program's icon) that a mirrored dialog would draw mirrored, drawn as it is.
void keepUnmirrored(HWND control);

// A copy of an icon, mirrored: a mirrored window mirrors the icon in its caption, which this
// turns back. The caller's to destroy; null where the icon cannot be read.
HICON mirroredIcon(HICON icon);

// A copy of an extended dialog template of the module, mirrored (WS_EX_LAYOUTRTL) when
// rightToLeft: for the dialog whose one template serves both languages. Empty when there is
// no such template.
std::vector<BYTE> dialogTemplate(HINSTANCE instance, const wchar_t* name, bool rightToLeft);

}  // namespace velmora
