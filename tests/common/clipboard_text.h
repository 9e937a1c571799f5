// Reading the clipboard the way a test checks what a command put there.
#pragma once

#include <windows.h>

#include <string>

// Opens the clipboard for `owner`, retrying for up to `timeoutMs`: Wine's
// own clipboard bridge opens it briefly after every change.
bool OpenClipboardPatiently(HWND owner, DWORD timeoutMs = 3000);

// The clipboard's CF_TEXT bytes up to the terminating NUL; `available` is
// false when the clipboard holds no text.
std::string ClipboardText(bool* available = nullptr);

// What a Unicode program pastes: CF_UNICODETEXT, which the system makes
// from CF_TEXT with the code page of CF_LOCALE; and CF_LOCALE, 0 when the
// clipboard holds none.
std::wstring ClipboardUnicodeText();
DWORD ClipboardLocale();

// Names in the ANSI code page of a start whose system locale is not the
// keyboard's (the mixed-locale starts), with what a Unicode program must
// read of them and the locale the clipboard must carry (0: any).
struct MixedLocaleNames {
    UINT codePage;
    DWORD locale;
    const char* folder;
    const char* file;
    const wchar_t* wideFolder;
    const wchar_t* wideFile;
};
// The names for code page `codePage` (932, 1250 or UTF-8); nullptr for
// another.
const MixedLocaleNames* NamesOfCodePage(UINT codePage);
// The names for this start's code page; nullptr unless the keyboard's
// language differs from the system locale, as the cases need.
const MixedLocaleNames* MixedLocaleStart();
