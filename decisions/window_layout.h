// Where the main window's controls stand at the window's display scale, and the order Tab
// takes them in. The layout is the 96-dpi design multiplied by the scale, so that at 96 dpi
// it is the design itself.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "decisions/language.h"
#include "render/scaled_surface.h"

namespace velmora {

// The dialog base units of the system font (GetDialogBaseUnits), at 96 dpi.
struct BaseUnits {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct ControlPlace {
    std::int32_t id = 0;  // the control's id; the three month boxes share one place
    Rect rect;            // in the display's pixels
};

struct WindowLayout {
    // In the order Tab takes them, the reading order of the interface's language: a row from
    // the left in English and from the right in Persian, the rows from the top.
    std::vector<ControlPlace> controls;
    // What the paint draws, in the display's pixels.
    Rect calendarPanel;
    Rect link;
};

// The layout for the paint's client size w by h (in 96-dpi pixels, the borders taken off as
// the paint counts them) and paintCharWidth, the average character width of the paint's
// default font (which places the holiday panel's texts).
WindowLayout mainWindowLayout(std::int32_t w, std::int32_t h, BaseUnits units, std::int32_t paintCharWidth,
                              DisplayScale scale, Language language);

// The place of one control; an empty rectangle when the layout has none of that id.
Rect placeOf(const WindowLayout& layout, std::int32_t id);

// A window's rectangle moved, not resized, into the work area of its display: its right and
// bottom edges pulled in, and then its left and top edges kept on the area where the window is
// larger than it.
Rect keptInside(const Rect& window, const Rect& workArea);

// The work area less the taskbar where the taskbar lies along one of its edges, as wide (or as
// tall) as the area: Windows leaves the taskbar out of the work area already, Wine's desktop
// does not.
Rect clearOfTaskbar(const Rect& workArea, const Rect& taskbar);

// The edge of its monitor the taskbar stands at: the one the work area falls short of (the
// bottom when it falls short of none, as Windows places the taskbar unless told otherwise).
enum class TaskbarEdge { bottom, top, left, right };
TaskbarEdge taskbarEdge(const Rect& monitor, const Rect& workArea);

// The month opened at the clock: a window of width by height beside the notification area's
// icon, `gap` from the taskbar's edge of the work area, centred on the icon along that edge and
// kept inside the work area; without the icon's rectangle, in the work area's corner at the
// notification area's end of the taskbar (its right, or its bottom when it stands upright).
Rect flyoutPlace(const std::optional<Rect>& icon, const Rect& workArea, TaskbarEdge edge, std::int32_t width,
                 std::int32_t height, std::int32_t gap);

}  // namespace velmora
