// An in-memory stand-in for the system: drives, a folder tree that
// enumerates in the order a test chooses, and a recording window.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

struct Entry {
    std::string name;
    bool folder;
};

struct Row {
    std::string text;
    RowData data;
};

struct Message {
    std::string text;
    MessageKind kind;
};

extern std::set<char> Drives;
// The process's current directory, as the probes and their restoring leave it.
extern std::string CurrentFolder;
// Folder path (ending in "\") -> its entries in enumeration order; like the
// system's, the search yields no "." and "..".
extern std::map<std::string, std::vector<Entry>> Folders;
extern std::set<std::string> Unreadable;
extern std::vector<std::string> Patterns;   // every search pattern asked for
extern int OpenSearches;

extern std::vector<Row> Rows;
extern bool Redrawing;                         // off between ResetRows and FinishRows
extern int Selected;
extern std::map<int, bool> Enabled;
extern std::map<int, int> DefaultLookDropped;  // id -> times
extern int FocusReturns;
extern std::string PathLabel;
extern std::string StatusText;
extern std::vector<std::string> Commands;      // re-sent commands, in order

// The ANSI code page: 0 for a single-byte one, 932 for the Japanese one,
// whose characters may be two bytes long.
extern int CodePage;

// Running out of memory: the search throws std::bad_alloc when it reaches
// entry number FailingEntry (counted from 1), as
// the system's name conversion would; in the model tests every allocation
// larger than LargestAllocation bytes fails, and so does allocation number
// FailingAllocation (counted in AllocationsMade from when it is set) and,
// with StaysOutOfMemory, every one after it; the list takes at most
// RowSpace rows.
// 0 turns each off.
extern int FailingEntry;
extern size_t LargestAllocation;
extern long FailingAllocation;
extern bool StaysOutOfMemory;
extern long AllocationsMade;
extern size_t RowSpace;
// Above 0 while the double keeps its own records, which are the system's
// memory and not the program's: no allocation fails then.
extern int SystemCalls;

extern bool ClipboardBusy;
extern std::string Clipboard;
// What AnsiTextLocale answers, and the locale the clipboard was last handed.
extern uint32_t TextLocale;
extern uint32_t ClipboardLocale;
extern std::vector<Message> Messages;

// Clears everything above and the browsing state, and creates the table.
void Reset();
// Adds a folder; names ending in "\" are folders, also made (empty) in the
// tree, the rest are files.
void AddFolder(const std::string& path, const std::vector<std::string>& names);

std::vector<std::string> RowTexts();
std::vector<std::string> Shown();   // slots 1..ShownEntryCount, marker as "\\"

}  // namespace fake
