// How long listing a large folder takes, against the least the file system
// itself needs and against the command interpreter's own listing, measured
// side by side in one run. Prints one line per figure and the ratios last.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "browse/folder_listing.h"
#include "browse/listing_text.h"
#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "platform/win32/window_handles.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename Work>
double MedianMs(int repetitions, Work work) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        double start = Now();
        work();
        times.push_back(Now() - start);
    }
    return Median(times);
}

void Touch(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

// `files` files (one in fifty named "~..." so that the sort runs) and a few
// hundred folders. Under Wine, creating a file scans the whole folder, so
// the entry script makes these folders on the host side beforehand, with
// the same names, and this only finds them done.
std::wstring MakeFolder(const std::wstring& base, int files) {
    std::wstring folder = base + L"\\n" + std::to_wstring(files);
    CreateDirectoryW(folder.c_str(), nullptr);
    if (GetFileAttributesW((folder + L"\\done").c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
    for (int i = 0; i < 300; ++i) CreateDirectoryW((folder + L"\\dir" + std::to_wstring(i * 7919 % 1000)).c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        std::wstring name = (i % 50 == 0 ? L"~tmp" : L"File ") + std::to_wstring((i * 104729LL) % 1000003) + L".txt";
        Touch(folder + L"\\" + name);
    }
    Touch(folder + L"\\done");
    return folder;
}

// The least a listing must do: walk the folder and ask each entry's kind.
void BareWalk(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return;
    std::wstring path;
    do {
        path.assign(folder).append(L"\\").append(data.cFileName);
        volatile DWORD attributes = GetFileAttributesW(path.c_str());
        (void)attributes;
    } while (FindNextFileW(search, &data));
    FindClose(search);
}

void DirListing(const std::wstring& folder, const std::wstring& output) {
    std::wstring command = L"cmd /c dir /b /a /o:gn \"" + folder + L"\" > \"" + output + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

// A hidden dialog with the program's owner-drawn entry list.
void MakeWindow() {
    MainDialog = CreateWindowExW(0, L"#32770", L"bench", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOTIFY, 0, 0, 300,
                    300, MainDialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100)), GetModuleHandleW(nullptr),
                    nullptr);
}

std::string Ansi(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

std::wstring WideFromArgument(const char* text) {
    int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1) MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], size);
    return wide;
}

struct Figures {
    int files;
    double bare, list, refill, text, dir;
};

Figures Measure(const std::wstring& base, int files, int repetitions) {
    std::wstring folder = MakeFolder(base, files);
    std::string path = Ansi(folder) + "\\";
    Figures f = {files, 0, 0, 0, 0, 0};
    BareWalk(folder);   // warm the caches alike for every figure
    CurrentPath = path;
    // Taken in turns within each repetition, so that a slow moment of the
    // machine falls on all of them alike rather than on one.
    std::vector<double> bare, list, refill, text;
    std::string listing;
    for (int i = 0; i < repetitions; ++i) {
        bare.push_back(MedianMs(1, [&] { BareWalk(folder); }));
        list.push_back(MedianMs(1, [&] { ShownEntryCount = ListFolder(path); }));
        refill.push_back(MedianMs(1, [&] {
            ShownEntryCount = ListFolder(path);
            RefillEntryList();
        }));
        text.push_back(MedianMs(1, [&] { listing = BuildListingText(); }));
    }
    f.bare = Median(bare);
    f.list = Median(list);
    f.refill = Median(refill);
    f.text = Median(text);
    // The interpreter is slow under Wine; three runs give its median.
    f.dir = MedianMs(std::min(repetitions, 3), [&] { DirListing(folder, base + L"\\dir.txt"); });
    std::printf("entries %d listed %d, listing text %u bytes\n", files + 300, static_cast<int>(ShownEntryCount),
                static_cast<unsigned>(listing.size()));
    const char* names[] = {"bare", "list", "refill", "text", "dir"};
    double values[] = {f.bare, f.list, f.refill, f.text, f.dir};
    for (int i = 0; i < 5; ++i) std::printf("%s %d %.1f ms\n", names[i], files, values[i]);
    std::fflush(stdout);
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::wstring base;
    if (argc > 2) {
        base = WideFromArgument(argv[2]);
    } else {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        base = std::wstring(temp) + L"wendrel-bench";
    }
    CreateDirectoryW(base.c_str(), nullptr);
    CreateShownEntries();
    MakeWindow();

    std::vector<Figures> all = {Measure(base, 10000, repetitions), Measure(base, 100000, repetitions)};
    for (int size : {100000, 10000}) {
        for (const Figures& f : all) {
            if (f.files != size) continue;
            std::printf("ratio list/bare %d %.2f\n", size, f.list / f.bare);
            std::printf("ratio refill/bare %d %.2f\n", size, f.refill / f.bare);
            std::printf("ratio text/list %d %.2f\n", size, f.text / f.list);
            std::printf("ratio list/dir %d %.2f\n", size, f.list / f.dir);
        }
    }
    DestroyWindow(MainDialog);
    return 0;
}
