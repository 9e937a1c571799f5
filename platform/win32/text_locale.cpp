#include <windows.h>

#include "platform/platform.h"

namespace {

bool WritesInTheAnsiCodePage(LCID locale) {
    DWORD codePage = 0;
    return GetLocaleInfoW(locale, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                          reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR)) != 0 &&
           codePage == GetACP();
}

}  // namespace

uint32_t AnsiTextLocale() {
    // The system locale is the one that chooses the ANSI code page; the
    // user's is asked only where the two have been made to disagree.
    LCID candidates[] = {GetSystemDefaultLCID(), GetUserDefaultLCID()};
    for (LCID locale : candidates)
        if (WritesInTheAnsiCodePage(locale)) return locale;
    return 0;
}
