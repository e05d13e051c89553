#include "BrowseTable.h"

#include "FormControls.h"
#include "WizardTexts.h"

namespace wizard {

using Kind = BrowseRequest::Kind;
using namespace controls;

const BrowseButton browseButtons[7] = {
    {CVIWorkspaceBrowseBtn, Field::Workspace, Kind::ExistingFile, texts::browseWorkspace,
     texts::workspaceFilter},
    {CVIInstallBrowseBtn, Field::InstallFolder, Kind::ExistingFolder, texts::browseInstall, ""},
    {CorvaneProjectBrowseBtn, Field::Destination, Kind::ExistingFolder, texts::browseDestination,
     ""},
    {MsgBrowseBtn, Field::MessagePersonality, Kind::ExistingFile, texts::browseMessage,
     texts::messageFilter},
    {AnalBrowseBtn, Field::AnalyserPersonality, Kind::ExistingFile, texts::browseAnalyser,
     texts::analyserFilter},
    {CmpBrowseBtn, Field::CompilerPersonality, Kind::ExistingFile, texts::browseCompiler,
     texts::compilerFilter},
    {cdbFileBrowseBtn, Field::DatabaseFile, Kind::FileToWrite, texts::browseDatabase,
     texts::databaseFilter},
};

const BrowseButton* browseButtonOf(Field field) {
    for (const BrowseButton& button : browseButtons) {
        if (button.target == field)
            return &button;
    }
    return nullptr;
}

std::string filterPatterns(const std::string& filter) {
    const std::size_t open = filter.rfind('(');
    const std::size_t close = filter.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return "*";
    std::string patterns = filter.substr(open + 1, close - open - 1);
    for (char& c : patterns) {
        if (c == ' ')
            c = ';';
    }
    return patterns;
}

} // namespace wizard
