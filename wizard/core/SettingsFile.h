#pragma once

#include <optional>
#include <string>

#include "Host.h"
#include "WizardFields.h"

namespace wizard {

/// The four fields that settings.txt remembers between starts of the wizard; a field the
/// file does not name is unset.
struct RememberedFields {
    std::optional<std::string> installFolder;
    std::optional<std::string> messagePersonality;
    std::optional<std::string> analyserPersonality;
    std::optional<std::string> compilerPersonality;
};

/// The name of the settings file, taken against the current folder.
inline constexpr char settingsFileName[] = "settings.txt";

/// The fields that the bytes of a settings file name. Never fails: lines that are not keys
/// are skipped; a line ends at a line feed, a carriage return, or both.
RememberedFields parseSettings(const std::string& bytes);

/// The bytes of a settings file for the fields: the install folder always, each personality
/// only when it is not empty; bytes as they stand, lines ended by a line feed.
std::string formatSettings(const WizardFields& fields);

/// The settings in the current folder; nothing when the file cannot be read.
std::optional<RememberedFields> readSettingsFile(platform::Host& host);

/// Replaces the settings in the current folder; a file that cannot be written is silently
/// not saved.
void writeSettingsFile(platform::Host& host, const WizardFields& fields);

/// Copies into fields each value that remembered holds.
void applyRemembered(const RememberedFields& remembered, WizardFields& fields);

} // namespace wizard
