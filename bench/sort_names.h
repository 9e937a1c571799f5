// The sort benchmarks' inputs, made alike for the timed and the counted
// sort: inputs that would hurt a naive quicksort.
#pragma once

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

enum SortKind { RandomNames, OrderedForced, CaseTwins };

inline const char* SortKindName(int kind) {
    static const char* const names[] = {"random", "ordered-forced", "case-twins"};
    return names[kind];
}

// Random names; names already in order but forced through the sort by a
// leading "~" file; or names equal but for letter case.
inline std::vector<std::string> MakeSortNames(int kind, int64_t count) {
    std::vector<std::string> names;
    names.reserve(count + 1);
    std::mt19937 random(7);
    for (int64_t i = 0; i < count; ++i) {
        switch (kind) {
        case RandomNames: names.push_back("file" + std::to_string(random()) + ".txt"); break;
        case OrderedForced: {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%09lld", static_cast<long long>(i));
            names.push_back(std::string("name") + digits);
            break;
        }
        default: {
            std::string name = "readme.txt";
            for (size_t c = 0; c < name.size(); ++c)
                if ((random() & 1) && name[c] >= 'a' && name[c] <= 'z') name[c] -= 32;
            names.push_back(name);
        }
        }
    }
    if (kind == OrderedForced) names.push_back("~forces-the-sort");
    return names;
}
