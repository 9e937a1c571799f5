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

void AnsiFromWide(const wchar_t* text, std::string& ansi) {
    size_t units = wcslen(text);
    // No code page takes more than three bytes for a UTF-16 unit, so one
    // call converts into room made beforehand.
    ansi.resize(3 * units);
    int length = units == 0 ? 0
                            : WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(units), &ansi[0],
                                                  static_cast<int>(ansi.size()), nullptr, nullptr);
    ansi.resize(length > 0 ? static_cast<size_t>(length) : 0);
}

void SystemPath(const std::string& path, std::wstring& wide) {
    // The prefix turns the system's path rewriting off: without it a name
    // with a trailing dot or blank loses them, a device name such as CON or
    // aux.txt names the device, and a long path is refused. Safe because the
    // model only builds full paths without "." or ".." parts.
    const size_t prefix = 4;
    wide.assign(L"\\\\?\\");
    if (path.empty()) return;
    // No ANSI byte makes more than one UTF-16 unit.
    wide.resize(prefix + path.size());
    int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), &wide[prefix],
                                     static_cast<int>(path.size()));
    wide.resize(prefix + (length > 0 ? static_cast<size_t>(length) : 0));
}

bool IsLeadByte(char byte) { return IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(byte)) != FALSE; }
