#include "browse/listing_text.h"

#include <new>

#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "platform/platform.h"

namespace {

const char Confirmation[] =
    "A list of these displayed files and folders has been \r\n"
    "sent to the clipboard, where it can then be pasted \r\n"
    "to notePad and printed from there if desired.";

const char ClipboardInUseText[] =
    "The list could not be placed on the clipboard.\r\n"
    "Another program may be using the clipboard; please try again.";

const char NoMemoryText[] =
    "The list could not be placed on the clipboard.\r\n"
    "There was not enough memory for it.";

}  // namespace

std::string BuildListingText() {
    size_t size = 32 + CurrentPath.size();
    for (int32_t i = 1; i <= ShownEntryCount; ++i) size += ShownEntries[i].size() + 2;
    std::string text;
    text.reserve(size + 16);

    text.append("Listing for ").append(CurrentPath).append("\r\n\r\n");
    // An empty folder has no folders, whatever an earlier view left in slot 1.
    bool folders = ShownEntryCount > 0 && IsFolderEntry(ShownEntries[1]);
    text.append(folders ? "   Folders" : "   Files").append("\r\n");
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        bool folder = IsFolderEntry(entry);
        if (i >= 2 && !folder && IsFolderEntry(ShownEntries[i - 1])) text.append("\r\n   Files\r\n");
        if (folder) text.append(entry, 1, std::string::npos);
        else text.append(entry);
        text.append("\r\n");
    }
    return text;
}

void ListCommand() {
    ClipboardResult result;
    try {
        result = CopyTextToClipboard(BuildListingText(), AnsiTextLocale());
    } catch (const std::bad_alloc&) {
        result = NoMemoryForText;   // the text could not be built; the clipboard is untouched
    }
    if (result == TextPlaced)
        ShowMessage(Confirmation, InformationMessage);
    else
        ShowMessage(result == NoMemoryForText ? NoMemoryText : ClipboardInUseText, WarningMessage);
}
