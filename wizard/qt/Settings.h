#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// The four fields that settings.txt remembers between starts of the wizard.
struct RememberedFields {
    std::optional<QString> installFolder;
    std::optional<QString> messagePersonality;
    std::optional<QString> analyserPersonality;
    std::optional<QString> compilerPersonality;
};

/// The name of the settings file, taken against the current folder.
inline constexpr char settingsFileName[] = "settings.txt";

/// The fields that the bytes of a settings file name; a field it does not name stays unset.
/// Never fails: lines that are not keys are skipped.
RememberedFields parseSettings(const QByteArray& bytes);

/// The bytes of a settings file: the install folder always (empty when unset), each
/// personality only when it is set and not empty.
QByteArray formatSettings(const RememberedFields& fields);
