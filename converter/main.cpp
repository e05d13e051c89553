#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConsoleStream.h"
#include "Host.h"

int main(int argc, char** argv) {
    try {
        platform::letClosedPipesFailWrites();
        auto host = platform::makeCodePageHost();
        const std::vector<std::string> args =
            host->argumentsOf({argv + (argc > 0 ? 1 : 0), argv + argc});
        platform::ConsoleStream console(std::cout, *host);
        platform::ConsoleStream errors(std::cerr, *host);
        return runQuorvel(args, *host, console, errors);
    } catch (const platform::HostError& error) {
        std::cerr << error.what() << std::endl;
        return 1;
    } catch (...) {
        return 1;
    }
}
