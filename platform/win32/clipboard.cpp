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

// The text in UTF-16, converted straight into its block: a large folder's
// listing is megabytes, and needs no other copy. 0 when it cannot be had.
HGLOBAL UnicodeBlock(const std::string& text) {
    // The conversion counts in int, and the block holds two bytes a unit.
    const size_t longest = 0x3FFFFFFF;
    if (text.size() >= longest) return 0;
    int bytes = static_cast<int>(text.size() + 1);   // the NUL converted too
    int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), bytes, nullptr, 0);
    if (units <= 0) return 0;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(units) * sizeof(wchar_t));
    if (!block) return 0;
    wchar_t* data = static_cast<wchar_t*>(GlobalLock(block));
    int converted = data ? MultiByteToWideChar(CP_ACP, 0, text.c_str(), bytes, data, units) : 0;
    if (data) GlobalUnlock(block);
    if (converted != units) {
        GlobalFree(block);
        return 0;
    }
    return block;
}

// Clipboard history, remote-desktop sharing and clipboard managers open the
// clipboard for a moment after every change. Only a clipboard held for
// longer than about half a second is in use.
bool OpenClipboardWithRetries(HWND owner) {
    for (int retry = 0;; ++retry) {
        if (OpenClipboard(owner)) return true;
        if (retry == 10) return false;
        Sleep(50);
    }
}

void FreeBlocks(HGLOBAL text, HGLOBAL locale) {
    GlobalFree(text);
    if (locale) GlobalFree(locale);
}

// Hands a block that may be missing to the clipboard, or frees it when
// the clipboard refuses it.
void PlaceOptional(UINT format, HGLOBAL block) {
    if (block && !SetClipboardData(format, block)) GlobalFree(block);
}

}  // namespace

ClipboardResult CopyTextToClipboard(const std::string& text, uint32_t locale) {
    // The text and its locale are made before the clipboard is opened, so
    // that a clipboard in use, or no memory for the text, leaves what the
    // clipboard held. Once the clipboard has been emptied only
    // SetClipboardData can refuse a block: refusing the text leaves the
    // clipboard empty; refusing another form leaves the text, from which
    // the system then makes that form itself.
    HGLOBAL textBlock = ClipboardBlock(GMEM_MOVEABLE | GMEM_DDESHARE, text.c_str(), text.size() + 1);
    if (!textBlock) return NoMemoryForText;
    // For the other forms the system makes: without it they are read in the
    // code page of the keyboard's language, which need not be the one the
    // text is in.
    LCID lcid = locale;
    HGLOBAL localeBlock = locale ? ClipboardBlock(GMEM_MOVEABLE, &lcid, sizeof lcid) : 0;
    // With no owner, EmptyClipboard leaves the clipboard ownerless and
    // SetClipboardData then refuses the blocks.
    if (!OpenClipboardWithRetries(MainDialog)) {
        FreeBlocks(textBlock, localeBlock);
        return ClipboardInUse;
    }
    // Once placed, a block belongs to the clipboard.
    if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, textBlock)) {
        CloseClipboard();
        FreeBlocks(textBlock, localeBlock);
        return ClipboardInUse;
    }
    // Made by the system from CF_TEXT, the Unicode form would be read with
    // the code page of whatever locale the system takes the text to be in,
    // which under the UTF-8 code page is no locale's. It is made only now,
    // when the previous listing's blocks have been freed by EmptyClipboard:
    // made beside them, a block of this size leaves a hole in the heap at
    // every List, and the program's memory grows with each. Without memory
    // for it the system makes it from the text after all.
    PlaceOptional(CF_UNICODETEXT, UnicodeBlock(text));
    PlaceOptional(CF_LOCALE, localeBlock);
    CloseClipboard();
    return TextPlaced;
}
