#include "windows/placement.h"

void RestorePlacement(ModuleWindow& window, const Settings& settings, WindowState& state) {
    const WindowKindInfo& info = KindInfo(window.Kind());
    state.lastWindowX = settings.ReadInt(info.xKey);
    state.lastWindowY = settings.ReadInt(info.yKey);
    if (state.lastWindowX == 0) state.lastWindowX = info.defaultX;
    if (state.lastWindowY == 0) state.lastWindowY = info.defaultY;
    window.MoveTo(state.lastWindowX, state.lastWindowY);
    if (window.Kind() != WindowKind::kMain && state.windowOnTop == 1) window.MakeTopmost();
}

void SavePlacement(WindowKind kind, const ScreenRect& rect, const Settings& settings,
                   WindowState& state) {
    const WindowKindInfo& info = KindInfo(kind);
    if (rect.left != state.lastWindowX) {
        state.lastWindowX = rect.left;
        settings.WriteInt(info.xKey, rect.left);
    }
    if (rect.top != state.lastWindowY) {
        state.lastWindowY = rect.top;
        settings.WriteInt(info.yKey, rect.top);
    }
}

void InitChildWindow(ModuleWindow& window, const Settings& settings, WindowState& state) {
    const WindowKindInfo& info = KindInfo(window.Kind());
    if (info.smallIcon) window.SetIcons(true, true);
    RestorePlacement(window, settings, state);
    if (!info.smallIcon) window.SetIcons(true, false);
    if (info.closeDisabled) window.DisableClose();
}
