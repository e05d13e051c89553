// Any bytes as settings.txt: read to the end without a crash or a hang; the fields that the
// wizard writes read back as written, whatever their bytes, once they hold no line break.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FakeHost.h"
#include "FuzzCheck.h"
#include "SettingsFile.h"

namespace {

/// The fields with the remembered ones applied to the wizard's defaults.
wizard::WizardFields applied(const wizard::RememberedFields& remembered) {
    wizard::WizardFields fields;
    wizard::applyRemembered(remembered, fields);
    return fields;
}

bool sameRemembered(const wizard::WizardFields& a, const wizard::WizardFields& b) {
    return a.installFolder == b.installFolder && a.messagePersonality == b.messagePersonality &&
           a.analyserPersonality == b.analyserPersonality &&
           a.compilerPersonality == b.compilerPersonality;
}

/// Writes fields to settings.txt on a fresh host and reads them back into the defaults.
wizard::WizardFields writtenAndRead(const wizard::WizardFields& fields) {
    FakeHost host;
    wizard::writeSettingsFile(host, fields);
    const std::optional<wizard::RememberedFields> read = wizard::readSettingsFile(host);
    fuzzCheck(read.has_value(), "a written settings file can be read");
    return applied(*read);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Whatever a file names comes back the same after the wizard has saved it.
    const wizard::WizardFields loaded = applied(wizard::parseSettings(bytes));
    fuzzCheck(sameRemembered(writtenAndRead(loaded), loaded),
              "the fields loaded from a file are saved as they were loaded");

    // The input's first four lines as the four fields, as a user may type them.
    wizard::WizardFields typed;
    std::string* const values[] = {&typed.installFolder, &typed.messagePersonality,
                                   &typed.analyserPersonality, &typed.compilerPersonality};
    std::size_t start = 0;
    for (std::string* value : values) {
        if (start > bytes.size())
            break;
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        *value = bytes.substr(start, end - start);
        start = end + 1;
    }
    fuzzCheck(sameRemembered(writtenAndRead(typed), typed),
              "every field the wizard writes reads back as written");
    return 0;
}
