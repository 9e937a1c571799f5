// Conversions between the ANSI byte strings the model holds and the UTF-16
// text the wide calls take.
#pragma once

#include <string>

std::wstring WideFromAnsi(const std::string& text);
// Characters the code page lacks become its default substitute.
std::string AnsiFromWide(const wchar_t* text);

// The UTF-16 form of a full path ("X:\..."), with the "\\?\" prefix when it
// is long enough that the plain form could be refused.
std::wstring SystemPath(const std::string& path);
