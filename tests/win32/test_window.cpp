#include "tests/win32/test_window.h"

#include <commctrl.h>

#include <cstring>

#include "browse/navigation.h"
#include "platform/platform.h"
#include "platform/win32/window_handles.h"

namespace {

const wchar_t WindowClass[] = L"WendrelTestWindow";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && window == MainDialog) {
        HandleCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void AddChild(const wchar_t* kind, DWORD style, int id, int y) {
    CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | style, 10, y, 300, 20, MainDialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

void CreateTestWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = WindowClass;
    RegisterClassW(&windowClass);   // fails harmlessly when already registered

    MainDialog = CreateWindowExW(0, WindowClass, L"Wendrel test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    // Created wide, like the program's own controls: ANSI row text then
    // passes the system's conversion on its way in and out.
    AddChild(L"LISTBOX", WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY, EntryListBoxId, 10);
    AddChild(L"BUTTON", BS_PUSHBUTTON, BackButtonId, 200);
    AddChild(L"BUTTON", BS_PUSHBUTTON, ShowButtonId, 230);
    AddChild(L"BUTTON", BS_PUSHBUTTON, ListButtonId, 260);
    AddChild(L"STATIC", SS_LEFT, PathLabelId, 290);
    StatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", MainDialog, StatusBarId);
}

void DestroyTestWindow() {
    DestroyWindow(MainDialog);
    MainDialog = 0;
    StatusBar = 0;
}

std::string StatusBarText() {
    LRESULT length = LOWORD(SendMessageA(StatusBar, SB_GETTEXTLENGTHA, 0, 0));
    std::string text(length + 1, '\0');
    SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length);
    return text;
}

std::string PathLabelText() {
    HWND label = GetDlgItem(MainDialog, PathLabelId);
    std::wstring wide(GetWindowTextLengthW(label) + 1, L'\0');
    wide.resize(GetWindowTextW(label, &wide[0], static_cast<int>(wide.size())));
    int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], length, nullptr, nullptr);
    text.resize(length - 1);
    return text;
}

bool IsButtonEnabled(int id) { return IsWindowEnabled(GetDlgItem(MainDialog, id)) != FALSE; }

int RowCount() {
    return static_cast<int>(SendMessageA(GetDlgItem(MainDialog, EntryListBoxId), LB_GETCOUNT, 0, 0));
}

std::vector<std::string> RowTexts() {
    std::vector<std::string> texts;
    for (int row = 0, rows = RowCount(); row < rows; ++row) texts.push_back(GetRowText(row));
    return texts;
}

namespace {

std::vector<BoxWatch::Box> SeenBoxes;
std::vector<HWND> AnsweredBoxes;   // a box stays on screen until its answer arrives

std::string WindowTextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK CloseBox(HWND window, LPARAM) {
    wchar_t kind[16] = L"";
    GetClassNameW(window, kind, 16);
    if (window == MainDialog || wcscmp(kind, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    for (HWND answered : AnsweredBoxes)
        if (answered == window) return TRUE;
    AnsweredBoxes.push_back(window);
    BoxWatch::Box box = {WindowTextOf(window), WindowTextOf(GetDlgItem(window, 0xFFFF))};
    SeenBoxes.push_back(box);
    // Its first button answers it, whichever buttons it has.
    HWND button = FindWindowExW(window, nullptr, L"Button", nullptr);
    WPARAM id = button ? static_cast<WPARAM>(GetDlgCtrlID(button)) : IDCANCEL;
    PostMessageW(window, WM_COMMAND, id, reinterpret_cast<LPARAM>(button));
    return TRUE;
}

void CALLBACK LookForBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0);
}

}  // namespace

BoxWatch::BoxWatch() {
    SeenBoxes.clear();
    AnsweredBoxes.clear();
    timer_ = SetTimer(nullptr, 0, 20, LookForBoxes);
}

BoxWatch::~BoxWatch() { KillTimer(nullptr, timer_); }

const std::vector<BoxWatch::Box>& BoxWatch::Seen() const { return SeenBoxes; }

std::string BoxWatch::Describe() const {
    std::string text;
    for (const Box& box : SeenBoxes) text += box.title + ": " + box.text + "\n";
    return text;
}
