#include "tests/e2e/wendrel_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "tests/common/clipboard_text.h"

const wchar_t MainTitle[] = L"Wendrel - Ver 1.05";

namespace {

const DWORD StartTimeoutMs = 30000;   // a cold Wine start can be slow
const DWORD ReplyTimeoutMs = 5000;

typedef WCHAR*(CDECL* DosNameFn)(LPCSTR);

// The build passes the program's path as the build system sees it; under
// Wine that is a host path, which Wine translates to one of its drives.
std::wstring ProgramPath() {
    std::string path = WENDREL_EXE;
    if (!path.empty() && path[0] == '/') {
        auto dosName = reinterpret_cast<DosNameFn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
        if (dosName) {
            if (WCHAR* name = dosName(path.c_str())) {
                std::wstring result = name;
                HeapFree(GetProcessHeap(), 0, name);
                return result;
            }
        }
        path = "Z:" + path;
    }
    std::wstring wide(path.begin(), path.end());
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TitleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, ReplyTimeoutMs, &result)) return -1;
    return static_cast<LRESULT>(result);
}

// lParam of a key message: repeat count 1, the scan code, and the flags of
// a key going down or coming up.
LPARAM KeyData(WORD key, bool up, bool alt) {
    UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
    if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME || key == VK_END)
        data |= 1 << 24;   // the cursor block is an extended key
    if (alt) data |= 1 << 29;
    if (up) data |= 0xC0000000;
    return data;
}

}  // namespace

bool operator==(const View& a, const View& b) {
    return a.path == b.path && a.status == b.status && a.rows == b.rows && a.selection == b.selection &&
           a.backEnabled == b.backEnabled && a.showEnabled == b.showEnabled && a.listEnabled == b.listEnabled;
}

