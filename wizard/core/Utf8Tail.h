#pragma once

#include <cstddef>
#include <string>

namespace wizard {

/// The number of bytes at the end of bytes that start a UTF-8 character not yet whole, which
/// the next chunk of output completes.
std::size_t incompleteUtf8Tail(const std::string& bytes);

} // namespace wizard
