#include "tests/model/fake_platform.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <unordered_map>

#include "browse/navigation.h"
#include "browse/shown_entries.h"

namespace fake {

std::set<char> Drives;
std::string CurrentFolder;
std::map<std::string, std::vector<Entry>> Folders;
std::set<std::string> Unreadable;
std::vector<std::string> Patterns;
int OpenSearches = 0;
std::vector<Row> Rows;
bool Redrawing = true;
int Selected = -1;
std::map<int, bool> Enabled;
std::map<int, int> DefaultLookDropped;
int FocusReturns = 0;
std::string PathLabel;
std::string StatusText;
std::vector<std::string> Commands;
int CodePage = 0;
int FailingEntry = 0;
size_t LargestAllocation = 0;
long FailingAllocation = 0;
bool StaysOutOfMemory = false;
long AllocationsMade = 0;
size_t RowSpace = 0;
int SystemCalls = 0;
bool ClipboardBusy = false;
std::string Clipboard;
uint32_t TextLocale = 0;
uint32_t ClipboardLocale = 0;
std::vector<Message> Messages;

void Reset() {
    Drives.clear();
    CurrentFolder = "W:\\Start\\";
    Folders.clear();
    Unreadable.clear();
    Patterns.clear();
    OpenSearches = 0;
    Rows.clear();
    Redrawing = true;
    Selected = -1;
    Enabled = {{BackButtonId, true}, {ShowButtonId, true}, {ListButtonId, true}};
    DefaultLookDropped.clear();
    FocusReturns = 0;
    PathLabel.clear();
    StatusText.clear();
    Commands.clear();
    CodePage = 0;
    FailingEntry = 0;
    LargestAllocation = 0;
    FailingAllocation = 0;
    StaysOutOfMemory = false;
    AllocationsMade = 0;
    RowSpace = 0;
    ClipboardBusy = false;
    Clipboard.clear();
    TextLocale = 0;
    ClipboardLocale = 0;
    Messages.clear();
    CurrentPath.clear();
    FolderIconHandle = 0x5A5A;
    CreateShownEntries();
}

void AddFolder(const std::string& path, const std::vector<std::string>& names) {
    std::vector<Entry>& entries = Folders[path];
    for (const std::string& name : names) {
        bool folder = !name.empty() && name.back() == '\\';
        std::string plain = folder ? name.substr(0, name.size() - 1) : name;
        entries.push_back({plain, folder});
        if (folder) Folders[path + plain + "\\"];
    }
}

std::vector<std::string> RowTexts() {
    std::vector<std::string> texts;
    for (const Row& row : Rows) texts.push_back(row.text);
    return texts;
}

std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        std::string entry = ShownEntries[i];
        if (IsFolderEntry(entry)) entry = "\\" + entry.substr(1);
        shown.push_back(entry);
    }
    return shown;
}

}  // namespace fake

using namespace fake;

// The system's own bookkeeping is not the program's memory: a limit set by
// a test does not apply to it.
struct SystemCall {
    SystemCall() { ++SystemCalls; }
    ~SystemCall() { --SystemCalls; }
};

// Code page 932's lead bytes.
bool IsLeadByte(char byte) {
    unsigned char b = static_cast<unsigned char>(byte);
    return CodePage == 932 && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
}

bool ProbeDrive(char letter) {
    SystemCall system;
    if (Drives.count(letter) == 0) return false;
    CurrentFolder = std::string(1, letter) + ":\\";
    return true;
}

static std::string SavedFolder;
void SaveCurrentFolder() {
    SystemCall system;
    SavedFolder = CurrentFolder;
}
void RestoreCurrentFolder() {
    SystemCall system;
    CurrentFolder = SavedFolder;
}

// Full path -> is a folder, for the folder searched last, so that kind
// queries on large folders stay quick.
static std::unordered_map<std::string, bool> Kinds;

struct FolderSearch {
    std::vector<std::string> names;
    size_t next;
    size_t entries;   // handed out so far
};


