#pragma once

#include <cstddef>
#include <string>

namespace wizard {

/// The number of bytes at the end of bytes that start a UTF-8 character not yet whole, which
/// the next chunk of output completes.
std::size_t incompleteUtf8Tail(const std::string& bytes);

/// 1 when bytes ends in the lead byte of a double-byte character, as isLead tells the lead
/// bytes of its code page; else 0.
template <typename IsLead>
std::size_t incompleteDoubleByteTail(const std::string& bytes, IsLead isLead) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (!isLead(static_cast<unsigned char>(bytes[i])))
            ++i;
        else if (i + 1 == bytes.size())
            return 1;
        else
            i += 2;
    }
    return 0;
}

} // namespace wizard
