#include "windows/window_state.h"

#include "resources/resource.h"

ModuleWindow*& WindowState::Child(WindowKind kind) {
    switch (kind) {
    case WindowKind::kStatProv: return statProvWindow;
    case WindowKind::kMultiplier: return multiplierWindow;
    case WindowKind::kMultiplierExt: return extMultiplierWindow;
    case WindowKind::kZone: return zoneWindow;
    case WindowKind::kMain: break;
    }
    noChild_ = nullptr;  // the main window is no child: a slot that stays empty
    return noChild_;
}

const WindowKindInfo& KindInfo(WindowKind kind) {
    static const WindowKindInfo kInfo[] = {
        {WindowKind::kMain, IDD_SETUP_CQ_WW, "setup_cq_ww_x", "setup_cq_ww_y", 10, 400, true, false},
        {WindowKind::kStatProv, IDD_STAT_PROV, "stat_x", "stat_y", 10, 600, false, false},
        {WindowKind::kMultiplier, IDD_MULTIPLIER, "dxcc_x", "dxcc_y", 10, 400, true, false},
        {WindowKind::kMultiplierExt, IDD_MULTIPLIER_EXT, "dxcc_extended_x", "dxcc_extended_y", 10,
         400, true, true},
        {WindowKind::kZone, IDD_ZONE_SEARCH, "zone_search_x", "zone_search_y", 10, 400, true, false},
    };
    return kInfo[static_cast<int>(kind)];
}

WindowState g_windows;
ModuleWindow*& g_statProvWindow = g_windows.statProvWindow;
ModuleWindow*& g_multiplierWindow = g_windows.multiplierWindow;
ModuleWindow*& g_extMultiplierWindow = g_windows.extMultiplierWindow;
ModuleWindow*& g_zoneWindow = g_windows.zoneWindow;
int& g_windowOnTop = g_windows.windowOnTop;
int& g_lastWindowX = g_windows.lastWindowX;
int& g_lastWindowY = g_windows.lastWindowY;
StringArray& g_bandNames = g_windows.bandNames;
std::string& g_currentCall = g_windows.currentCall;
int& g_currentBand = g_windows.currentBand;
double& g_lastFrequency = g_windows.lastFrequency;
