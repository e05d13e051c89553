#include "ConversionChoices.h"

#include <utility>

#include "WizardTexts.h"

namespace wizard {

std::string extensionValueOf(const WizardFields& fields) {
    static constexpr const char* items[] = {"cpp,", "cc,", "cxx,", "c,",
                                            "h,",   "hh,", "hpp,", "hxx,"};
    std::string value;
    for (std::size_t box = 0; box < fields.extensions.size(); ++box) {
        if (fields.extensions[box])
            value += items[box];
    }
    value += fields.customExtensions;
    // Only the one comma that the last item brought; a custom text may end with more.
    if (!value.empty() && value.back() == ',')
        value.pop_back();
    return value;
}

std::string defaultDatabaseFileOf(const std::string& destination) {
    std::string folder = destination;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder + "compile_commands.json";
}

std::string compilationDatabaseOf(const WizardFields& fields) {
    if (!fields.compilationDatabase)
        return {};
    return fields.databaseFile.empty() ? defaultDatabaseFileOf(fields.destination)
                                       : fields.databaseFile;
}

std::string databaseConfigurationOf(const WizardFields& fields) {
    if (!fields.compilationDatabase ||
        fields.databaseConfiguration == texts::workspaceConfiguration)
        return {};
    return fields.databaseConfiguration;
}

std::string summaryOf(const WizardFields& fields, const std::string& extensionValue) {
    const std::pair<const char*, const std::string&> lines[] = {
        {texts::summaryWorkspace, fields.workspace},
        {texts::summaryInstallFolder, fields.installFolder},
        {texts::summaryDestination, fields.destination},
        {texts::summaryProjectName, fields.projectName},
        {texts::summaryMessagePersonality, fields.messagePersonality},
        {texts::summaryAnalyserPersonality, fields.analyserPersonality},
        {texts::summaryCompilerPersonality, fields.compilerPersonality}};
    std::string summary;
    for (const auto& [label, value] : lines)
        summary += label + value + "\n\n";
    summary += texts::summaryExtensions + extensionValue + "\n";
    if (!fields.compilationDatabase)
        return summary;
    const std::string configuration = databaseConfigurationOf(fields);
    summary += texts::summaryCompilationDatabase + compilationDatabaseOf(fields) + "\n";
    summary += texts::summaryDatabaseEntries;
    summary += fields.keepDatabaseEntries ? texts::entriesKept : texts::entriesNotKept;
    summary += "\n";
    summary += texts::summaryDatabaseConfiguration +
               (configuration.empty() ? texts::workspaceBuilds : configuration) + "\n";
    return summary;
}

std::vector<std::string> converterArguments(const WizardFields& fields,
                                            const std::string& extensionValue) {
    std::vector<std::string> arguments{fields.workspace, fields.installFolder, fields.destination,
                                       "-pn", fields.projectName};
    const std::pair<const char*, std::string> options[] = {
        {"-mp", fields.messagePersonality},
        {"-ap", fields.analyserPersonality},
        {"-cp", fields.compilerPersonality},
        {"-ext", extensionValue},
        {fields.keepDatabaseEntries ? "-cdbappend" : "-cdb", compilationDatabaseOf(fields)},
        {"-cdbconfig", databaseConfigurationOf(fields)}};
    for (const auto& [option, value] : options) {
        if (!value.empty()) {
            arguments.emplace_back(option);
            arguments.push_back(value);
        }
    }
    return arguments;
}

} // namespace wizard
