// The keyboard's way through the window: the keys that work wherever the focus is, and the day
// cursor the arrow keys move in the grid.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "decisions/navigation.h"

namespace velmora {

// The virtual-key codes the window answers.
namespace key {
inline constexpr std::uint16_t enter = 0x0D;
inline constexpr std::uint16_t escape = 0x1B;
inline constexpr std::uint16_t pageUp = 0x21;
inline constexpr std::uint16_t pageDown = 0x22;
inline constexpr std::uint16_t home = 0x24;
inline constexpr std::uint16_t left = 0x25;
inline constexpr std::uint16_t up = 0x26;
inline constexpr std::uint16_t right = 0x27;
inline constexpr std::uint16_t down = 0x28;
inline constexpr std::uint16_t f1 = 0x70;
}  // namespace key

// A key (with Ctrl or without) and the command it gives, as a menu item or a button would.
struct KeyBinding {
    std::uint16_t key = 0;
    bool control = false;
    std::uint16_t command = 0;
};

// Page Up / Page Down a month, Ctrl+Page Up / Ctrl+Page Down a year, Home today, F1 the
// help, Esc hides the window to the notification area, Ctrl+1/2/3 the three modes, Ctrl+G
// the date converter, Ctrl+C copies the day under the cursor.
std::span<const KeyBinding> keyBindings();

// Where the focus is, as far as the keys care.
enum class KeyFocus : std::int32_t { other, yearBox, droppedMonthBox };

// The command a key gives there; none when the key is the focused control's own: Home moves
// the year box's caret and Ctrl+C copies its text, and an open month list takes every key.
std::optional<std::uint16_t> commandOfKey(std::uint16_t key, bool control, KeyFocus focus);

// The month an arrow key leads to from the day under the cursor (the shown month's day):
// a day on or back for the arrow that points to the next or previous day in the grid's
// reading order (left is the next day in the right-to-left grids of the Solar and lunar
// Hijri months), a week on or back for down and up. Past the month's ends the cursor takes
// the next or previous month with it; at the ends of what the mode can show it stays.
ShownMonth moveDayCursor(const ShownMonth& shown, const NavigationContext& context, std::uint16_t arrow);

}  // namespace velmora
