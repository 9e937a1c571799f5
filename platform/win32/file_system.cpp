#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/text.h"

struct FolderSearch {
    HANDLE handle;
};

namespace {

// A drive without a medium or a failing device must fail the call quietly
// rather than bring up a system dialog box.
const UINT QuietErrorMode = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;

}  // namespace

bool ProbeDrive(char letter) {
    // The root, not "E:": that names the drive's current folder, which a
    // command prompt hands down in its environment and which may be gone
    // while the drive is there.
    const wchar_t drive[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    UINT previous = SetErrorMode(QuietErrorMode);
    SetLastError(0);
    BOOL made = SetCurrentDirectoryW(drive);
    DWORD error = GetLastError();
    SetErrorMode(previous);
    return made && error == 0;
}

namespace {

// Without a manifest that opts into long paths a process's current
// directory is shorter than MAX_PATH; an empty one means it could not be read.
wchar_t SavedFolder[MAX_PATH + 1];

}  // namespace

void SaveCurrentFolder() {
    DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, SavedFolder);
    if (length == 0 || length > MAX_PATH) SavedFolder[0] = L'\0';
}

void RestoreCurrentFolder() {
    // The folder may have gone with its medium meanwhile; the system folder
    // is always there and never on a drive that can be ejected.
    UINT previous = SetErrorMode(QuietErrorMode);
    if (!SavedFolder[0] || !SetCurrentDirectoryW(SavedFolder)) {
        wchar_t system[MAX_PATH + 1];
        UINT length = GetSystemDirectoryW(system, MAX_PATH + 1);
        if (length > 0 && length <= MAX_PATH) SetCurrentDirectoryW(system);
    }
    SetErrorMode(previous);
}

namespace {

// Told by the name the disk holds: converted, a name such as "．．" may
// read as "..".
bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// Moves past "." and ".."; false at the end of the search or on failure.
bool NextEntry(HANDLE handle, WIN32_FIND_DATAW& found) {
    UINT previous = SetErrorMode(QuietErrorMode);
    BOOL more = FindNextFileW(handle, &found);
    while (more && IsDotEntry(found.cFileName)) more = FindNextFileW(handle, &found);
    SetErrorMode(previous);
    return more != FALSE;
}

void CloseSearch(HANDLE handle) {
    UINT previous = SetErrorMode(QuietErrorMode);
    FindClose(handle);
    SetErrorMode(previous);
}

}  // namespace

FolderSearch* StartFolderSearch(const std::string& pattern, std::string& name) {
    std::wstring widePattern;
    SystemPath(pattern, widePattern);
    WIN32_FIND_DATAW found;
    UINT previous = SetErrorMode(QuietErrorMode);
    HANDLE handle = FindFirstFileW(widePattern.c_str(), &found);
    SetErrorMode(previous);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (IsDotEntry(found.cFileName) && !NextEntry(handle, found)) {
        CloseSearch(handle);
        return nullptr;
    }
    // Out of memory here would leave the search open with nobody to end it.
    try {
        AnsiFromWide(found.cFileName, name);
        return new FolderSearch{handle};
    } catch (...) {
        CloseSearch(handle);
        throw;
    }
}

bool ContinueFolderSearch(FolderSearch* search, std::string& name) {
    WIN32_FIND_DATAW found;
    if (!NextEntry(search->handle, found)) return false;
    AnsiFromWide(found.cFileName, name);
    return true;
}

void EndFolderSearch(FolderSearch* search) {
    CloseSearch(search->handle);
    delete search;
}

bool IsFolderPath(const std::string& path) {
    // Asked once per entry of a listing: the path's storage is kept.
    static std::wstring widePath;
    SystemPath(path, widePath);
    DWORD attributes = GetFileAttributesW(widePath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
