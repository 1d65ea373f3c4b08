#pragma once
// probe render | pixel: how a text looks in a given font and colours, to be
// compared pixel by pixel with a screenshot of the program, and one pixel of
// the screen.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "output.h"
#include "platform/win32/handles.h"
#include "services/colour_text.h"

namespace morvane::probe {

struct RenderRequest {
    std::wstring text;
    std::wstring fontName;
    double points = 8;
    bool bold = false;
    Colour fore = 0;  // 0x00BBGGRR, given as the settings file writes it
    Colour back = 0;
    std::wstring outPath;
};

// A 24-bit bottom-up BMP of the rows of a top-down 32-bit pixel buffer.
inline bool WriteBmp(const std::wstring& path, int width, int height, const std::vector<DWORD>& pixels) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<BYTE> rows(info.biSizeImage, 0);
    for (int y = 0; y < height; ++y) {
        BYTE* row = rows.data() + static_cast<size_t>((height - 1 - y) * stride);
        for (int x = 0; x < width; ++x) {
            const DWORD pixel = pixels[static_cast<size_t>(y * width + x)];  // 0x00RRGGBB in a DIB
            row[x * 3 + 0] = static_cast<BYTE>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<BYTE>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<BYTE>((pixel >> 16) & 0xFF);
        }
    }
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    const bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
                    fwrite(rows.data(), 1, rows.size(), out) == rows.size();
    return fclose(out) == 0 && ok;
}

// The text cell of the text (its width and the font's height), cleared to
// the back colour, the text drawn from its top-left corner in the fore colour.
inline int RenderText(const RenderRequest& request) {
    const win32::WindowDc screen = win32::WindowDc::Client(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    const int height = -static_cast<int>(std::lround(request.points * dpi / 72.0));
    const win32::UniqueFont font(CreateFontW(height, 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                             DEFAULT_PITCH | FF_DONTCARE, request.fontName.c_str()));
    const win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    if (!font || !dc) {
        PrintLine(L"error\tno font or device context");
        return 2;
    }
    const win32::ScopedSelect withFont(dc.get(), font.get());
    SIZE cell{};
    GetTextExtentPoint32W(dc.get(), request.text.c_str(), static_cast<int>(request.text.size()), &cell);
    if (cell.cx <= 0 || cell.cy <= 0) {
        PrintLine(L"error\tthe text has no size");
        return 2;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cell.cx;
    info.bmiHeader.biHeight = -cell.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win32::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) {
        PrintLine(L"error\tno bitmap");
        return 2;
    }
    {
        const win32::ScopedSelect withBitmap(dc.get(), bitmap.get());
        const win32::UniqueBrush back(CreateSolidBrush(request.back));
        const RECT all{0, 0, cell.cx, cell.cy};
        FillRect(dc.get(), &all, back.get());
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), request.fore);
        TextOutW(dc.get(), 0, 0, request.text.c_str(), static_cast<int>(request.text.size()));
        GdiFlush();
    }
    const auto* first = static_cast<const DWORD*>(bits);
    const std::vector<DWORD> pixels(first, first + static_cast<size_t>(cell.cx) * static_cast<size_t>(cell.cy));
    if (!WriteBmp(request.outPath, cell.cx, cell.cy, pixels)) {
        PrintLine(L"error\tcannot write " + request.outPath);
        return 2;
    }
    Record(L"render")
        .Field(L"size", std::to_wstring(cell.cx) + L"x" + std::to_wstring(cell.cy))
        .Field(L"file", request.outPath)
        .Print();
    return 0;
}

inline std::wstring RgbText(COLORREF colour) {
    wchar_t buffer[16];
    swprintf(buffer, 16, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return buffer;
}

inline int ReportPixel(int x, int y) {
    const win32::WindowDc screen = win32::WindowDc::Client(nullptr);
    const COLORREF colour = GetPixel(screen.get(), x, y);
    Record(L"pixel")
        .Field(L"x", x)
        .Field(L"y", y)
        .Field(L"rgb", colour == CLR_INVALID ? L"invalid" : RgbText(colour))
        .Print();
    return colour == CLR_INVALID ? 2 : 0;
}

} // namespace morvane::probe
