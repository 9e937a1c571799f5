#pragma once

#include <cstdint>
#include <string>

// Lists the folder `path` (ANSI, ending in "\") into slots 1..n of
// ShownEntries: folders first, then files beginning with "~", then the other
// files, each group in name order with ASCII letters folded. Sets the status
// text to the count and returns n; 0 for an empty or unreadable folder, in
// which case the table keeps its previous entries.
int32_t ListFolder(const std::string& path);

// The status bar's count of the entries shown: " N Objects".
void ShowObjectCount(int32_t count);

// Set when the last listing, or the rows made from it, ran out of memory
// before the folder's end: what was stored so far is shown, the rest is not.
extern bool ListingCutShort;

// True when entry `a` lists before entry `b`: folders, then files beginning
// with "~", then the other files; inside a group by CompareEntryKeys.
bool EntryLess(const std::string& a, const std::string& b);

// Puts the entries in [first, last) in listing order. O(n log n) for every
// input.
void SortEntries(std::string* first, std::string* last);

// The order of names: bytes compared as unsigned values with a-z
// folded to A-Z, a prefix first; names equal under folding fall back to
// plain byte order so that the result never depends on the file system's
// enumeration order. Negative, zero or positive like strcmp.
int CompareEntryKeys(const std::string& a, const std::string& b);
