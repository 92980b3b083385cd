// What the UI thread keeps between messages: the open child windows, the
// on-top choice, the position pair that every module window loads and saves
// through, the band names, and what the last call-information update found.
// UI thread only: the host thread reaches the windows only by posting.
#ifndef STATS_WINDOWS_WINDOW_STATE_H_
#define STATS_WINDOWS_WINDOW_STATE_H_

#include <string>

#include "scoring/qso_record.h"
#include "windows/module_window.h"

struct WindowState {
    // Set when the module opens a window, cleared only when the module
    // closes it. A window the operator closes (its close box, Enter, Escape)
    // is only hidden and keeps its pointer, so the update does not re-open it.
    ModuleWindow* statProvWindow = nullptr;
    ModuleWindow* multiplierWindow = nullptr;
    ModuleWindow* extMultiplierWindow = nullptr;
    ModuleWindow* zoneWindow = nullptr;

    int windowOnTop = 0;  // child windows are made topmost when they open
    // The last position loaded or saved by any module window (screen pixels).
    int lastWindowX = 0;
    int lastWindowY = 0;
    StringArray bandNames;  // "160m" ... "10m", index = band index

    std::string currentCall;   // last call read from the host
    int currentBand = -1;      // band index of the last update that found one
    double lastFrequency = 0;  // Hz, when "<SP1>" was last sent

    ModuleWindow*& Child(WindowKind kind);

private:
    ModuleWindow* noChild_ = nullptr;
};

// The UI thread's one instance.
extern WindowState g_windows;

#endif  // STATS_WINDOWS_WINDOW_STATE_H_
