// Any bytes as a compilation database that -cdbappend keeps: read without a crash or a hang;
// every entry found reads again on its own, with the same paths.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "DatabaseFile.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = readCompilationDatabase(text);
    if (!entries)
        return 0;
    for (const ReadEntry& entry : *entries) {
        const auto alone = readDatabaseEntry(entry.text);
        fuzzCheck(alone.has_value(), "a kept entry reads on its own");
        fuzzCheck(alone->file == entry.file && alone->directory == entry.directory,
                  "a kept entry names the same file on its own");
    }
    return 0;
}
