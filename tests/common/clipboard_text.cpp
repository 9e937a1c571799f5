#include "tests/common/clipboard_text.h"

#include <cstring>
#include <cwchar>

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

std::wstring ClipboardUnicodeText() {
    std::wstring text;
    if (OpenClipboardPatiently(nullptr)) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (const wchar_t* units = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
            text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

DWORD ClipboardLocale() {
    DWORD locale = 0;
    if (OpenClipboardPatiently(nullptr)) {
        HANDLE data = GetClipboardData(CF_LOCALE);
        if (const DWORD* lcid = data ? static_cast<const DWORD*>(GlobalLock(data)) : nullptr) {
            locale = *lcid;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return locale;
}

const MixedLocaleNames* NamesOfCodePage(UINT codePage) {
    static const MixedLocaleNames names[] = {
        // A folder in katakana holding a file named in kanji.
        {932, 0x0411, "\x83\x5C\x83\x74\x83\x67", "\x95\x5C.txt", L"\u30BD\u30D5\u30C8", L"\u8868.txt"},
        // Names with letters that code page 1252 has elsewhere or not at all.
        {1250, 0x0415, "\xA3\xF3" "d\x9F", "\xBF\xF3\xB3w.txt", L"\u0141\u00F3d\u017A", L"\u017C\u00F3\u0142w.txt"},
        // Under UTF-8, whose code page is no locale's: Cyrillic with an emoji
        // beyond the 16-bit range, and a kanji.
        {CP_UTF8, 0, "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE\xF0\x9F\x98\x80", "\xE8\xA1\xA8.txt",
         L"\u0424\u043E\u0442\u043E\U0001F600", L"\u8868.txt"},
    };
    for (const MixedLocaleNames& start : names)
        if (start.codePage == codePage) return &start;
    return nullptr;
}

const MixedLocaleNames* MixedLocaleStart() {
    const MixedLocaleNames* names = NamesOfCodePage(GetACP());
    return names && LOWORD(GetKeyboardLayout(0)) != names->locale ? names : nullptr;
}
