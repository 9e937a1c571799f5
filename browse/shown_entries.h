// The entries of the current view, shared by the listing, the navigation
// commands, the listing text and the window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Slot 0 is never written; slots 1..ShownEntryCount hold the view in display
// order. Starts with slots 0..10000 and grows for larger folders.
extern std::vector<std::string> ShownEntries;
extern int32_t ShownEntryCount;

// Leading byte of a folder's entry; it never reaches a row or the listing.
const char FolderMarker = '\0';

const int InitialEntrySlots = 10001;

// Creates the table with every slot empty. Called once at start.
void CreateShownEntries();

inline bool IsFolderEntry(const std::string& entry) {
    return !entry.empty() && entry[0] == FolderMarker;
}

// The program's number-to-text form: a blank before a non-negative number,
// "-" before a negative one.
std::string NumberText(int32_t number);

// A count in that form followed by `word` (" drives"), held in place: the
// status texts are made without memory, after a command has built its view.
struct CountText {
    char text[48];
};
CountText MakeCountText(int32_t number, const char* word);
