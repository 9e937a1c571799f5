// The few operations the browsing model needs from the system.
//
// The Windows build links platform/win32; the native tests link an
// in-memory double. Text crosses this line as byte strings in the ANSI
// code page; the Windows layer converts to and from UTF-16 itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Control ids of the main window that the model addresses.
enum ControlId : int {
    DefaultButtonId = 1,
    EntryListBoxId = 100,
    BackButtonId = 101,
    ShowButtonId = 102,
    ListButtonId = 103,
    PathLabelId = 104,
    HiddenEditBoxId = 105,
    StatusBarId = 120,
};

// A row's item data: 1 for a drive, the folder icon for a folder, 0 for a
// file. Pointer-sized, because for folders it is an icon handle.
typedef intptr_t RowData;

const int ListError = -1;   // what the list answers for "no such row"

// ---- text -----------------------------------------------------------------

// True when `byte` begins a two-byte character in the ANSI code page. In
// the double-byte code pages the second byte of a character may be "\" or
// an ASCII letter, so ANSI text is read a character at a time.
bool IsLeadByte(char byte);

// The locale whose ANSI code page is the one text is in (a Windows locale
// identifier); 0 when no locale can be found for it.
uint32_t AnsiTextLocale();

// ---- file system ----------------------------------------------------------

// True when the root of drive "<letter>:" can be made the current
// directory. Runs with critical-error boxes suppressed, so an empty drive
// fails quietly.
bool ProbeDrive(char letter);
// Each probe that answers leaves its drive current, and a volume holding a
// process's current directory cannot be ejected. The probes are therefore
// made between these two: the first reads the current directory, the
// second sets it again (or, where that is gone, the system folder).
void SaveCurrentFolder();
void RestoreCurrentFolder();

struct FolderSearch;   // an open directory search

// Starts a search for `pattern` (an ANSI path ending in "*.*"). On success
// returns the search and stores the first entry's name (converted to ANSI)
// in `name`; returns nullptr when the folder cannot be searched or holds
// nothing. A search yields every entry but "." and "..", which it tells by
// the names the disk holds.
FolderSearch* StartFolderSearch(const std::string& pattern, std::string& name);
// Stores the next entry's name; false at the end or on failure.
bool ContinueFolderSearch(FolderSearch* search, std::string& name);
void EndFolderSearch(FolderSearch* search);

// True when `path` names an existing folder; false for files and on failure.
bool IsFolderPath(const std::string& path);

// ---- window ---------------------------------------------------------------
//
// What a command calls after it has built its new view allocates nothing
// and throws nothing, so that a command either changes the view whole or
// not at all.

void SetStatusText(const char* text);

// The entry list.
// Empties the list and makes room for `rows` rows holding `textBytes` bytes
// of ANSI text in all. The list is not redrawn until FinishRows.
void ResetRows(int rows, size_t textBytes);
void FinishRows();
int AddRow(const char* text);                  // the new row's index, or < 0
void SetRowData(int row, RowData data);
int GetSelectedRow();                          // ListError when none
RowData GetRowData(int row);                   // ListError for an invalid row
std::string GetRowText(int row);               // whole text, any length
int FindRowExact(const std::string& text);     // case-insensitive; ListError
void SelectRow(int row);                       // -1 clears the selection

void EnableButton(int id, bool enabled);
void SetPathLabel(const std::string& path);
// Sends WM_COMMAND with `id` (notification 0) to the main window and
// returns when it has been handled.
void ResendCommand(int id);
void DropDefaultLook(int id);                  // back to a plain push button
void ReturnFocus();                            // foreground + focus the list

// ---- clipboard and messages -----------------------------------------------

// Places `text` on the clipboard as CF_TEXT, beside it the same text as
// CF_UNICODETEXT, converted with the ANSI code page, and `locale` as
// CF_LOCALE unless it is 0: a Unicode program reads the names as they are
// shown, whatever locale the system would guess for the text. What was
// not placed:
enum ClipboardResult {
    TextPlaced,
    // the clipboard stayed in use elsewhere: it keeps what it held, except
    // when the system refuses the text after the clipboard has been
    // emptied, which leaves it empty
    ClipboardInUse,
    // no memory for the text's block: the clipboard is untouched
    NoMemoryForText,
};
// A Unicode form or a locale that cannot be had leaves the text alone.
ClipboardResult CopyTextToClipboard(const std::string& text, uint32_t locale);

enum MessageKind { InformationMessage, WarningMessage };
// Allocates nothing, so that it can say that memory ran out.
void ShowMessage(const char* text, MessageKind kind);
