#include "browse/folder_listing.h"

#include <algorithm>
#include <new>
#include <utility>

#include "browse/path_text.h"
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

// Stores the entry in slot `slot`, reusing the slot's storage. When memory
// runs out the slots up to `slot` - 1 are untouched.
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

namespace {

// What the sort moves around: the entry's group and first fifteen folded
// bytes packed into two numbers that order like the entry itself, and the
// entry. Most comparisons end on the numbers, without touching the string.
// For an entry of at most fifteen bytes the key is the whole entry: `cases`
// then holds one bit per byte, set for a lower-case letter, which settles
// names equal but for letter case the way the byte order does.
struct SortKey {
    uint64_t head;
    uint64_t next;
    uint32_t cases;   // ShortEntry | the case bits, or 0 for a longer entry
    std::string* entry;
};

const size_t KeyBytes = 15;
const uint32_t ShortEntry = 1u << KeyBytes;

// Folded bytes [from, from + count) of `entry`, big-endian. Names hold no
// NUL beyond the folder marker, so the 0 that pads a short entry orders it
// before any longer one, as a prefix should.
uint64_t PackBytes(const std::string& entry, size_t from, size_t count) {
    uint64_t packed = 0;
    for (size_t i = from; i < from + count; ++i) {
        packed <<= 8;
        if (i < entry.size()) packed |= Fold.map[static_cast<unsigned char>(entry[i])];
    }
    return packed;
}

uint32_t CaseBits(const std::string& entry) {
    if (entry.size() > KeyBytes) return 0;
    uint32_t bits = 0;
    for (size_t i = 0; i < KeyBytes; ++i) {
        bits <<= 1;
        if (i < entry.size() && entry[i] >= 'a' && entry[i] <= 'z') bits |= 1;
    }
    return ShortEntry | bits;
}

SortKey MakeKey(std::string& entry) {
    uint64_t group = static_cast<uint64_t>(EntryGroup(entry));
    return {group << 56 | PackBytes(entry, 0, 7), PackBytes(entry, 7, 8), CaseBits(entry), &entry};
}

bool KeyLess(const SortKey& a, const SortKey& b) {
    if (a.head != b.head) return a.head < b.head;
    if (a.next != b.next) return a.next < b.next;
    // Equal folded keys of two short entries differ at most in letter case,
    // and an upper-case letter (0x41..0x5A) comes before a lower-case one.
    if ((a.cases & b.cases) & ShortEntry) return a.cases < b.cases;
    return EntryLess(*a.entry, *b.entry);
}

}  // namespace

void SortEntries(std::string* first, std::string* last) {
    size_t count = static_cast<size_t>(last - first);
    // Made for each sort and given back after it: for a million entries
    // they are tens of megabytes that a shown folder does not need.
    std::vector<SortKey> keys;
    std::vector<std::string> sorted;
    try {
        keys.resize(count);
        sorted.resize(count);
    } catch (const std::bad_alloc&) {
        // Sorting the strings themselves is slower but needs no memory, so
        // a folder that fills the memory still lists in order.
        std::sort(first, last, EntryLess);
        return;
    }
    for (size_t i = 0; i < count; ++i) keys[i] = MakeKey(first[i]);
    std::sort(keys.begin(), keys.end(), KeyLess);
    // Gathered in order, then moved back: one scattered read per entry and
    // no copy of a name.
    for (size_t i = 0; i < count; ++i) sorted[i] = std::move(*keys[i].entry);
    for (size_t i = 0; i < count; ++i) first[i] = std::move(sorted[i]);
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

bool ListingCutShort = false;

int32_t ListFolder(const std::string& path) {
    std::string pattern = path;
    if (EndsWithCharacter(pattern, '\\') || EndsWithCharacter(pattern, ':')) pattern += "*.*";

    ListingCutShort = false;
    int32_t count = 0;
    bool needsSorting = false;
    std::string name;
    std::string fullPath;
    FolderSearch* search = nullptr;
    try {
        search = StartFolderSearch(pattern, name);
        bool more = search != nullptr;
        while (more) {
            fullPath.assign(path).append(name);
            bool folder = IsFolderPath(fullPath);
            StoreEntry(count + 1, folder, name);
            ++count;
            if (count > 1 && EntryLess(ShownEntries[count], ShownEntries[count - 1])) needsSorting = true;
            more = ContinueFolderSearch(search, name);
        }
    } catch (const std::bad_alloc&) {
        // The entries stored so far are listed; the caller says that
        // there were more.
        ListingCutShort = true;
    }
    if (search) EndFolderSearch(search);

    // The group is part of the comparison, so "~" names need no stand-in
    // byte while sorting and a name is never rewritten.
    if (needsSorting) SortEntries(ShownEntries.data() + 1, ShownEntries.data() + 1 + count);

    // An empty or unreadable folder shows a count of 0 rather than the
    // previous view's count.
    ShowObjectCount(count);
    return count;
}

void ShowObjectCount(int32_t count) { SetStatusText(MakeCountText(count, " Objects").text); }
