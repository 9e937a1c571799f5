#include <windows.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

// A block holding a copy of `size` bytes, ready to hand to the clipboard;
// 0 when memory runs out.
HGLOBAL ClipboardBlock(UINT flags, const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(flags, size);
    if (!block) return 0;
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return 0;
    }
    std::memcpy(data, bytes, size);
    GlobalUnlock(block);
    return block;
}

void FreeBlocks(HGLOBAL text, HGLOBAL locale) {
    GlobalFree(text);
    if (locale) GlobalFree(locale);
}

}  // namespace

bool CopyTextToClipboard(const std::string& text, uint32_t locale) {
    // Everything that can fail is tried before the clipboard is emptied, so
    // a failure leaves what it held. Only SetClipboardData can still refuse
    // a block afterwards: refusing the text leaves the clipboard empty;
    // refusing the locale leaves the text, to which the system then gives
    // the keyboard's locale, as when there is none.
    HGLOBAL textBlock = ClipboardBlock(GMEM_MOVEABLE | GMEM_DDESHARE, text.c_str(), text.size() + 1);
    if (!textBlock) return false;
    // Without it a Unicode program reads the text in the code page of the
    // keyboard's language, which need not be the one the text is in. The
    // text goes without it when even this block cannot be had.
    LCID lcid = locale;
    HGLOBAL localeBlock = locale ? ClipboardBlock(GMEM_MOVEABLE, &lcid, sizeof lcid) : 0;
    // With no owner, EmptyClipboard leaves the clipboard ownerless and
    // SetClipboardData then refuses the blocks.
    if (!OpenClipboard(MainDialog)) {
        FreeBlocks(textBlock, localeBlock);
        return false;
    }
    if (!EmptyClipboard()) {
        CloseClipboard();
        FreeBlocks(textBlock, localeBlock);
        return false;
    }
    // Once placed, a block belongs to the clipboard.
    if (!SetClipboardData(CF_TEXT, textBlock)) {
        CloseClipboard();
        FreeBlocks(textBlock, localeBlock);
        return false;
    }
    if (localeBlock && !SetClipboardData(CF_LOCALE, localeBlock)) GlobalFree(localeBlock);
    CloseClipboard();
    return true;
}
