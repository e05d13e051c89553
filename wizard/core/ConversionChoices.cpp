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

std::string compilationDatabaseOf(const WizardFields& fields) {
    if (!fields.compilationDatabase)
        return {};
    std::string folder = fields.destination;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder + "compile_commands.json";
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
    const std::string database = compilationDatabaseOf(fields);
    if (!database.empty())
        summary += texts::summaryCompilationDatabase + database + "\n";
    return summary;
}

std::vector<std::string> converterArguments(const WizardFields& fields,
                                            const std::string& extensionValue) {
    std::vector<std::string> arguments{fields.workspace, fields.installFolder, fields.destination,
                                       "-pn", fields.projectName};
    const std::pair<const char*, std::string> options[] = {{"-mp", fields.messagePersonality},
                                                           {"-ap", fields.analyserPersonality},
                                                           {"-cp", fields.compilerPersonality},
                                                           {"-ext", extensionValue},
                                                           {"-cdb", compilationDatabaseOf(fields)}};
    for (const auto& [option, value] : options) {
        if (!value.empty()) {
            arguments.emplace_back(option);
            arguments.push_back(value);
        }
    }
    return arguments;
}

} // namespace wizard
