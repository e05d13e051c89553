#pragma once

#include <cstdint>
#include <string>

/// A folder could not be created (code 1) or a file could not be opened, written,
/// flushed or closed (code 2); path names the folder or file concerned.
class IOERROR {
public:
    IOERROR(std::int32_t code, std::string path) : code(code), path(std::move(path)) {}

    std::int32_t code;
    std::string path;
};

/// An input file (workspace or CVI project) could not be opened for reading (code 2).
class AsciiReaderError {
public:
    explicit AsciiReaderError(std::int32_t code) : code(code) {}

    std::int32_t code;
};
