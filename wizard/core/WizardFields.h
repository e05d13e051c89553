#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace wizard {

/// The install folder the form shows until settings.txt says otherwise.
inline constexpr char defaultInstallFolder[] = "C:\\Program Files\\National Instruments\\CVI85";

/// The extension boxes of the extensions page, in the order their items join the "-ext" value.
enum class ExtensionBox : std::size_t { Cpp, Cc, Cxx, C, H, Hh, Hpp, Hxx, Count };

/// The values of the wizard's fields as the user typed or picked them, in the bytes of the
/// system's code page, as Quorvel takes its arguments.
struct WizardFields {
    std::string workspace; ///< the CVI workspace or project
    std::string installFolder = defaultInstallFolder;
    std::string destination; ///< the folder that receives the Corvane project
    std::string projectName;
    std::string messagePersonality;
    std::string analyserPersonality;
    std::string compilerPersonality;
    std::array<bool, static_cast<std::size_t>(ExtensionBox::Count)> extensions{};
    std::string customExtensions;
    /// Whether the run also writes a compilation database.
    bool compilationDatabase = false;
    /// The database's file as the user typed or picked it; empty for compile_commands.json in
    /// the destination folder.
    std::string databaseFile;
    /// Whether the run keeps the entries the database's file already holds for other sources.
    bool keepDatabaseEntries = false;
    /// The configuration box's text: a build configuration's name, or the workspace's own.
    std::string databaseConfiguration;

    bool& extension(ExtensionBox box) { return extensions[static_cast<std::size_t>(box)]; }
    bool extension(ExtensionBox box) const { return extensions[static_cast<std::size_t>(box)]; }
};

/// The text fields of the pages, as a face names them to the controller.
enum class Field {
    Workspace,
    InstallFolder,
    Destination,
    ProjectName,
    MessagePersonality,
    AnalyserPersonality,
    CompilerPersonality,
    CustomExtensions,
    DatabaseFile
};

/// The number of text fields.
inline constexpr int fieldCount = static_cast<int>(Field::DatabaseFile) + 1;

/// The text that field holds in fields.
inline std::string& textOf(WizardFields& fields, Field field) {
    std::string* const texts[] = {
        &fields.workspace,           &fields.installFolder,      &fields.destination,
        &fields.projectName,         &fields.messagePersonality, &fields.analyserPersonality,
        &fields.compilerPersonality, &fields.customExtensions,   &fields.databaseFile};
    return *texts[static_cast<std::size_t>(field)];
}

} // namespace wizard