void PrintTo(const View& view, std::ostream* out) {
    *out << "path \"" << view.path << "\", status \"" << view.status << "\", rows {";
    for (size_t i = 0; i < view.rows.size(); ++i) *out << (i ? ", " : "") << view.rows[i];
    *out << "}, selection " << view.selection << ", Back " << (view.backEnabled ? "on" : "off") << ", Show "
         << (view.showEnabled ? "on" : "off") << ", List " << (view.listEnabled ? "on" : "off");
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &result[0], size, nullptr, nullptr);
    return result;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassOf(window) == search->className) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className) {
    WindowSearch search = {processId, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MessageBoxText(HWND box) {
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Static") != 0) continue;
        LRESULT length = Ask(child, WM_GETTEXTLENGTH);
        if (length <= 0) continue;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = Ask(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        if (text.size() > longest.size()) longest = text;
    }
    return Narrow(longest);
}

void CloseMessageBox(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

bool PutOnClipboard(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return false;
    memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboardPatiently(nullptr)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

Wendrel::~Wendrel() {
    if (process_.hProcess) {
        if (Running()) {
            for (HWND box = MessageBoxShown(); box; box = MessageBoxShown()) {
                CloseMessageBox(box);
                if (!Eventually([&] { return !IsWindow(box); }, 1000)) break;
            }
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

::testing::AssertionResult Wendrel::Start() {
    std::wstring program = ProgramPath();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        return ::testing::AssertionFailure() << "cannot start " << Narrow(program) << ", error " << GetLastError();

    bool shown = Eventually(
        [&] {
            for (HWND window : TopLevelWindows(ProcessId(), L"#32770")) {
                if (TitleOf(window) == MainTitle && IsWindowVisible(window)) {
                    dialog_ = window;
                    return true;
                }
            }
            return !Running();
        },
        StartTimeoutMs);
    if (!shown || !dialog_)
        return ::testing::AssertionFailure() << "no visible window titled \"Wendrel - Ver 1.05\" from "
                                             << Narrow(program);
    return Settle();
}

bool Wendrel::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

// Posted messages are handled in the order they were posted, so a marker
// posted after them is handled after them. The hidden edit box's modified
// flag serves as the marker: nothing in the program reads it. A second
// round covers the messages that the first ones posted in turn (the
// characters TranslateMessage makes of keys).
::testing::AssertionResult Wendrel::Settle() {
    HWND marker = Control(HiddenEditBoxId);
    if (!marker) {
        Sleep(200);
        return ::testing::AssertionFailure() << "the program has no hidden edit box (id " << HiddenEditBoxId
                                             << ") to settle with";
    }
    for (int round = 0; round < 2; ++round) {
        if (Ask(marker, EM_SETMODIFY, FALSE) == -1)
            return ::testing::AssertionFailure() << "the program does not answer";
        PostMessageW(marker, EM_SETMODIFY, TRUE, 0);
        if (!Eventually([&] { return Ask(marker, EM_GETMODIFY) == TRUE; }, ReplyTimeoutMs))
            return ::testing::AssertionFailure() << "the program does not get through its queue";
    }
    return ::testing::AssertionSuccess();
}

void Wendrel::SettleAfterAction() {
    ::testing::AssertionResult settled = Settle();
    if (!settled) ADD_FAILURE() << settled.message();
}

int Wendrel::RowCount() const { return static_cast<int>(Ask(Control(EntryListBoxId), LB_GETCOUNT)); }

std::string Wendrel::RowText(int row) const {
    HWND list = Control(EntryListBoxId);
    LRESULT length = Ask(list, LB_GETTEXTLEN, row);
    if (length < 0) return "<no row " + std::to_string(row) + ">";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = Ask(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return Narrow(text);
}

LRESULT Wendrel::RowData(int row) const { return Ask(Control(EntryListBoxId), LB_GETITEMDATA, row); }

std::vector<std::string> Wendrel::Rows() const {
    std::vector<std::string> rows;
    for (int row = 0, count = RowCount(); row < count; ++row) rows.push_back(RowText(row));
    return rows;
}

int Wendrel::Selection() const { return static_cast<int>(Ask(Control(EntryListBoxId), LB_GETCURSEL)); }

std::string Wendrel::SelectedText() const {
    int row = Selection();
    return row < 0 ? std::string("<none>") : RowText(row);
}

int Wendrel::RowHeight() const { return static_cast<int>(Ask(Control(EntryListBoxId), LB_GETITEMHEIGHT, 0)); }

View Wendrel::Look() const {
    View view;
    view.path = Text(PathLabelId);
    view.status = Text(StatusBarId);
    view.rows = Rows();
    view.selection = Selection();
    view.backEnabled = Enabled(BackButtonId);
    view.showEnabled = Enabled(ShowButtonId);
    view.listEnabled = Enabled(ListButtonId);
    return view;
}

std::string Wendrel::Text(int id) const {
    HWND control = Control(id);
    if (!control) return "<no control " + std::to_string(id) + ">";
    LRESULT length = Ask(control, WM_GETTEXTLENGTH);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = Ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return Narrow(text);
}

bool Wendrel::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

bool Wendrel::HasDefaultLook(int id) const {
    return (GetWindowLongW(Control(id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

HWND Wendrel::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(ThreadId(), &info)) return nullptr;
    return info.hwndFocus;
}

RECT Wendrel::ClientRectOf(HWND window) const {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT Wendrel::RowRect(int row) const {
    HWND list = Control(EntryListBoxId);
    RECT client = {};
    GetClientRect(list, &client);
    int top = static_cast<int>(Ask(list, LB_GETTOPINDEX));
    int height = RowHeight();
    RECT rect = {0, (row - top) * height, client.right, (row - top + 1) * height};
    return rect;
}

void Wendrel::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageW(Control(EntryListBoxId), message, wParam, lParam);
}

void Wendrel::PressKey(WORD key) {
    Post(WM_KEYDOWN, key, KeyData(key, false, false));
    Post(WM_KEYUP, key, KeyData(key, true, false));
    SettleAfterAction();
}

// With Alt held a letter arrives as WM_SYSKEYDOWN; the program's
// TranslateMessage turns it into the WM_SYSCHAR that the dialog manager
// matches against the buttons' mnemonics.
void Wendrel::PressAlt(char letter) {
    WORD key = static_cast<WORD>(toupper(static_cast<unsigned char>(letter)));
    Post(WM_SYSKEYDOWN, key, KeyData(key, false, true));
    Post(WM_SYSKEYUP, key, KeyData(key, true, true));
    SettleAfterAction();
}

void Wendrel::Click(int id) {
    PostMessageW(Control(id), BM_CLICK, 0, 0);
    SettleAfterAction();
}

// A double-click reaches a window as a press and release, a second press
// reported as the double-click, and its release.
void Wendrel::DoubleClickRow(int row) {
    RECT rect = RowRect(row);
    LPARAM point = MAKELPARAM(40, (rect.top + rect.bottom) / 2);
    Post(WM_LBUTTONDOWN, MK_LBUTTON, point);
    Post(WM_LBUTTONUP, 0, point);
    Post(WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    Post(WM_LBUTTONUP, 0, point);
    SettleAfterAction();
}

::testing::AssertionResult Wendrel::SelectRow(const std::string& text) {
    std::vector<std::string> rows = Rows();
    auto found = std::find(rows.begin(), rows.end(), text);
    if (found == rows.end()) return ::testing::AssertionFailure() << "no row \"" << text << "\"";
    int wanted = static_cast<int>(found - rows.begin());
    for (size_t step = 0; step <= rows.size() + 1; ++step) {
        int selected = Selection();
        if (selected == wanted) return ::testing::AssertionSuccess();
        PressKey(selected < wanted ? VK_DOWN : VK_UP);
    }
    return ::testing::AssertionFailure() << "the arrow keys do not reach row \"" << text << "\"";
}

::testing::AssertionResult Wendrel::Open(const std::string& text) {
    ::testing::AssertionResult selected = SelectRow(text);
    if (!selected) return selected;
    PressKey(VK_RETURN);
    return ::testing::AssertionSuccess();
}

void Wendrel::PostQuit() {
    PostThreadMessageW(ThreadId(), WM_QUIT, 0, 0);
    SettleAfterAction();
}

void Wendrel::CloseBySystemMenu() { PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool Wendrel::WaitForExit(DWORD& exitCode, DWORD timeoutMs) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode) != FALSE;
}

HWND Wendrel::MessageBoxShown() const {
    for (HWND window : TopLevelWindows(ProcessId(), L"#32770"))
        if (window != dialog_ && TitleOf(window) == L"Wendrel" && IsWindowVisible(window)) return window;
    return nullptr;
}

HWND Wendrel::WaitForMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    Eventually([&] { return (box = MessageBoxShown()) != nullptr; }, timeoutMs);
    return box;
}
