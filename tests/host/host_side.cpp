#include "tests/host/host_side.h"

#include <cstdlib>

namespace {

// Wine's own exports that translate between its drive paths and the host's.
typedef char*(CDECL* UnixNameFn)(LPCWSTR);
typedef WCHAR*(CDECL* DosNameFn)(LPCSTR);

FARPROC WineExport(const char* kernelName) {
    return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), kernelName);
}

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH + 1] = L"";
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    return length > 0 && length <= MAX_PATH ? std::wstring(temp) : std::wstring();
}

// Starts a host program. Under Wine the process handle that comes back
// does not follow the host process, so there is nothing to wait on here.
bool StartHostProgram(const std::string& program, const std::string& arguments) {
    std::wstring image = WindowsPathOf(program);
    if (image.empty()) return false;
    std::wstring commandLine = L"\"" + image + L"\" " + std::wstring(arguments.begin(), arguments.end());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(image.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    return true;
}

// The whole content of a small file; false when it cannot be read.
bool ReadSmallFile(const std::wstring& path, std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[64];
    DWORD read = 0;
    BOOL ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    if (!ok) return false;
    content.assign(buffer, read);
    return true;
}

}  // namespace

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::string HostPath(const std::wstring& windowsPath) {
    auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void*>(WineExport("wine_get_unix_file_name")));
    if (!unixName) return {};
    char* name = unixName(windowsPath.c_str());
    if (!name) return {};
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::wstring WindowsPathOf(const std::string& hostPath) {
    auto dosName = reinterpret_cast<DosNameFn>(reinterpret_cast<void*>(WineExport("wine_get_dos_file_name")));
    if (!dosName) return {};
    WCHAR* name = dosName(hostPath.c_str());
    if (!name) return {};
    std::wstring result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::string DriveLinkPath(char letter) {
    // The host name of C:\ runs through the device folder's link for C:.
    std::string cDrive = HostPath(L"C:\\");
    size_t devices = cDrive.rfind("/dosdevices/");
    if (devices == std::string::npos) return {};
    char lower = static_cast<char>(letter | 0x20);
    return cDrive.substr(0, devices) + "/dosdevices/" + lower + ":";
}

std::string ShellQuoted(const std::string& text) {
    if (text.find('\'') != std::string::npos) return {};
    return "'" + text + "'";
}

int RunHostShell(const std::string& script, DWORD timeoutMs) {
    if (script.find_first_of("\"\\") != std::string::npos) return -1;
    static int runs = 0;
    std::wstring status =
        TempFolder() + L"wendrel-host-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++runs);
    std::string hostStatus = HostPath(status);
    if (hostStatus.empty() || ShellQuoted(hostStatus).empty()) return -1;
    DeleteFileW(status.c_str());

    // The status is written aside and then renamed, so that a file that
    // shows up is complete.
    std::string wrapped = "( " + script + " ); echo $? > " + ShellQuoted(hostStatus + ".part") + "; mv " +
                          ShellQuoted(hostStatus + ".part") + " " + ShellQuoted(hostStatus);
    if (!StartHostProgram("/bin/sh", "-c \"" + wrapped + "\"")) return -1;

    DWORD start = GetTickCount();
    std::string content;
    while (!ReadSmallFile(status, content)) {
        if (GetTickCount() - start > timeoutMs) return -1;
        Sleep(5);
    }
    DeleteFileW(status.c_str());
    return std::atoi(content.c_str());
}
