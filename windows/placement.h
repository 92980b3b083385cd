// Where the module windows stand: each loads its position from its own pair
// of settings keys when it initialises and saves it whenever the mouse moves
// over it. All windows load and save through the one pair
// lastWindowX/lastWindowY, so a window's key is written only when its edge
// differs from the last value any module window loaded or saved. A stored 0
// counts as missing and gives the window's default. UI thread only.
#ifndef STATS_WINDOWS_PLACEMENT_H_
#define STATS_WINDOWS_PLACEMENT_H_

#include "platform/settings.h"
#include "windows/module_window.h"
#include "windows/window_state.h"

// Loads the window's keys into the pair and moves the window there. Child
// windows are then made topmost when windowOnTop is set; the main window's
// own initialisation makes it topmost always.
void RestorePlacement(ModuleWindow& window, const Settings& settings, WindowState& state);

// The WM_SETCURSOR step: writes each edge of rect that differs from the
// pair, and keeps it in the pair.
void SavePlacement(WindowKind kind, const ScreenRect& rect, const Settings& settings,
                   WindowState& state);

// The initialisation every child window shares: icons, placement (topmost
// when asked), the close box. The extended window places its pages itself.
void InitChildWindow(ModuleWindow& window, const Settings& settings, WindowState& state);

#endif  // STATS_WINDOWS_PLACEMENT_H_
