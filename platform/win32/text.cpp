#include "platform/win32/text.h"

#include <windows.h>

#include "platform/platform.h"

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) return std::wstring();
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string AnsiFromWide(const wchar_t* text) {
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string ansi(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &ansi[0], length, nullptr, nullptr);
    ansi.pop_back();   // the converted NUL
    return ansi;
}

std::wstring SystemPath(const std::string& path) {
    // The prefix turns the system's path rewriting off: without it a name
    // with a trailing dot or blank loses them, a device name such as CON or
    // aux.txt names the device, and a long path is refused. Safe because the
    // model only builds full paths without "." or ".." parts.
    return L"\\\\?\\" + WideFromAnsi(path);
}

bool IsLeadByte(char byte) { return IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(byte)) != FALSE; }
