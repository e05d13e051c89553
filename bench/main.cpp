#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "BenchRunner.h"

namespace {

void usage() {
    std::cerr << "usage: quorvel-bench [--quorvel PROGRAM] [--work EMPTY_FOLDER] [--runs N] "
                 "[--seed N]\n"
                 "  Measures Quorvel against cp -a and a plain split of its input into lines\n"
                 "  and keys, and prints one table. Inputs and outputs (several GB) go to a\n"
                 "  temp folder, removed at the end, or to the empty folder --work names,\n"
                 "  which is left as it is.\n";
}

} // namespace

int main(int argc, char** argv) {
    BenchOptions options;
    options.quorvel = QUORVEL_PROGRAM;
    options.splitFloor = QUORVEL_SPLIT_FLOOR_PROGRAM;
    bool ownWork = true;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            usage();
            return 2;
        }
        const std::string value = argv[++i];
        if (option == "--quorvel")
            options.quorvel = std::filesystem::absolute(value).string();
        else if (option == "--work") {
            options.work = std::filesystem::absolute(value);
            ownWork = false;
        } else if (option == "--runs")
            options.runs = std::atoi(value.c_str());
        else if (option == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else {
            usage();
            return 2;
        }
    }
    if (options.runs < 1) {
        usage();
        return 2;
    }
    try {
        if (ownWork) {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
            if (!mkdtemp(pattern.data()))
                throw std::runtime_error("cannot make a temp folder");
            options.work = pattern;
        }
        std::filesystem::create_directories(options.work);
        const bool met = BenchRunner(options, std::cout).run();
        if (ownWork) {
            // Every output was kept to the end; removing them takes a few minutes.
            std::cerr << "quorvel-bench: removing " << options.work.string() << "\n";
            std::filesystem::remove_all(options.work);
        }
        return met ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "quorvel-bench: " << error.what() << "\n";
        if (ownWork && !options.work.empty())
            std::filesystem::remove_all(options.work);
        return 2;
    }
}
