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

// The default positions are where the windows first open, before the
// operator has moved them: side by side on a 1024 x 768 screen, none
// covering another. The contest window at (10, 400), the State/Province
// window below it, the single multiplier window to its right, and above
// them the extended multiplier window (the widest, with room for its pages
// beside no other) with the CQ-zone window to its right. The room between
// them allows for larger dialog fonts than Windows' own (Wine's, without
// the Windows fonts, makes the windows about a sixth larger).
const WindowKindInfo& KindInfo(WindowKind kind) {
    static const WindowKindInfo kInfo[] = {
        {WindowKind::kMain, IDD_SETUP_CQ_WW, "setup_cq_ww_x", "setup_cq_ww_y", 10, 400, true, false},
        {WindowKind::kStatProv, IDD_STAT_PROV, "stat_x", "stat_y", 10, 530, false, false},
        {WindowKind::kMultiplier, IDD_MULTIPLIER, "dxcc_x", "dxcc_y", 440, 400, true, false},
        {WindowKind::kMultiplierExt, IDD_MULTIPLIER_EXT, "dxcc_extended_x", "dxcc_extended_y", 10,
         60, true, true},
        {WindowKind::kZone, IDD_ZONE_SEARCH, "zone_search_x", "zone_search_y", 760, 60, true, false},
    };
    return kInfo[static_cast<int>(kind)];
}

WindowState g_windows;
