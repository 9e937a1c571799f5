// How long listing a large folder takes, against the least the file system
// itself needs and against the command interpreter's own listing, measured
// side by side in one run, and how much memory the largest listing holds.
//
//   listing_bench.exe [REPETITIONS [BASE [SIZES...]]]
//
// With 0 repetitions only the first listing of each size is made, for its
// memory and whether every entry became a row.
//
// Prints one line per figure, the ratios, and whether each target is met.
// Every figure is taken REPETITIONS times in turns; its minimum and median
// are printed, in wall time and in CPU time, and the ratios use the minima.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "browse/folder_listing.h"
#include "browse/listing_text.h"
#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "platform/win32/window_handles.h"

namespace {

// Every sample runs its work often enough to last this long: the process's
// CPU time advances in steps of 10 ms under Wine, which would otherwise
// swamp the CPU figures of small folders.
const double LeastSampleMs = 400.0;

// The command interpreter needs many minutes for a folder larger than this.
const int LargestDirListing = 100000;

// The targets, all on the minima.
const double ListTarget = 1.15;         // list/bare
const double RefillTarget = 1.5;        // refill/bare
const double TextTarget = 0.05;         // text/list
const double PerEntryTarget = 1.3;      // list per entry, largest/10,000 entries
const double MemoryTargetMb = 200.0;    // peak working set, 1,000,000 entries, 64-bit
const int MemoryTargetSize = 1000000;

// What a folder of `files` files holds: its files, 300 folders and the
// marker that says it is complete.
int Entries(int files) { return files + 301; }

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

double FileTimeMs(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0;
}

// User plus kernel time of `process`.
double CpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return FileTimeMs(kernel) + FileTimeMs(user);
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS MemoryCounters() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

// One figure's work, run once; returns the CPU time it spent in processes
// it started, as the process's own times do not include theirs.
typedef std::function<double()> Work;

struct Figure {
    const char* name;
    Work work;
    double once = 0;   // wall time of one run, where already known
    int batch = 1;     // runs per sample
    std::vector<double> wall, cpu;   // per run, one per sample

    Figure(const char* figureName, Work figureWork, double knownOnce = 0)
        : name(figureName), work(std::move(figureWork)), once(knownOnce) {}

