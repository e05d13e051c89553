#include "DatabaseFile.h"

namespace {

/// A reader of JSON text just deep enough for a compilation database: it checks every value
/// and decodes the strings the entries' members need.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text(text) {}

    std::optional<std::vector<ReadEntry>> database() {
        std::vector<ReadEntry> entries;
        if (!take('['))
            return std::nullopt;
        if (!take(']')) {
            do {
                std::optional<ReadEntry> entry = object(false);
                if (!entry)
                    return std::nullopt;
                entries.push_back(std::move(*entry));
            } while (take(','));
            if (!take(']'))
                return std::nullopt;
        }
        skipBlanks();
        if (at != text.size())
            return std::nullopt;
        return entries;
    }

    /// The one object the text holds, with its arguments.
    std::optional<ReadEntry> entry() {
        std::optional<ReadEntry> read = object(true);
        skipBlanks();
        return at == text.size() ? read : std::nullopt;
    }

private:
    /// The object that comes next, with its arguments when asked.
    std::optional<ReadEntry> object(bool withArguments) {
        skipBlanks();
        const std::size_t start = at;
        if (!take('{'))
            return std::nullopt;
        ReadEntry entry;
        bool directory = false, file = false, command = false, arguments = false;
        if (!take('}')) {
            do {
                std::optional<std::string> key = string();
                if (!key || !take(':'))
                    return std::nullopt;
                skipBlanks();
                const bool isString = at < text.size() && text[at] == '"';
                if (*key == "directory" || *key == "file" || *key == "command") {
                    std::optional<std::string> value = isString ? string() : std::nullopt;
                    if (!value)
                        return std::nullopt;
                    if (*key == "directory")
                        entry.directory = std::move(*value), directory = true;
                    else if (*key == "file")
                        entry.file = std::move(*value), file = true;
                    else
                        command = true;
                } else if (*key == "arguments") {
                    if (!take('['))
                        return std::nullopt;
                    if (!take(']')) {
                        do {
                            std::optional<std::string> argument = string();
                            if (!argument)
                                return std::nullopt;
                            if (withArguments)
                                entry.arguments.push_back(std::move(*argument));
                        } while (take(','));
                        if (!take(']'))
                            return std::nullopt;
                    }
                    arguments = true;
                } else if (!skipValue(0)) {
                    return std::nullopt;
                }
            } while (take(','));
            if (!take('}'))
                return std::nullopt;
        }
        if (!directory || !file || !(command || arguments))
            return std::nullopt;
        entry.text = text.substr(start, at - start);
        if (!isAbsolutePath(entry.file))
            entry.file = entry.directory + "/" + entry.file;
        return entry;
    }

    /// Passes over one value of any kind, checking it.
    bool skipValue(int depth) {
        // Deeper than any compilation database nests, and no deeper than the stack allows.
        if (depth > 64)
            return false;
        skipBlanks();
        if (at >= text.size())
            return false;
        const char c = text[at];
        if (c == '"')
            return string().has_value();
        if (c == '[' || c == '{') {
            const char close = c == '[' ? ']' : '}';
            ++at;
            if (take(close))
                return true;
            do {
                if (c == '{' && !(string() && take(':')))
                    return false;
                if (!skipValue(depth + 1))
                    return false;
            } while (take(','));
            return take(close);
        }
        for (const std::string_view word : {"true", "false", "null"})
            if (text.substr(at, word.size()) == word) {
                at += word.size();
                return true;
            }
        return number();
    }

    bool number() {
        const std::size_t start = at;
        if (at < text.size() && text[at] == '-')
            ++at;
        const std::size_t digits = at;
        while (at < text.size() &&
               ((text[at] >= '0' && text[at] <= '9') || text[at] == '.' || text[at] == 'e' ||
                text[at] == 'E' || text[at] == '+' || text[at] == '-'))
            ++at;
        return at > digits && at > start;
    }

    /// A JSON string, decoded to UTF-8.
    std::optional<std::string> string() {
        if (!take('"'))
            return std::nullopt;
        std::string value;
        while (at < text.size()) {
            const char c = text[at++];
            if (c == '"')
                return value;
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (at >= text.size())
                return std::nullopt;
            const char escaped = text[at++];
            switch (escaped) {
            case '"':
            case '\\':
            case '/':
                value += escaped;
                break;
            case 'b':
                value += '\b';
                break;
            case 'f':
                value += '\f';
                break;
            case 'n':
                value += '\n';
                break;
            case 'r':
                value += '\r';
                break;
            case 't':
                value += '\t';
                break;
            case 'u': {
                std::optional<unsigned> code = hex4();
                if (!code)
                    return std::nullopt;
                if (*code >= 0xD800 && *code < 0xDC00) {
                    if (text.substr(at, 2) != "\\u")
                        return std::nullopt;
                    at += 2;
                    const std::optional<unsigned> low = hex4();
                    if (!low || *low < 0xDC00 || *low >= 0xE000)
                        return std::nullopt;
                    *code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                } else if (*code >= 0xDC00 && *code < 0xE000) {
                    return std::nullopt;
                }
                appendUtf8(value, *code);
                break;
            }
            default:
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<unsigned> hex4() {
        if (at + 4 > text.size())
            return std::nullopt;
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text[at++];
            code <<= 4;
            if (c >= '0' && c <= '9')
                code += c - '0';
            else if (c >= 'a' && c <= 'f')
                code += c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                code += c - 'A' + 10;
            else
                return std::nullopt;
        }
        return code;
    }

    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    void skipBlanks() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r'))
            ++at;
    }

    /// Takes c, after blanks, when it comes next.
    bool take(char c) {
        skipBlanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }

    std::string_view text;
    std::size_t at = 0;
};

} // namespace

bool isAbsolutePath(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/'));
}

std::optional<std::vector<ReadEntry>> readCompilationDatabase(std::string_view text) {
    return JsonReader(text).database();
}

std::optional<ReadEntry> readDatabaseEntry(std::string_view text) {
    return JsonReader(text).entry();
}
