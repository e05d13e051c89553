#include "SettingsFile.h"

#include <vector>

namespace wizard {

namespace {

/// The key lines, in the order in which they are written, and the field each one names.
struct Key {
    const char* line;
    std::optional<std::string> RememberedFields::*remembered;
    std::string WizardFields::*field;
};

constexpr Key keys[] = {
    {"CVI Installation Path:", &RememberedFields::installFolder, &WizardFields::installFolder},
    {"Message Personality:", &RememberedFields::messagePersonality,
     &WizardFields::messagePersonality},
    {"Analyser Personality:", &RememberedFields::analyserPersonality,
     &WizardFields::analyserPersonality},
    {"Compiler Personality:", &RememberedFields::compilerPersonality,
     &WizardFields::compilerPersonality},
};

/// The lines of bytes, each ended by a line feed, a carriage return or both; a last line
/// without an end still counts, an end at the very end adds no empty line.
std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

} // namespace

RememberedFields parseSettings(const std::string& bytes) {
    const std::vector<std::string> lines = splitLines(bytes);
    RememberedFields fields;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const Key& key : keys) {
            if (lines[i] == key.line) {
                // The value line goes with its key, even when it reads like a key itself.
                ++i;
                fields.*key.remembered = i < lines.size() ? lines[i] : std::string();
                break;
            }
        }
    }
    return fields;
}

std::string formatSettings(const WizardFields& fields) {
    std::string bytes;
    for (const Key& key : keys) {
        const std::string& value = fields.*key.field;
        if (key.field != &WizardFields::installFolder && value.empty())
            continue;
        bytes += key.line;
        bytes += '\n';
        bytes += value;
        bytes += "\n\n";
    }
    return bytes;
}

std::optional<RememberedFields> readSettingsFile(platform::Host& host) {
    const std::unique_ptr<platform::ByteSource> source = host.openForReading(settingsFileName);
    if (!source)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    while (const std::size_t got = source->read(buffer, sizeof buffer))
        bytes.append(buffer, got);
    // A file that fails part-way is unreadable: half of it could name fewer fields.
    if (source->failed())
        return std::nullopt;
    return parseSettings(bytes);
}

void writeSettingsFile(platform::Host& host, const WizardFields& fields) {
    const std::unique_ptr<platform::ByteSink> sink = host.openForWriting(settingsFileName);
    if (!sink)
        return;
    const std::string bytes = formatSettings(fields);
    sink->write(bytes.data(), bytes.size());
    sink->close();
}

void applyRemembered(const RememberedFields& remembered, WizardFields& fields) {
    for (const Key& key : keys) {
        if (const std::optional<std::string>& value = remembered.*key.remembered)
            fields.*key.field = *value;
    }
}

} // namespace wizard
