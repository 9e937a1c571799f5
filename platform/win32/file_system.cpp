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

// On 64-bit Windows the file calls of a 32-bit program that name the
// system folder reach the 32-bit one (SysWOW64) instead, and a listing
// would name files that are not in the folder it names. The redirection
// is turned off for each search and attribute call alone: while it is off
// it also applies to the libraries the thread loads. Windows XP's 32-bit
// kernel lacks the two calls, and a 32-bit system refuses them; either
// way nothing is redirected there.
typedef BOOL(WINAPI* DisableRedirection)(PVOID* previous);
typedef BOOL(WINAPI* RevertRedirection)(PVOID previous);
struct Redirection {
    PVOID previous;
    bool off;
};

template <class Call>
Call FindKernelCall(const char* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(kernel, name))) : nullptr;
}

Redirection TurnRedirectionOff() {
    static DisableRedirection disable = FindKernelCall<DisableRedirection>("Wow64DisableWow64FsRedirection");
    Redirection redirection = {nullptr, false};
    redirection.off = disable && disable(&redirection.previous);
    return redirection;
}

void TurnRedirectionBack(const Redirection& redirection) {
    static RevertRedirection revert = FindKernelCall<RevertRedirection>("Wow64RevertWow64FsRedirection");
    if (redirection.off && revert) revert(redirection.previous);
}

// What a search call (start, next, end) runs with, set just before it and
// taken back just after.
struct SearchCall {
    UINT errorMode;
    Redirection redirection;
};

SearchCall BeginSearchCall() { return SearchCall{SetErrorMode(QuietErrorMode), TurnRedirectionOff()}; }

void EndSearchCall(const SearchCall& call) {
    TurnRedirectionBack(call.redirection);
    SetErrorMode(call.errorMode);
}

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
    BOOL more = FALSE;
    do {
        SearchCall call = BeginSearchCall();
        more = FindNextFileW(handle, &found);
        EndSearchCall(call);
    } while (more && IsDotEntry(found.cFileName));
    return more != FALSE;
}

void CloseSearch(HANDLE handle) {
    SearchCall call = BeginSearchCall();
    FindClose(handle);
    EndSearchCall(call);
}

}  // namespace

FolderSearch* StartFolderSearch(const std::string& pattern, std::string& name) {
    std::wstring widePattern;
    SystemPath(pattern, widePattern);
    WIN32_FIND_DATAW found;
    SearchCall call = BeginSearchCall();
    HANDLE handle = FindFirstFileW(widePattern.c_str(), &found);
    EndSearchCall(call);
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
    Redirection redirection = TurnRedirectionOff();
    DWORD attributes = GetFileAttributesW(widePath.c_str());
    TurnRedirectionBack(redirection);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
