#include "browse/shown_entries.h"

#include <cstdio>

std::vector<std::string> ShownEntries;
int32_t ShownEntryCount = 0;

void CreateShownEntries() {
    std::vector<std::string>(InitialEntrySlots).swap(ShownEntries);
    ShownEntryCount = 0;
}

std::string NumberText(int32_t number) { return MakeCountText(number, "").text; }

CountText MakeCountText(int32_t number, const char* word) {
    CountText count;
    std::snprintf(count.text, sizeof count.text, "%s%ld%s", number < 0 ? "" : " ", static_cast<long>(number), word);
    return count;
}
