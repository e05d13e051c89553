// Stands in for Quorvel in the wizard's tests. It writes its arguments, program name first,
// each ended by a NUL byte, to "<plan>.args", then follows the plan file named by the
// environment variable TESSELLON_FAKE_PLAN, one step a line:
//   out TEXT    writes TEXT ("\n" a line feed, "\xNN" the byte NN in hex, "\\" a backslash)
//               to standard output at once
//   wait NAME   waits until a file NAME exists in the plan's folder
//   exit N      ends with exit status N
//   crash       dies from a signal
// Without further steps it ends with status 0.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            if (text[i] == 'x' && i + 2 < text.size()) {
                out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                out += text[i] == 'n' ? '\n' : text[i];
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const char* plan = std::getenv("TESSELLON_FAKE_PLAN");
    if (!plan)
        return 99;
    {
        std::ofstream args(std::string(plan) + ".args", std::ios::binary);
        args << fs::path(argv[0]).filename().string() << '\0';
        for (int i = 1; i < argc; ++i)
            args << argv[i] << '\0';
    }
    std::ifstream steps(plan);
    std::string line;
    while (std::getline(steps, line)) {
        const std::size_t space = line.find(' ');
        const std::string step = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (step == "out") {
            const std::string text = unescape(rest);
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);
        } else if (step == "wait") {
            const fs::path go = fs::path(plan).parent_path() / rest;
            while (!fs::exists(go))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } else if (step == "exit") {
            return std::atoi(rest.c_str());
        } else if (step == "crash") {
#ifdef SIGKILL
            std::raise(SIGKILL);
#endif
            std::abort();
        }
    }
    return 0;
}
