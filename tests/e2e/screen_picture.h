// What a window's client area looks like on the screen right now.
#pragma once

#include <windows.h>

#include <vector>

class ScreenPicture {
public:
    // Copies the client area of `window` from the screen.
    explicit ScreenPicture(HWND window);

    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;

    // Over `area` (client coordinates, clipped to the picture):
    bool AllOf(RECT area, COLORREF colour) const;
    bool AnyBut(RECT area, COLORREF colour) const;
    // The last column that holds a pixel of another colour, or -1.
    int LastColumnBut(RECT area, COLORREF colour) const;

    // Writes the picture as a binary PPM file, to look at after a failure.
    bool Save(const char* path) const;

private:
    RECT Clip(RECT area) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;   // top-down rows of 0x00RRGGBB
};
