// Stands in for Quorvel.exe when Tessellon.exe runs it: writes the arguments it received to
// standin-arguments.txt in the current folder (each followed by a NUL byte), then follows
// its environment: STANDIN_OUTPUT (hex bytes written to standard output; with STANDIN_SPLIT=n
// the first n of them are written and flushed on their own, a moment before the rest, so that
// a character may arrive split), STANDIN_SLEEP (writes its process id to
// standin.pid, then sleeps), STANDIN_STATUS (its exit status; 0 without).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>

namespace {

std::string bytesOfHex(const char* hex) {
    std::string bytes;
    for (std::size_t i = 0; hex[i] && hex[i + 1]; i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex + i, 2), nullptr, 16));
    return bytes;
}

void writeFile(const char* name, const std::string& bytes) {
    if (FILE* file = std::fopen(name, "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string arguments;
    for (int i = 1; i < argc; ++i)
        arguments += std::string(argv[i]) + '\0';
    writeFile("standin-arguments.txt", arguments);

    if (const char* hex = std::getenv("STANDIN_OUTPUT")) {
        // The bytes as given: no CR is added before a LF.
        _setmode(_fileno(stdout), _O_BINARY);
        const std::string output = bytesOfHex(hex);
        const char* split = std::getenv("STANDIN_SPLIT");
        const std::size_t first =
            split ? std::min<std::size_t>(std::stoul(split), output.size()) : output.size();
        std::fwrite(output.data(), 1, first, stdout);
        std::fflush(stdout);
        if (first < output.size()) {
            Sleep(100);
            std::fwrite(output.data() + first, 1, output.size() - first, stdout);
            std::fflush(stdout);
        }
    }
    if (std::getenv("STANDIN_SLEEP")) {
        writeFile("standin.pid", std::to_string(GetCurrentProcessId()));
        Sleep(120000);
    }
    const char* status = std::getenv("STANDIN_STATUS");
    return status ? std::atoi(status) : 0;
}
