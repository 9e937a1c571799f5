// Conversions between the ANSI byte strings the model holds and the UTF-16
// text the wide calls take.
#pragma once

#include <string>

std::wstring WideFromAnsi(const std::string& text);
// Characters the code page lacks become its default substitute.
std::string AnsiFromWide(const wchar_t* text);

// The UTF-16 form of a full path ("X:\..."), in the "\\?\" form that names
// exactly the entries it spells, whatever their length or name.
std::wstring SystemPath(const std::string& path);
