#include "browse/drives.h"

#include "browse/shown_entries.h"
#include "platform/platform.h"

int32_t DiscoverDrives() {
    int32_t count = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!ProbeDrive(letter)) continue;
        ++count;
        if (ShownEntries.size() <= static_cast<size_t>(count)) ShownEntries.resize(count + 1);
        ShownEntries[count] = std::string(1, letter) + ":";
    }
    SetStatusText(NumberText(count) + " drives");
    return count;
}