    // Runs the work once, unless its time is known, to warm the caches it
    // uses and to learn how many runs make a sample.
    void Calibrate() {
        if (once <= 0) {
            double start = Now();
            work();
            once = Now() - start;
        }
        batch = once >= LeastSampleMs ? 1 : static_cast<int>(LeastSampleMs / std::max(once, 0.01)) + 1;
    }
    void Sample() {
        double wallStart = Now(), cpuStart = CpuMs(GetCurrentProcess()), children = 0;
        for (int i = 0; i < batch; ++i) children += work();
        double sampleMs = Now() - wallStart;
        wall.push_back(sampleMs / batch);
        cpu.push_back((CpuMs(GetCurrentProcess()) - cpuStart + children) / batch);
        // The first run, which told the batch, may have been slowed by cold
        // caches; later samples keep to the least length.
        if (sampleMs < LeastSampleMs) batch = static_cast<int>(LeastSampleMs / std::max(wall.back(), 0.01)) + 1;
    }
};

double Min(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Touch(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

// `files` files (one in fifty named "~..." so that the sort runs) and a few
// hundred folders. Under Wine, creating a file scans the whole folder, so
// the bench script makes these folders on the host side beforehand, with
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

// Returns the interpreter's CPU time.
double DirListing(const std::wstring& folder, const std::wstring& output) {
    std::wstring command = L"cmd /c dir /b /a /o:gn \"" + folder + L"\" > \"" + output + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    double cpu = CpuMs(process.hProcess);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return cpu;
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

int ListRows() {
    return static_cast<int>(SendDlgItemMessageW(MainDialog, 100, LB_GETCOUNT, 0, 0));
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

enum { Bare, List, Refill, Text, Dir, FigureCount };

struct Result {
    int files = 0;
    bool measured[FigureCount] = {};
    double wall[FigureCount] = {}, cpu[FigureCount] = {};   // minima
    double memoryMb = 0;
    bool complete = false;   // every entry listed and every row added
};

Result Measure(const std::wstring& base, int files, int repetitions) {
    Result result;
    result.files = files;
    std::wstring folder = MakeFolder(base, files);
    std::string path = Ansi(folder) + "\\";
    std::string listing;

    // Memory first: the first listing of a size grows the table, as it does
    // when the program opens such a folder. The
    // times of this pass tell how many runs make a sample.
    double start = Now();
    BareWalk(folder);
    double bareOnce = Now() - start;
    double bareMb = Megabytes(MemoryCounters().PeakWorkingSetSize);
    CurrentPath = path;
    start = Now();
    ShownEntryCount = ListFolder(path);
    double listOnce = Now() - start;
    RefillEntryList();
    double refillOnce = Now() - start;
    PROCESS_MEMORY_COUNTERS counters = MemoryCounters();
    result.memoryMb = Megabytes(counters.PeakWorkingSetSize);
    int rows = ListRows();
    result.complete = ShownEntryCount == Entries(files) && rows == ShownEntryCount;
    std::printf("entries %d listed %d rows %d\n", Entries(files), static_cast<int>(ShownEntryCount), rows);
    std::printf("memory %d %.0f MB\n", files, result.memoryMb);
    std::printf("working set %d: peak %.0f MB after the bare walk alone, %.0f MB held after listing and refilling\n",
                files, bareMb, Megabytes(counters.WorkingSetSize));
    std::fflush(stdout);
    if (repetitions == 0) return result;

    std::wstring dirOutput = base + L"\\dir.txt";
    std::vector<Figure> figures = {
        {"bare", [&] { BareWalk(folder); return 0.0; }, bareOnce},
        {"list", [&] { ShownEntryCount = ListFolder(path); return 0.0; }, listOnce},
        {"refill",
         [&] {
             ShownEntryCount = ListFolder(path);
             RefillEntryList();
             return 0.0;
         },
         refillOnce},
        {"text", [&] { listing = BuildListingText(); return 0.0; }},
        // Seconds even at 10,000 files: one run a sample, and no run to
        // warm up beforehand, which at 100,000 files would cost minutes.
        {"dir", [&] { return DirListing(folder, dirOutput); }, LeastSampleMs},
    };
    if (files > LargestDirListing) figures.pop_back();

    for (Figure& figure : figures) figure.Calibrate();
    // Taken in turns within each repetition, so that a slow moment of the
    // machine falls on all of them alike rather than on one.
    for (int i = 0; i < repetitions; ++i)
        for (Figure& figure : figures) figure.Sample();

    std::printf("listing text %d %u bytes\n", files, static_cast<unsigned>(listing.size()));
    for (size_t f = 0; f < figures.size(); ++f) {
        const Figure& figure = figures[f];
        result.measured[f] = true;
        result.wall[f] = Min(figure.wall);
        result.cpu[f] = Min(figure.cpu);
        std::printf("%s %d min %.2f median %.2f ms, cpu min %.2f median %.2f ms, %d x %d runs\n", figure.name, files,
                    result.wall[f], Median(figure.wall), result.cpu[f], Median(figure.cpu), repetitions,
                    figure.batch);
    }
    if (files > LargestDirListing)
        std::printf("dir %d skipped: the command interpreter takes many minutes on a folder this size\n", files);
    std::fflush(stdout);
    return result;
}

void PrintRatio(const char* what, const std::string& size, double wall, double cpu) {
    std::printf("ratio %s %s %.2f\n", what, size.c_str(), wall);
    std::printf("ratio-cpu %s %s %.2f\n", what, size.c_str(), cpu);
}

bool PrintTarget(const char* what, const std::string& size, double wall, double cpu, double target) {
    bool met = wall <= target;
    std::printf("target %s %s %.2f <= %.2f %s (cpu %.2f)\n", what, size.c_str(), wall, target, met ? "met" : "MISSED",
                cpu);
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    int repetitions = argc > 1 ? std::max(0, std::atoi(argv[1])) : 7;
    std::wstring base;
    if (argc > 2) {
        base = WideFromArgument(argv[2]);
    } else {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        base = std::wstring(temp) + L"wendrel-bench";
    }
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {10000, 100000};
    std::sort(sizes.begin(), sizes.end());

    CreateDirectoryW(base.c_str(), nullptr);
    CreateShownEntries();
    MakeWindow();
    int bits = static_cast<int>(sizeof(void*) * 8);
    if (repetitions == 0)
        std::printf("%d-bit build, memory and entries only\n", bits);
    else
        std::printf("%d-bit build, %d repetitions in turns%s\n", bits, repetitions,
                    repetitions < 7 ? " (fewer than 7: the minima are less sure)" : "");

    std::vector<Result> results;
    bool outOfMemory = false;
    for (int size : sizes) {
        try {
            results.push_back(Measure(base, size, repetitions));
        } catch (const std::bad_alloc&) {
            std::printf("memory %d out of memory\n", size);
            outOfMemory = true;
            break;
        }
    }

    // Without repetitions only the memory and the entries were taken.
    std::vector<Result> timed;
    for (const Result& r : results)
        if (r.measured[List]) timed.push_back(r);
    for (auto r = timed.rbegin(); r != timed.rend(); ++r) {
        std::string size = std::to_string(r->files);
        PrintRatio("list/bare", size, r->wall[List] / r->wall[Bare], r->cpu[List] / r->cpu[Bare]);
        PrintRatio("refill/bare", size, r->wall[Refill] / r->wall[Bare], r->cpu[Refill] / r->cpu[Bare]);
        PrintRatio("text/list", size, r->wall[Text] / r->wall[List], r->cpu[Text] / r->cpu[List]);
        if (r->measured[Dir]) PrintRatio("list/dir", size, r->wall[List] / r->wall[Dir], r->cpu[List] / r->cpu[Dir]);
    }
    // The cost of one entry, largest folder against 10,000 files.
    const Result* small = nullptr;
    for (const Result& r : timed)
        if (r.files == 10000) small = &r;
    const Result* large = timed.empty() ? nullptr : &timed.back();
    std::string perEntrySize;
    double perEntryWall = 0, perEntryCpu = 0;
    if (small && large != small) {
        double entries = static_cast<double>(Entries(large->files)) / Entries(small->files);
        perEntrySize = std::to_string(large->files) + "/10000";
        perEntryWall = large->wall[List] / small->wall[List] / entries;
        perEntryCpu = large->cpu[List] / small->cpu[List] / entries;
        PrintRatio("list-per-entry", perEntrySize, perEntryWall, perEntryCpu);
        // The same for the file system alone, which the listing cannot beat.
        PrintRatio("bare-per-entry", perEntrySize, large->wall[Bare] / small->wall[Bare] / entries,
                   large->cpu[Bare] / small->cpu[Bare] / entries);
    }

    int missed = 0;
    for (const Result& r : timed) {
        std::string size = std::to_string(r.files);
        missed += !PrintTarget("list/bare", size, r.wall[List] / r.wall[Bare], r.cpu[List] / r.cpu[Bare], ListTarget);
        missed += !PrintTarget("refill/bare", size, r.wall[Refill] / r.wall[Bare], r.cpu[Refill] / r.cpu[Bare],
                               RefillTarget);
        missed += !PrintTarget("text/list", size, r.wall[Text] / r.wall[List], r.cpu[Text] / r.cpu[List], TextTarget);
    }
    if (!perEntrySize.empty())
        missed += !PrintTarget("list-per-entry", perEntrySize, perEntryWall, perEntryCpu, PerEntryTarget);
    for (const Result& r : results) {
        if (r.complete) continue;
        std::printf("target every entry listed %d MISSED\n", r.files);
        ++missed;
    }
    for (const Result& r : results) {
        if (r.files != MemoryTargetSize) continue;
        if (sizeof(void*) == 8) {
            bool met = r.memoryMb <= MemoryTargetMb;
            std::printf("target memory %d %.0f MB <= %.0f MB %s\n", r.files, r.memoryMb, MemoryTargetMb,
                        met ? "met" : "MISSED");
            missed += !met;
        } else {
            std::printf("target memory %d listed in the 32-bit build without running out of memory %s\n", r.files,
                        r.complete ? "met" : "MISSED");
        }
    }
    if (outOfMemory) {
        std::printf("target memory %d listed without running out of memory MISSED\n", sizes[results.size()]);
        ++missed;
    }
    std::printf("targets missed: %d\n", missed);
    DestroyWindow(MainDialog);
    return 0;
}
