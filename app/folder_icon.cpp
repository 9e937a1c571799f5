#include "app/folder_icon.h"

#include "browse/navigation.h"

namespace {

// '.' transparent, 'o' outline, 'y' fill.
const char* const StandInPicture[16] = {
    "................",
    "................",
    ".oooooo.........",
    "oyyyyyyoooooooo.",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oyyyyyyyyyyyyyyo",
    "oooooooooooooooo",
    "................",
};

const DWORD OutlineColour = 0x00808000;   // 0x00RRGGBB, as a 32-bit bitmap holds it
const DWORD FillColour = 0x00FFD860;

}  // namespace

HICON MakeStandInFolderIcon() {
    DWORD colours[16 * 16];
    BYTE mask[16 * 2] = {};   // one bit a pixel, rows of two bytes; 1 is transparent
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            char dot = StandInPicture[y][x];
            colours[y * 16 + x] = dot == 'o' ? OutlineColour : dot == 'y' ? FillColour : 0;
            if (dot == '.') mask[y * 2 + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
    }
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = CreateBitmap(16, 16, 1, 1, mask);
    info.hbmColor = CreateBitmap(16, 16, 1, 32, colours);
    HICON icon = info.hbmMask && info.hbmColor ? CreateIconIndirect(&info) : nullptr;
    // The icon holds copies of both bitmaps.
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return icon;
}

void LoadFolderIcon() {
    HICON icon = nullptr;
    HMODULE shell = LoadLibraryA("SHELL32.DLL");
    if (shell) {
        // Without LR_SHARED the icon is the process's own copy and outlives
        // the library, which is released at once.
        icon = static_cast<HICON>(LoadImageA(shell, MAKEINTRESOURCEA(4), IMAGE_ICON, 16, 16, 0));
        FreeLibrary(shell);
    }
    // With no icon, folder rows would get item data 0 and could not be
    // opened; a picture of our own keeps them folders.
    if (!icon) icon = MakeStandInFolderIcon();
    FolderIconHandle = reinterpret_cast<RowData>(icon);
}
