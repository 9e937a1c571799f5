#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/text.h"

void ShowMessage(const std::string& text, MessageKind kind) {
    UINT icon = kind == InformationMessage ? MB_ICONINFORMATION : MB_ICONWARNING;
    MessageBoxW(0, WideFromAnsi(text).c_str(), L"Wendrel", MB_OK | icon);
}
