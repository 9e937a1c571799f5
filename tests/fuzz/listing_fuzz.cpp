// Feeds the folder listing arbitrary folders and checks what it makes of
// them: every entry listed once, in the listing order, and the listing text
// reading back to exactly those entries.
//
// Input: an optional head of the bytes B1 6F and a third byte asking for
// 9,990 to 10,245 plain files besides the named entries (so that counts
// cross the initial table size; rare, since such folders are slow), then
// records of
// [kind byte][length byte][name bytes]: bit 0 of the kind makes a folder,
// bit 1 adds 256 to the length (names of 1 to 300 bytes).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <unordered_set>
#include <string>
#include <vector>

#include "browse/folder_listing.h"
#include "browse/listing_text.h"
#include "browse/navigation.h"
#include "browse/shown_entries.h"
#include "tests/model/fake_platform.h"

namespace {

const std::string Folder = "F:\\fuzz\\";

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "listing invariant broken: %s\n", what);
    std::abort();
}

int Group(const std::string& entry) {
    if (IsFolderEntry(entry)) return 0;
    return entry[0] == '~' ? 1 : 2;
}

std::vector<fake::Entry> ParseFolder(const uint8_t* data, size_t size) {
    std::vector<fake::Entry> entries;
    std::unordered_set<std::string> seen;
    auto add = [&](const std::string& name, bool folder) {
        if (name == "." || name == ".." || !seen.insert(name).second) return;
        entries.push_back({name, folder});
    };
    size_t at = 0;
    int bulk = 0;
    if (size >= 3 && data[0] == 0xB1 && data[1] == 0x6F) {
        bulk = 9990 + data[2];
        at = 3;
    }
    for (int i = 0; i < bulk; ++i) add("bulk" + std::to_string(i * 7919 % 100003), false);
    while (at + 2 <= size) {
        bool folder = data[at] & 1;
        size_t length = std::min<size_t>(300, 1 + data[at + 1] + (data[at] & 2 ? 256 : 0));
        at += 2;
        std::string name;
        for (size_t i = 0; i < length && at < size; ++i, ++at)
            // Windows names hold no control characters; NUL, CR and LF are
            // left out (others stay, to show no byte of a name is rewritten).
            if (data[at] != 0 && data[at] != '\r' && data[at] != '\n') name.push_back(static_cast<char>(data[at]));
        if (!name.empty()) add(name, folder);
    }
    // Enumeration order is part of the input: rotate by the last byte.
    if (!entries.empty() && size > 0)
        std::rotate(entries.begin(), entries.begin() + data[size - 1] % entries.size(), entries.end());
    return entries;
}

// Splits the listing at CR LF; every line must end with it.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        Check(end != std::string::npos, "listing line without CR LF");
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The table is made once, as in the program, and reused by every run.
    static bool started = false;
    if (!started) fake::Reset();
    started = true;
    fake::Folders.clear();
    fake::StatusText.clear();
    std::vector<fake::Entry> entries = ParseFolder(data, size);
    fake::Folders[Folder] = entries;

    CurrentPath = Folder;
    ShownEntryCount = ListFolder(Folder);
    Check(ShownEntryCount == static_cast<int32_t>(entries.size()), "count differs from the entries");
    Check(fake::StatusText == NumberText(ShownEntryCount) + " Objects", "status text");
    Check(fake::OpenSearches == 0, "search left open");

    std::vector<std::string> expected, listed;
    for (const fake::Entry& entry : entries) {
        // A name with a wildcard cannot be asked for its kind: it is a file.
        bool folder = entry.folder && entry.name.find_first_of("?*") == std::string::npos;
        expected.push_back(folder ? std::string(1, FolderMarker) + entry.name : entry.name);
    }
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        Check(!entry.empty(), "empty entry");
        if (i > 1) {
            const std::string& before = ShownEntries[i - 1];
            Check(Group(before) <= Group(entry), "groups out of order");
            if (Group(before) == Group(entry))
                Check(CompareEntryKeys(before, entry) < 0, "names out of order");
        }
        listed.push_back(entry);
    }
    std::vector<std::string> sortedExpected = expected, sortedListed = listed;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    std::sort(sortedListed.begin(), sortedListed.end());
    Check(sortedExpected == sortedListed, "entries lost, added or rewritten");

    std::vector<std::string> lines = Lines(BuildListingText());
    Check(lines.size() >= 3 && lines[0] == "Listing for " + Folder && lines[1].empty(), "listing head");
    size_t line = 2;
    bool anyFolder = ShownEntryCount > 0 && IsFolderEntry(ShownEntries[1]);
    Check(lines[line++] == (anyFolder ? "   Folders" : "   Files"), "first title");
    for (int32_t i = 1; i <= ShownEntryCount; ++i) {
        const std::string& entry = ShownEntries[i];
        if (i > 1 && IsFolderEntry(ShownEntries[i - 1]) && !IsFolderEntry(entry)) {
            Check(line + 1 < lines.size() && lines[line].empty() && lines[line + 1] == "   Files", "files title");
            line += 2;
        }
        Check(line < lines.size(), "listing ends early");
        Check(lines[line++] == (IsFolderEntry(entry) ? entry.substr(1) : entry), "listing line differs");
    }
    Check(line == lines.size(), "listing has extra lines");
    return 0;
}
