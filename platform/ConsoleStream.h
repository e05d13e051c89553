#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include "Host.h"

namespace platform {

/// An output stream onto the console that hands its text over at every flush, passed
/// through Host::consoleTextOf, so that lines reach the console in the form it shows.
class ConsoleStream : public std::ostream {
public:
    ConsoleStream(std::ostream& console, Host& host);
    /// Hands over what is still waiting.
    ~ConsoleStream() override;

private:
    class Buffer : public std::streambuf {
    public:
        Buffer(std::ostream& console, Host& host) : console(console), host(host) {}

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize count) override;
        int sync() override;

    private:
        std::ostream& console;
        Host& host;
        std::string waiting;
    };

    Buffer buffer;
};

} // namespace platform
