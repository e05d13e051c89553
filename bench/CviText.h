#pragma once

#include <string>
#include <string_view>

/// Builds the text of a CVI project or workspace file the way CVI saves it: "Key = Value"
/// lines ended by CR LF, and quoted values longer than a CVI line split over numbered
/// "Key LineNNNN" parts.
class CviText {
public:
    /// The longest quoted value CVI keeps on one line.
    static constexpr std::size_t partLength = 80;

    /// Starts a section: a blank line before every section but the first, then "[name]".
    void section(std::string_view name);
    /// A key with a bare value: Version = 1302, Exclude = False.
    void bare(std::string_view key, std::string_view value);
    /// A key with a value in double quotes, split into "Key Line0001" parts when long.
    void quoted(std::string_view key, std::string_view value);

    const std::string& text() const { return bytes; }
    /// Hands the text over and starts again empty (sections count from the start).
    std::string take();

private:
    void line(std::string_view key, std::string_view value);

    std::string bytes;
    bool anySection = false;
};
