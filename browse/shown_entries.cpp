#include "browse/shown_entries.h"

std::vector<std::string> ShownEntries;
int32_t ShownEntryCount = 0;

void CreateShownEntries() {
    std::vector<std::string>(InitialEntrySlots).swap(ShownEntries);
    ShownEntryCount = 0;
}

std::string NumberText(int32_t number) {
    if (number < 0) return std::to_string(number);
    return " " + std::to_string(number);
}
