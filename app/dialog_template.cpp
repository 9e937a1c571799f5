#include "app/dialog_template.h"

namespace {

void PutDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

void PutText(std::vector<WORD>& words, const wchar_t* text) {
    for (; *text; ++text) words.push_back(static_cast<WORD>(*text));
    words.push_back(0);
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(DWORD style, short cx, short cy, const wchar_t* title,
                                      WORD pointSize, WORD weight, const wchar_t* typeface) {
    std::vector<WORD> words;
    words.push_back(1);        // dlgVer
    words.push_back(0xFFFF);   // signature: the extended form
    PutDword(words, 0);        // helpID
    PutDword(words, 0);        // exStyle
    PutDword(words, style);
    words.push_back(0);        // cDlgItems: controls are created as children later
    words.push_back(0);        // x, y: DS_CENTER places the window
    words.push_back(0);
    words.push_back(static_cast<WORD>(cx));
    words.push_back(static_cast<WORD>(cy));
    words.push_back(0);        // no menu
    words.push_back(0);        // the system's dialog class
    PutText(words, title);
    // Every field so far is a WORD, so the font block needs no padding.
    words.push_back(pointSize);
    words.push_back(weight);
    words.push_back(0);        // italic 0 (low byte), charset ANSI_CHARSET (high byte)
    PutText(words, typeface);
    return words;
}
