// The listing on the real clipboard: the exact bytes that arrive, the block
// that holds them, and a clipboard that another window keeps open.
#include <cstring>
#include <vector>

#include "browse/listing_text.h"
#include "tests/common/clipboard_text.h"
#include "tests/win32/real_system.h"

namespace {

typedef RealSystemTest ClipboardTest;

struct ClipboardBlock {
    bool present;
    std::string bytes;   // up to the first NUL
    size_t size;         // of the whole block
    bool endsInNul;
};

ClipboardBlock ReadClipboardText() {
    ClipboardBlock block = {false, std::string(), 0, false};
    if (!OpenClipboardPatiently(nullptr)) return block;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes) {
        block.present = true;
        block.size = GlobalSize(data);
        block.bytes.assign(bytes, strnlen(bytes, block.size));
        block.endsInNul = block.size > 0 && bytes[block.size - 1] == '\0';
        GlobalUnlock(data);
    }
    CloseClipboard();
    return block;
}

// What the message box showed before the test closed it.
struct ShownBox {
    std::string text;
    UINT icon;   // MB_ICONINFORMATION or MB_ICONWARNING
};
ShownBox LastBox;

void CALLBACK CloseWendrelBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Wendrel");
    if (!box) return;
    KillTimer(0, timer);
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);   // the box's message
    LastBox.text = text;
    HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0));
    LastBox.icon = icon == LoadIcon(0, IDI_INFORMATION) ? MB_ICONINFORMATION
                   : icon == LoadIcon(0, IDI_WARNING)   ? MB_ICONWARNING
                                                        : 0;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Runs the List command, closing its message box as soon as it appears.
void ListAndCloseTheBox() {
    LastBox = ShownBox{std::string(), 0};
    SetTimer(0, 0, 20, CloseWendrelBox);
    ListCommand();
}

TEST_F(ClipboardTest, TheListingArrivesAsExactlyItsBytesAndOneNul) {
    MakeFolder(Root + "Drafts");
    MakeFolder(Root + "Old");
    MakeFile(Root + "notes.txt");
    MakeFile(Root + "plan.doc");
    ShowRoot();

    ListAndCloseTheBox();

    std::string expected = "Listing for " + Root +
                           "\r\n\r\n   Folders\r\nDrafts\r\nOld\r\n\r\n   Files\r\nnotes.txt\r\nplan.doc\r\n";
    ClipboardBlock block = ReadClipboardText();
    ASSERT_TRUE(block.present);
    EXPECT_EQ(block.bytes, expected);
    EXPECT_GE(block.size, expected.size() + 1);
    EXPECT_TRUE(block.endsInNul);
    // Without an owner the system may refuse the block.
    EXPECT_EQ(GetClipboardOwner(), MainDialog);
    EXPECT_EQ(LastBox.icon, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(LastBox.text.substr(0, 26), "A list of these displayed ");
}

TEST_F(ClipboardTest, LongAndEmptyTextsRoundTrip) {
    std::string big;
    for (int i = 0; i < 12000; ++i) big += "entry " + std::to_string(i) + "\r\n";

    ASSERT_EQ(CopyTextToClipboard(big, 0), TextPlaced);
    EXPECT_EQ(ReadClipboardText().bytes, big);

    ASSERT_EQ(CopyTextToClipboard("", 0), TextPlaced);
    ClipboardBlock block = ReadClipboardText();
    EXPECT_TRUE(block.present);
    EXPECT_EQ(block.bytes, "");
}

DWORD WINAPI HoldClipboardForAMoment(LPVOID opened) {
    if (!OpenClipboardPatiently(nullptr)) return 1;
    SetEvent(opened);
    Sleep(200);
    CloseClipboard();
    return 0;
}

TEST_F(ClipboardTest, AClipboardHeldOpenElsewhereKeepsWhatItHeld) {
    ASSERT_EQ(CopyTextToClipboard("before\r\n", 0), TextPlaced);
    HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboardPatiently(other));

    EXPECT_EQ(CopyTextToClipboard("after\r\n", 0), ClipboardInUse);

    CloseClipboard();
    DestroyWindow(other);
    EXPECT_EQ(ReadClipboardText().bytes, "before\r\n");
    EXPECT_EQ(CopyTextToClipboard("after\r\n", 0), TextPlaced);
    EXPECT_EQ(ReadClipboardText().bytes, "after\r\n");

    // Held for a moment, as clipboard readers do after every change, it is
    // waited for.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE reader = CreateThread(nullptr, 0, HoldClipboardForAMoment, opened, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(opened, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(CopyTextToClipboard("soon\r\n", 0), TextPlaced);
    WaitForSingleObject(reader, 5000);
    CloseHandle(reader);
    CloseHandle(opened);
    EXPECT_EQ(ReadClipboardText().bytes, "soon\r\n");
}

// Run where the system locale's code page is not the keyboard's: a Unicode
// program pastes the names as they are shown, whatever the keyboard.
typedef RealSystemTest MixedLocale;

TEST_F(MixedLocale, UnicodeProgramsPasteTheNamesAsShown) {
    const MixedLocaleNames* names = MixedLocaleStart();
    ASSERT_TRUE(names) << "needs a system locale other than the keyboard's";
    MakeFolder(Root + names->folder);
    MakeFile(Root + names->folder + "\\" + names->file);
    CurrentPath = Root + names->folder + "\\";
    ShownEntryCount = ListFolder(CurrentPath);

    ListAndCloseTheBox();

    EXPECT_EQ(ReadClipboardText().bytes, "Listing for " + CurrentPath + "\r\n\r\n   Files\r\n" + names->file + "\r\n");
    if (names->locale) {
        EXPECT_EQ(ClipboardLocale(), names->locale);
    }
    EXPECT_EQ(ClipboardUnicodeText(), L"Listing for " + std::wstring(Root.begin(), Root.end()) + names->wideFolder +
                                          L"\\\r\n\r\n   Files\r\n" + names->wideFile + L"\r\n");
}

}  // namespace
