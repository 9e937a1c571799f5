#include "tests/e2e/reference_dialog.h"

#include <cstring>
#include <vector>

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class TemplateWriter {
public:
    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(const wchar_t* text) {
        for (; *text; ++text) Word(*text);
        Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

}  // namespace

ReferenceDialog::ReferenceDialog() {
    // DLGTEMPLATEEX, no items; style: WS_SYSMENU, DS_CENTER, DS_SETFONT,
    // DS_NOFAILCREATE, DS_3DLOOK, and not visible.
    TemplateWriter writer;
    writer.Word(1);        // dlgVer
    writer.Word(0xFFFF);   // signature
    writer.Dword(0);       // helpID
    writer.Dword(0);       // exStyle
    writer.Dword(0x00080854);
    writer.Word(0);        // cDlgItems
    writer.Word(0);        // x
    writer.Word(0);        // y
    writer.Word(200);      // cx
    writer.Word(220);      // cy
    writer.Word(0);        // menu
    writer.Word(0);        // window class
    writer.Text(L" ");
    writer.Word(8);        // point size
    writer.Word(FW_NORMAL);
    writer.Word(0);        // italic 0, charset ANSI_CHARSET
    writer.Text(L"MS Sans Serif");
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), writer.Get(), nullptr, QuietDialog, 0);
}

ReferenceDialog::~ReferenceDialog() {
    if (window_) DestroyWindow(window_);
}

RECT ReferenceDialog::Map(int x, int y, int w, int h) const {
    RECT rect = {x, y, x + w, y + h};
    MapDialogRect(window_, &rect);
    return rect;
}

HFONT ReferenceDialog::Font() const {
    return reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
}

RECT ReferenceDialog::Client() const {
    RECT client = {};
    GetClientRect(window_, &client);
    return client;
}
