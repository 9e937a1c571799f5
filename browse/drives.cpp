#include "browse/drives.h"

#include "browse/shown_entries.h"
#include "platform/platform.h"

int32_t DiscoverDrives() {
    const size_t slots = 1 + 26;
    if (ShownEntries.size() < slots) ShownEntries.resize(slots);
    int32_t count = 0;
    SaveCurrentFolder();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!ProbeDrive(letter)) continue;
        ++count;
        // Two bytes fit in any slot's own storage: the drive list needs no
        // memory, so that Back always finds its way to it.
        std::string& entry = ShownEntries[count];
        entry.assign(1, letter);
        entry.push_back(':');
    }
    RestoreCurrentFolder();
    SetStatusText(MakeCountText(count, " drives").text);
    return count;
}
