#include "browse/folder_listing.h"

#include <algorithm>

#include "browse/shown_entries.h"
#include "platform/platform.h"

namespace {

struct FoldTable {
    unsigned char map[256];
    FoldTable() {
        for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
        for (int c = 'a'; c <= 'z'; ++c) map[c] = static_cast<unsigned char>(c - 'a' + 'A');
    }
};
const FoldTable Fold;

// Folders first, then files beginning with "~", then all other files.
int EntryGroup(const std::string& entry) {
    if (IsFolderEntry(entry)) return 0;
    return !entry.empty() && entry[0] == '~' ? 1 : 2;
}

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

// Stores `key` in slot `slot`, reusing the slot's storage.
void StoreEntry(int32_t slot, bool folder, const std::string& name) {
    if (ShownEntries.size() <= static_cast<size_t>(slot))
        ShownEntries.resize(std::max<size_t>(slot + 1, ShownEntries.size() * 2));
    std::string& entry = ShownEntries[slot];
    entry.clear();
    if (folder) entry.push_back(FolderMarker);
    entry.append(name);
}

}  // namespace

bool EntryLess(const std::string& a, const std::string& b) {
    int ga = EntryGroup(a), gb = EntryGroup(b);
    if (ga != gb) return ga < gb;
    return CompareEntryKeys(a, b) < 0;
}

int CompareEntryKeys(const std::string& a, const std::string& b) {
    const unsigned char* pa = reinterpret_cast<const unsigned char*>(a.data());
    const unsigned char* pb = reinterpret_cast<const unsigned char*>(b.data());
    size_t n = std::min(a.size(), b.size());
    int tie = 0;
    for (size_t i = 0; i < n; ++i) {
        if (pa[i] == pb[i]) continue;
        int fa = Fold.map[pa[i]], fb = Fold.map[pb[i]];
        if (fa != fb) return fa < fb ? -1 : 1;
        if (tie == 0) tie = pa[i] < pb[i] ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return tie;
}

int32_t ListFolder(const std::string& path) {
    std::string pattern = path;
    if (!pattern.empty() && (pattern.back() == '\\' || pattern.back() == ':')) pattern += "*.*";

    int32_t count = 0;
    bool needsSorting = false;
    std::string name;
    std::string fullPath;
    FolderSearch* search = StartFolderSearch(pattern, name);
    if (search) {
        bool more = true;
        while (more) {
            if (!IsDotEntry(name)) {
                fullPath.assign(path).append(name);
                bool folder = IsFolderPath(fullPath);
                ++count;
                StoreEntry(count, folder, name);
                if (count > 1 && EntryLess(ShownEntries[count], ShownEntries[count - 1]))
                    needsSorting = true;
            }
            more = ContinueFolderSearch(search, name);
        }
        EndFolderSearch(search);
    }

    // The group is part of the comparison, so "~" names need no stand-in
    // byte while sorting and a name is never rewritten.
    if (needsSorting)
        std::sort(ShownEntries.begin() + 1, ShownEntries.begin() + 1 + count, EntryLess);

    // An empty or unreadable folder shows a count of 0 rather than the
    // previous view's count.
    SetStatusText(NumberText(count) + " Objects");
    return count;
}
