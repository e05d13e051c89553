// quorvel-split-floor FILE: reads FILE in blocks and splits it into lines and keys the way
// any line-by-line reader of a CVI file must, and prints what it found. The benchmark
// holds the converter's parse time against this floor.
#include <cstdio>
#include <string>

#include "LineSplitter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quorvel-split-floor FILE\n", stderr);
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "rb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    // The block size of the converter's own text reader.
    std::string buffer(64 * 1024, '\0');
    LineSplitter splitter;
    std::size_t got;
    while ((got = std::fread(&buffer[0], 1, buffer.size(), file)) > 0)
        splitter.feed(std::string_view(buffer.data(), got));
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        std::perror(argv[1]);
        return 1;
    }
    const SplitCounts counts = splitter.finish();
    std::printf("lines %zu, keyed %zu, value bytes %zu\n", counts.lines, counts.keyed,
                counts.valueBytes);
    return 0;
}
