#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CviLineReader.h"

/// One section of a CVI file: the name between its brackets and its keys in file order, each
/// key without surrounding spaces and each value as trimValue leaves it.
struct CviSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;

    /// The value of the first key named key; null when the section has none.
    const std::string* valueOf(const std::string& key) const;
};

/// The sections of a CVI file whose name select accepts, in file order; the lines before the
/// first section header form a section with an empty name. A line without "=" is a key
/// with an empty value.
/// Throws AsciiReaderError code 2 when the file fails while it is read.
std::vector<CviSection> readCviSections(CviLineReader& reader,
                                        const std::function<bool(const std::string&)>& select);
