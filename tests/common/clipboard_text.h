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
