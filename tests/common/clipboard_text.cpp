#include "tests/common/clipboard_text.h"

#include <cstring>

bool OpenClipboardPatiently(HWND owner, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!OpenClipboard(owner)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

std::string ClipboardText(bool* available) {
    std::string text;
    bool found = false;
    if (OpenClipboardPatiently(nullptr)) {
        HANDLE data = GetClipboardData(CF_TEXT);
        if (const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
            // The block may be larger than the text, and nothing promises
            // a NUL inside it.
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            found = true;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    if (available) *available = found;
    return text;
}
