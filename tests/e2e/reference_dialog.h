// A hidden dialog of the test's own, made from the same in-memory template
// as the program's main window, so that dialog units turn into the pixels
// the program's layout must have, whatever font the system substitutes.
#pragma once

#include <windows.h>

class ReferenceDialog {
public:
    ReferenceDialog();
    ~ReferenceDialog();
    ReferenceDialog(const ReferenceDialog&) = delete;
    ReferenceDialog& operator=(const ReferenceDialog&) = delete;

    bool Exists() const { return window_ != nullptr; }
    // The rectangle x, y, x + w, y + h in dialog units, in pixels.
    RECT Map(int x, int y, int w, int h) const;
    HFONT Font() const;
    // The client area the system gives a window of this template.
    RECT Client() const;

private:
    HWND window_ = nullptr;
};
