// Conversions between the ANSI byte strings the model holds and the UTF-16
// text the wide calls take.
#pragma once

#include <string>

std::wstring WideFromAnsi(const std::string& text);
// Stores `text` in `ansi`, reusing its storage: a listing converts a name
// per entry. A character the code page lacks becomes "?", never a
// look-alike; under UTF-8 every name converts exactly.
void AnsiFromWide(const wchar_t* text, std::string& ansi);

// Stores in `wide`, reusing its storage, the UTF-16 form of a full path
// ("X:\...") in the "\\?\" form, which names exactly the entries it
// spells, whatever their length or name.
void SystemPath(const std::string& path, std::wstring& wide);
