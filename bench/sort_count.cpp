// Sorts COUNT names of one kind once, for callgrind to count the
// instructions of that sort alone:
//   valgrind --tool=callgrind --instr-atstart=no --collect-atstart=no sort_count KIND COUNT
// KIND is 0 (random), 1 (ordered-forced) or 2 (case-twins). Making the
// names and a first sort, whose order the counted one must match, run
// uncounted.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>

#include "bench/sort_names.h"
#include "browse/folder_listing.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s KIND COUNT\n", argv[0]);
        return 2;
    }
    int kind = std::atoi(argv[1]);
    std::vector<std::string> table = MakeSortNames(kind, std::atoll(argv[2]));
    std::vector<std::string> warm = table;
    SortEntries(warm.data(), warm.data() + warm.size());

    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_TOGGLE_COLLECT;
    SortEntries(table.data(), table.data() + table.size());
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_STOP_INSTRUMENTATION;

    std::printf("%s %zu names, first %s, last %s\n", SortKindName(kind), table.size(), table.front().c_str(),
                table.back().c_str());
    return table == warm ? 0 : 1;
}
