// CMemDC: a device context that draws into an off-screen bitmap and copies
// the finished picture to its target in one step when it ends, so a window
// repainted often does not flicker. A printer context is drawn on directly.
// The memory context starts with the system's default objects (font, pen,
// colours), not the target's.
#ifndef STATS_WINDOWS_MEM_DC_WIN_H_
#define STATS_WINDOWS_MEM_DC_WIN_H_

#include <windows.h>

class CMemDC {
public:
    // Draws over the target's clip box.
    explicit CMemDC(HDC target);
    ~CMemDC();  // the copy to the target
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC dc() const { return dc_; }
    bool offScreen() const { return offScreen_; }

private:
    HDC target_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    RECT rect_ = {};
    bool offScreen_ = true;
};

#endif  // STATS_WINDOWS_MEM_DC_WIN_H_
