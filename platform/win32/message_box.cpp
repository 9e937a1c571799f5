#include <windows.h>

#include "platform/platform.h"

void ShowMessage(const char* text, MessageKind kind) {
    UINT style = MB_OK | (kind == InformationMessage ? MB_ICONINFORMATION : MB_ICONWARNING);
    // Converted in place: the box may have to say that memory ran out. The
    // program's texts all fit; a longer one is converted by the system.
    wchar_t wide[512];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, sizeof wide / sizeof wide[0]);
    if (length > 0)
        MessageBoxW(0, wide, L"Wendrel", style);
    else
        MessageBoxA(0, text, "Wendrel", style);
}
