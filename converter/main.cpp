#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Host.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        platform::letClosedPipesFailWrites();
        auto host = platform::makeSystemHost();
        return runQuorvel(args, *host, std::cout, std::cerr);
    } catch (const platform::HostError& error) {
        std::cerr << error.what() << std::endl;
        return 1;
    } catch (...) {
        return 1;
    }
}
