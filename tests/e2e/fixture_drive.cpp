#include "tests/e2e/fixture_drive.h"

#include <windows.h>

#include <cstring>

#include "tests/common/file_tree.h"
#include "tests/host/host_side.h"

FixtureDrive TheFixtureDrive;

namespace {

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

bool WriteFileText(const std::wstring& path, const char* text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
    return ok != FALSE;
}

bool IsFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool FixtureDrive::Mount(std::string& error) {
    wchar_t temp[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        error = "no temporary folder";
        return false;
    }
    folder_ = std::wstring(temp) + L"wendrel-e2e";
    RemoveFolderTree(folder_);   // what a crashed run may have left

    const wchar_t* folders[] = {L"", L"\\Alpha", L"\\Empty", L"\\Work", L"\\Work\\Drafts", L"\\Work\\Old"};
    for (const wchar_t* name : folders) {
        if (!CreateDirectoryW((folder_ + name).c_str(), nullptr)) {
            error = "cannot create the fixture folders";
            return false;
        }
    }
    const wchar_t* files[] = {L"\\Alpha\\Tom & Jerry.txt", L"\\Alpha\\zeta.txt", L"\\Work\\Drafts\\draft.txt",
                              L"\\Work\\Old\\old.txt",     L"\\Work\\notes.txt", L"\\Work\\plan.doc",
                              L"\\readme.txt"};
    for (const wchar_t* name : files) {
        if (!WriteFileText(folder_ + name, "fixture\r\n")) {
            error = "cannot create the fixture files";
            return false;
        }
    }
    return MapLetter(error);
}

bool FixtureDrive::MapLetter(std::string& error) {
    DWORD used = GetLogicalDrives();
    letter_ = 0;
    for (char letter = 'W'; letter >= 'D'; --letter) {
        if (!(used & (1u << (letter - 'A')))) {
            letter_ = letter;
            break;
        }
    }
    if (!letter_) {
        error = "no free drive letter";
        return false;
    }
    std::wstring drive = Widen(Drive());

    if (UnderWine()) {
        // Wine keeps its drive letters as links in the prefix's device
        // folder and reads them afresh when a program starts; a mapping of
        // the kernel's object namespace is not consulted for file access.
        std::string target = HostPath(folder_);
        unixLink_ = DriveLinkPath(letter_);
        if (target.empty() || unixLink_.empty()) {
            error = "cannot find the Wine prefix";
            return false;
        }
        if (RunHostShell("ln -sfn " + ShellQuoted(target) + " " + ShellQuoted(unixLink_)) != 0) {
            error = "cannot link " + unixLink_;
            return false;
        }
    } else if (!DefineDosDeviceW(0, drive.c_str(), folder_.c_str())) {
        error = "DefineDosDevice failed";
        return false;
    }

    // This process may have cached the drive table for a moment.
    std::wstring probe = drive + L"\\Work";
    for (int attempt = 0; attempt < 100 && !IsFolder(probe); ++attempt) Sleep(50);
    if (!IsFolder(probe)) {
        error = "drive " + Drive() + " does not show the fixture tree";
        return false;
    }
    return true;
}

void FixtureDrive::Unmount() {
    if (letter_) {
        if (!unixLink_.empty())
            RunHostShell("rm -f " + ShellQuoted(unixLink_));
        else
            DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, Widen(Drive()).c_str(),
                             folder_.c_str());
        letter_ = 0;
    }
    if (!folder_.empty()) RemoveFolderTree(folder_);
}

// Every letter is probed: the system's drive mask may lag behind a drive
// that was mapped a moment ago.
std::vector<std::string> UsableDrives() {
    std::vector<std::string> drives;
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::wstring root = {static_cast<wchar_t>(letter), L':', L'\\'};
        if (GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) drives.push_back(std::string(1, letter) + ":");
    }
    SetErrorMode(previous);
    return drives;
}
