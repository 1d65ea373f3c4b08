#include "about/win32/keyed_bitmap.h"

#include "platform/win32/handles.h"

namespace morvane::win32 {

void DrawKeyedBitmap(HDC target, int x, int y, HBITMAP bitmap, COLORREF key) {
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) == 0) return;
    const int width = info.bmWidth;
    const int height = info.bmHeight;

    const UniqueMemoryDc pictureDc(CreateCompatibleDC(target));
    const ScopedSelect selectPicture(pictureDc.get(), bitmap);
    // The mask: 1 where the picture has the key colour, 0 elsewhere.
    const UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    const UniqueMemoryDc maskDc(CreateCompatibleDC(target));
    const ScopedSelect selectMask(maskDc.get(), mask.get());
    SetBkColor(pictureDc.get(), key);
    BitBlt(maskDc.get(), 0, 0, width, height, pictureDc.get(), 0, 0, SRCCOPY);

    // target ^ picture, cleared where the picture is opaque, ^ picture again:
    // the key's pixels give the target back, the others the picture.
    const COLORREF oldBack = SetBkColor(target, RGB(0xFF, 0xFF, 0xFF));
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    BitBlt(target, x, y, width, height, pictureDc.get(), 0, 0, SRCINVERT);
    BitBlt(target, x, y, width, height, maskDc.get(), 0, 0, SRCAND);
    BitBlt(target, x, y, width, height, pictureDc.get(), 0, 0, SRCINVERT);
    SetBkColor(target, oldBack);
    SetTextColor(target, oldText);
}

} // namespace morvane::win32
