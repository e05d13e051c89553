#include "BrowseTable.h"

#include "WizardTexts.h"

namespace wizard {

using Kind = BrowseRequest::Kind;

const BrowseButton browseButtons[6] = {
    {Field::Workspace, Kind::ExistingFile, texts::browseWorkspace, texts::workspaceFilter},
    {Field::InstallFolder, Kind::ExistingFolder, texts::browseInstall, ""},
    {Field::Destination, Kind::ExistingFolder, texts::browseDestination, ""},
    {Field::MessagePersonality, Kind::ExistingFile, texts::browseMessage, texts::messageFilter},
    {Field::AnalyserPersonality, Kind::ExistingFile, texts::browseAnalyser, texts::analyserFilter},
    {Field::CompilerPersonality, Kind::ExistingFile, texts::browseCompiler, texts::compilerFilter},
};

const BrowseButton* browseButtonOf(Field field) {
    for (const BrowseButton& button : browseButtons) {
        if (button.target == field)
            return &button;
    }
    return nullptr;
}

} // namespace wizard
