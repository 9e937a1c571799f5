#include "browse/path_text.h"

#include "platform/platform.h"

namespace {

// The length of the character that begins at `at`. A lead byte with nothing
// after it stands alone.
size_t CharacterLength(const std::string& text, size_t at) {
    return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

size_t LastCharacterAt(const std::string& text) {
    size_t last = std::string::npos;
    for (size_t at = 0; at < text.size(); at += CharacterLength(text, at)) last = at;
    return last;
}

size_t LastBackslashAt(const std::string& text) {
    size_t found = std::string::npos;
    for (size_t at = 0; at < text.size(); at += CharacterLength(text, at))
        if (text[at] == '\\') found = at;
    return found;
}

bool EndsWithCharacter(const std::string& text, char c) {
    size_t last = LastCharacterAt(text);
    return last != std::string::npos && last + 1 == text.size() && text[last] == c;
}
