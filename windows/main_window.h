// The main contest window's decisions (Setup_CQ_WW): its initialisation, the
// CW/SSB switch, the view toggles, "Window on top", position saving, the
// call-information update and the shutdown of its child windows. It drives
// a ModuleWindow (itself), a WindowLayer (the child windows), a HostLink and
// the settings; the Win32 shell only forwards messages here. UI thread only.
#ifndef STATS_WINDOWS_MAIN_WINDOW_H_
#define STATS_WINDOWS_MAIN_WINDOW_H_

#include "platform/settings.h"
#include "windows/host_link.h"
#include "windows/module_data.h"
#include "windows/module_window.h"
#include "windows/window_state.h"

class SetupCqWw {
public:
    SetupCqWw(ModuleWindow& window, WindowLayer& layer, HostLink& host, const Settings& settings,
              const ModuleData& data, WindowState& state);

    void OnInitDialog();
    void OnModeCw();
    void OnModeSsb();
    // The four view boxes: opens the window, or closes it when open.
    void OnToggleView(WindowKind kind);
    void OnWindowOnTop();
    void OnSetCursor(const ScreenRect& windowRect);
    // WM_CALLINFO: the call-information update.
    void OnCallInfo();

    // Shutdown: closes and forgets the open child windows in the order
    // extended multiplier, CQ zone, State/Province, single multiplier.
    void CloseChildren();

    // The check-box members, each 0 or 1; they mirror the settings file.
    int cwMode = 0;
    int ssbMode = 0;
    int viewStatProv = 0;
    int viewMultiplier = 0;
    int viewMultiplierExt = 0;
    int newStyle = 0;  // never set
    int onTop = 0;
    int viewNotWorkedZone = 0;

private:
    struct RunTexts {
        bool altLanguage = false;
        bool cw = false;
        std::string year;
    };
    RunTexts ReadRunTexts() const;
    void UpdateData();  // members to check boxes
    void ShowModeTexts(bool cw);
    void StartReport(bool cw);
    ModuleWindow* OpenChild(WindowKind kind);
    void CloseChild(WindowKind kind);
    int& ViewMember(WindowKind kind);
    void Rearm();
    // Checks the worked entities and states of the band in the open windows.
    void MarkWorked(int band, const std::string& statProvCaption);

    ModuleWindow& window_;
    WindowLayer& layer_;
    HostLink& host_;
    const Settings& settings_;
    ModuleData data_;
    WindowState& state_;
};

// The settings key of a view box.
const char* ViewKey(WindowKind kind);

#endif  // STATS_WINDOWS_MAIN_WINDOW_H_