FolderSearch* StartFolderSearch(const std::string& pattern, std::string& name) {
    FolderSearch* search;
    {
        SystemCall system;
        Patterns.push_back(pattern);
        if (pattern.size() < 3 || pattern.compare(pattern.size() - 3, 3, "*.*") != 0) return nullptr;
        std::string path = pattern.substr(0, pattern.size() - 3);
        auto found = Folders.find(path);
        if (found == Folders.end() || Unreadable.count(path)) return nullptr;
        search = new FolderSearch{{}, 1, 0};
        Kinds.clear();
        for (const Entry& entry : found->second) {
            search->names.push_back(entry.name);
            Kinds[path + entry.name] = entry.folder;
        }
        if (search->names.empty()) {
            delete search;
            return nullptr;
        }
    }
    // The name's conversion is the program's memory; the search is closed
    // when it fails.
    try {
        name = search->names[0];
        if (++search->entries == static_cast<size_t>(FailingEntry)) throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
        delete search;
        throw;
    }
    ++OpenSearches;
    return search;
}

bool ContinueFolderSearch(FolderSearch* search, std::string& name) {
    if (search->next >= search->names.size()) return false;
    const std::string& next = search->names[search->next++];
    if (FailingEntry != 0 && ++search->entries == static_cast<size_t>(FailingEntry)) throw std::bad_alloc();
    name = next;
    return true;
}

void EndFolderSearch(FolderSearch* search) {
    --OpenSearches;
    delete search;
}

bool IsFolderPath(const std::string& path) {
    if (path.find_first_of("?*") != std::string::npos) return false;
    auto kind = Kinds.find(path);
    return kind != Kinds.end() && kind->second;
}

void SetStatusText(const char* text) {
    SystemCall system;
    StatusText = text;
}

void ResetRows(int, size_t) {
    Rows.clear();
    Redrawing = false;
    Selected = -1;
}

void FinishRows() { Redrawing = true; }

int AddRow(const char* text) {
    SystemCall system;
    if (RowSpace != 0 && Rows.size() >= RowSpace) return -2;   // LB_ERRSPACE
    Rows.push_back({text, 0});
    return static_cast<int>(Rows.size()) - 1;
}

void SetRowData(int row, RowData data) {
    if (row >= 0 && row < static_cast<int>(Rows.size())) Rows[row].data = data;
}

int GetSelectedRow() { return Selected; }

RowData GetRowData(int row) {
    if (row < 0 || row >= static_cast<int>(Rows.size())) return ListError;
    return Rows[row].data;
}

std::string GetRowText(int row) {
    if (row < 0 || row >= static_cast<int>(Rows.size())) return std::string();
    return Rows[row].text;
}

// Letter case is ignored for one-byte characters only: the second byte of
// a double-byte character is no letter.
static bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int FindRowExact(const std::string& text) {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (SameIgnoringCase(Rows[i].text, text)) return static_cast<int>(i);
    return ListError;
}

void SelectRow(int row) { Selected = row >= 0 && row < static_cast<int>(Rows.size()) ? row : -1; }

void EnableButton(int id, bool enabled) {
    SystemCall system;
    Enabled[id] = enabled;
}
void SetPathLabel(const std::string& path) {
    SystemCall system;
    PathLabel = path;
}

void ResendCommand(int id) {
    {
        SystemCall system;
        Commands.push_back(std::to_string(id));
    }
    HandleCommand(id, 0);
}

void DropDefaultLook(int id) {
    SystemCall system;
    ++DefaultLookDropped[id];
}
void ReturnFocus() { ++FocusReturns; }

uint32_t AnsiTextLocale() { return TextLocale; }

ClipboardResult CopyTextToClipboard(const std::string& text, uint32_t locale) {
    SystemCall system;
    if (ClipboardBusy) return ClipboardInUse;
    Clipboard = text;
    ClipboardLocale = locale;
    return TextPlaced;
}

void ShowMessage(const char* text, MessageKind kind) {
    SystemCall system;
    Messages.push_back({text, kind});
}
