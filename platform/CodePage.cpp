#include "CodePage.h"

#include <algorithm>
#include <cerrno>

#include "Host.h"
#include "Utf8.h"

namespace platform {

namespace {

const iconv_t noConverter = reinterpret_cast<iconv_t>(-1);
const std::size_t failed = static_cast<std::size_t>(-1);

bool isNumber(const std::string& text) {
    return !text.empty() && text.size() <= 5 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// Runs one whole conversion through converter from its initial state. On a byte sequence
/// that does not convert, or converts only approximately, onInvalid either gives the text to
/// put in its place (and one byte is skipped) or nothing, which ends the conversion with
/// nothing.
template <typename OnInvalid>
std::optional<std::string> convert(iconv_t converter, const std::string& in, OnInvalid onInvalid) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::size_t written = 0;
    char* inPointer = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    bool flushing = false;
    for (;;) {
        out.resize(std::max(out.size(), written + inLeft * 4 + 16));
        char* outPointer = &out[written];
        std::size_t outLeft = out.size() - written;
        const std::size_t result =
            flushing ? iconv(converter, nullptr, nullptr, &outPointer, &outLeft)
                     : iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
        const int error = errno;
        written = out.size() - outLeft;
        if (result == failed && error == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        if (result == failed) {
            const std::optional<std::string> replacement = onInvalid();
            if (!replacement)
                return std::nullopt;
            if (inLeft > 0) {
                out.replace(written, replacement->size(), *replacement);
                written += replacement->size();
                ++inPointer;
                --inLeft;
                iconv(converter, nullptr, nullptr, nullptr, nullptr);
                continue;
            }
        } else if (result != 0 && !onInvalid()) {
            // A conversion that is not reversible would name something else on the way back.
            return std::nullopt;
        }
        if (flushing)
            break;
        flushing = true;
    }
    out.resize(written);
    return out;
}

std::optional<std::string> strictly(iconv_t converter, const std::string& in) {
    return convert(converter, in, []() -> std::optional<std::string> { return std::nullopt; });
}

} // namespace

CodePage::CodePage(const std::string& number)
    : name(number), decoder(noConverter), encoder(noConverter) {
    if (isNumber(number)) {
        decoder = iconv_open("UTF-8", ("CP" + number).c_str());
        encoder = iconv_open(("CP" + number).c_str(), "UTF-8");
    }
    std::string ascii;
    for (int c = 1; c < 128; ++c)
        ascii += static_cast<char>(c);
    if (decoder == noConverter || encoder == noConverter || strictly(encoder, ascii) != ascii ||
        strictly(decoder, ascii) != ascii) {
        close();
        throw HostError("Quorvel: QUORVEL_CODEPAGE=\"" + number +
                        "\" names no code page this system converts; give the number of a "
                        "Windows ANSI code page, such as 936 or 1252");
    }
}

CodePage::~CodePage() {
    close();
}

void CodePage::close() {
    if (decoder != noConverter)
        iconv_close(decoder);
    if (encoder != noConverter)
        iconv_close(encoder);
    decoder = encoder = noConverter;
}

CodePage::CodePage(CodePage&& other) noexcept
    : name(std::move(other.name)), decoder(other.decoder), encoder(other.encoder) {
    other.decoder = other.encoder = noConverter;
}

std::optional<std::string> CodePage::toUtf8(const std::string& bytes) {
    return strictly(decoder, bytes);
}

std::optional<std::string> CodePage::fromUtf8(const std::string& text) {
    return strictly(encoder, text);
}

std::string CodePage::toUtf8ForShowing(const std::string& bytes) {
    return *convert(decoder, bytes, []() -> std::optional<std::string> { return "\xEF\xBF\xBD"; });
}

std::string CodePage::fromUtf8ForShowing(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        // A character at a time, so that one the code page lacks is one "?", not one per byte.
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const std::string character = text.substr(i, length);
        const bool whole = isValidUtf8(character);
        const std::optional<std::string> converted = whole ? fromUtf8(character) : std::nullopt;
        shown += converted ? *converted : "?";
        i += whole ? character.size() : 1;
    }
    return shown;
}

} // namespace platform
