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

namespace {

// Without WC_NO_BEST_FIT_CHARS a character the code page lacks becomes one
// that looks like it: a full-width "\" the path separator, a full-width
// "." a dot, a letter with a mark the bare letter, so that a row would name
// and open another entry. With it such a character becomes "?", which names
// no entry. UTF-8 has every character and refuses the flag.
DWORD NameConversionFlags() {
    static const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    return flags;
}

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Where in [from, units) half of a surrogate pair stands alone; `units`
// when none does.
size_t LoneSurrogate(const wchar_t* text, size_t from, size_t units) {
    for (size_t i = from; i < units; ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < units && IsLowSurrogate(text[i + 1])) ++i;
        else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) return i;
    }
    return units;
}

}  // namespace

void AnsiFromWide(const wchar_t* text, std::string& ansi) {
    size_t units = wcslen(text);
    DWORD flags = NameConversionFlags();
    // Half a surrogate pair has no UTF-8 form: the conversion would make
    // U+FFFD of it, which may be another entry's name. As "?" it names
    // none, as in the other code pages.
    size_t lone = flags == 0 ? LoneSurrogate(text, 0, units) : units;
    if (lone < units) {
        static std::wstring repaired;
        repaired.assign(text, units);
        for (; lone < units; lone = LoneSurrogate(repaired.c_str(), lone + 1, units)) repaired[lone] = L'?';
        text = repaired.c_str();
    }
    // No code page takes more than three bytes for a UTF-16 unit, so one
    // call converts into room made beforehand.
    ansi.resize(3 * units);
    int length = units == 0 ? 0
                            : WideCharToMultiByte(CP_ACP, flags, text, static_cast<int>(units), &ansi[0],
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
