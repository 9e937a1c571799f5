#include "tests/e2e/screen_picture.h"

#include <algorithm>
#include <cstdio>

ScreenPicture::ScreenPicture(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    width_ = client.right;
    height_ = client.bottom;
    if (width_ <= 0 || height_ <= 0) {
        width_ = height_ = 0;
        return;
    }

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY | CAPTUREBLT);
        GdiFlush();
        const DWORD* source = static_cast<const DWORD*>(bits);
        pixels_.assign(source, source + static_cast<size_t>(width_) * height_);
        SelectObject(memory, previous);
    } else {
        width_ = height_ = 0;
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenPicture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    DWORD pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

RECT ScreenPicture::Clip(RECT area) const {
    RECT clipped = {std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0), std::min<LONG>(area.right, width_),
                    std::min<LONG>(area.bottom, height_)};
    return clipped;
}

bool ScreenPicture::AllOf(RECT area, COLORREF colour) const {
    RECT clipped = Clip(area);
    if (clipped.left >= clipped.right || clipped.top >= clipped.bottom) return false;
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x)
            if (At(x, y) != colour) return false;
    return true;
}

bool ScreenPicture::AnyBut(RECT area, COLORREF colour) const { return LastColumnBut(area, colour) >= 0; }

int ScreenPicture::LastColumnBut(RECT area, COLORREF colour) const {
    RECT clipped = Clip(area);
    for (int x = clipped.right - 1; x >= clipped.left; --x)
        for (int y = clipped.top; y < clipped.bottom; ++y)
            if (At(x, y) != colour) return x;
    return -1;
}

bool ScreenPicture::Save(const char* path) const {
    FILE* file = fopen(path, "wb");
    if (!file) return false;
    fprintf(file, "P6\n%d %d\n255\n", width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            COLORREF colour = At(x, y);
            unsigned char rgb[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
            fwrite(rgb, 1, 3, file);
        }
    }
    return fclose(file) == 0;
}
