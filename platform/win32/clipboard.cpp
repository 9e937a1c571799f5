#include <windows.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

// A block holding the text and its NUL, ready to hand to the clipboard;
// 0 when memory runs out.
HGLOBAL TextBlock(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    if (!block) return 0;
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (!bytes) {
        GlobalFree(block);
        return 0;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool CopyTextToClipboard(const std::string& text) {
    // Everything that can fail is tried before the clipboard is emptied, so
    // a failure leaves what it held. Only SetClipboardData can still refuse
    // the block afterwards, and then the clipboard is left empty.
    HGLOBAL block = TextBlock(text);
    if (!block) return false;
    // With no owner, EmptyClipboard leaves the clipboard ownerless and
    // SetClipboardData then refuses the block.
    if (!OpenClipboard(MainDialog)) {
        GlobalFree(block);
        return false;
    }
    if (!EmptyClipboard()) {
        CloseClipboard();
        GlobalFree(block);
        return false;
    }
    HANDLE placed = SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    // Once placed, the block belongs to the clipboard.
    if (!placed) GlobalFree(block);
    return placed != 0;
}
