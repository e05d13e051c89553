#include "ConsoleStream.h"

namespace platform {

ConsoleStream::ConsoleStream(std::ostream& console, Host& host)
    : std::ostream(nullptr), buffer(console, host) {
    rdbuf(&buffer);
}

ConsoleStream::~ConsoleStream() {
    buffer.pubsync();
}

ConsoleStream::Buffer::int_type ConsoleStream::Buffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        waiting += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
}

std::streamsize ConsoleStream::Buffer::xsputn(const char* text, std::streamsize count) {
    waiting.append(text, static_cast<std::size_t>(count));
    return count;
}

int ConsoleStream::Buffer::sync() {
    if (!waiting.empty()) {
        const std::string text = host.consoleTextOf(waiting);
        waiting.clear();
        console.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    console.flush();
    return console ? 0 : -1;
}

} // namespace platform
