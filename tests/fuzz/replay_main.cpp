// Replays the fuzz target's corpus files as a plain test program, so the
// suite runs them on every build without the fuzzing engine.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <dirent.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    DIR* dir = opendir(argv[1]);
    if (!dir) {
        std::perror(argv[1]);
        return 2;
    }
    int runs = 0;
    while (dirent* item = readdir(dir)) {
        std::string name = item->d_name;
        if (name[0] == '.') continue;
        std::ifstream file(std::string(argv[1]) + "/" + name, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++runs;
    }
    closedir(dir);
    std::printf("%d passed, 0 failed\n", runs);
    return runs > 0 ? 0 : 1;
}
