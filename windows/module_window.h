// The module's windows as the portable window logic sees them. The logic
// decides what a window shows; a window layer carries it out (Win32
// dialogs in the DLL, recorders in the tests). UI thread only.
#ifndef STATS_WINDOWS_MODULE_WINDOW_H_
#define STATS_WINDOWS_MODULE_WINDOW_H_

#include <string>
#include <vector>

enum class WindowKind { kMain, kStatProv, kMultiplier, kMultiplierExt, kZone };

// Fixed facts of each window: its template, its placement keys and default
// position, whether the title-bar close box is disabled, and which icons
// it sets.
struct WindowKindInfo {
    WindowKind kind;
    int templateId;
    const char* xKey;
    const char* yKey;
    int defaultX;
    int defaultY;
    bool closeDisabled;
    bool smallIcon;  // also sets the small icon (the big one always)
};
const WindowKindInfo& KindInfo(WindowKind kind);

// A window rectangle in screen pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class ModuleWindow {
public:
    virtual ~ModuleWindow() = default;
    virtual WindowKind Kind() const = 0;

    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetItemText(int controlId, const std::string& text) = 0;
    virtual void SetCheck(int controlId, bool checked) = 0;
    // Transfers a page's flags to its boxes in flag order (the State/
    // Province window and each continent page of the extended window).
    virtual void TransferFlags(int page, const std::vector<int>& flags) = 0;
    // Screen position of the top-left corner; keeps size and Z order.
    virtual void MoveTo(int x, int y) = 0;
    // Topmost, without moving, sizing or activating.
    virtual void MakeTopmost() = 0;
    virtual void SetIcons(bool big, bool small) = 0;
    virtual void DisableClose() = 0;
    // Redraws the info panel without erasing it (single multiplier window).
    virtual void RepaintPanel() = 0;
};

// Opens and closes the child windows and reaches the main window's queue.
class WindowLayer {
public:
    virtual ~WindowLayer() = default;
    // Constructs the window, creates it modeless without a parent (its own
    // initialisation runs), shows it. Null when it could not be created.
    virtual ModuleWindow* OpenChild(WindowKind kind) = 0;
    // Closes the window (WM_CLOSE, synchronously), destroys it and frees
    // the object; the pointer is dead afterwards.
    virtual void CloseChild(ModuleWindow* window) = 0;
    // Posts WM_CALLINFO (0, 0) to the main window.
    virtual void PostCallInfo() = 0;
};

#endif  // STATS_WINDOWS_MODULE_WINDOW_H_
