#include "windows/mem_dc_win.h"

CMemDC::CMemDC(HDC target) : target_(target) {
    offScreen_ = GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER;
    if (!offScreen_) {
        dc_ = target;
        return;
    }
    GetClipBox(target, &rect_);
    dc_ = CreateCompatibleDC(target);
    bitmap_ = CreateCompatibleBitmap(target, rect_.right - rect_.left, rect_.bottom - rect_.top);
    if (!dc_ || !bitmap_) {
        // Out of GDI resources: draw straight on the target rather than not at all.
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
        bitmap_ = nullptr;
        dc_ = target;
        offScreen_ = false;
        return;
    }
    previousBitmap_ = SelectObject(dc_, bitmap_);
    // The same logical coordinates address the same pixels on both contexts.
    SetWindowOrgEx(dc_, rect_.left, rect_.top, nullptr);
}

CMemDC::~CMemDC() {
    if (!offScreen_) return;  // the target's own context: nothing to release
    BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
           dc_, rect_.left, rect_.top, SRCCOPY);
    SelectObject(dc_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}
