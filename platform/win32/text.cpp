#include "platform/win32/text.h"

#include <windows.h>

namespace {

// Below this length the plain form is accepted by every call we make; the
// smallest limit is the one for folder paths, MAX_PATH - 12.
const size_t LongPathLength = MAX_PATH - 12;

}  // namespace

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
    std::wstring wide = WideFromAnsi(path);
    // The prefix turns off the system's path parsing, which is safe because
    // the model only ever builds full paths without "." or ".." parts.
    if (wide.size() >= LongPathLength) wide.insert(0, L"\\\\?\\");
    return wide;
}
