#pragma once

#include <string_view>

/// Every text the wizard shows, the same in each of its faces.
namespace wizard::texts {

inline constexpr char caption[] = "Tessellon 1.0";

// The paths page.
inline constexpr char welcome[] = "Welcome to the Ostrevan :: Tessellon";
inline constexpr char introduction[] =
    "This wizard will take you through the steps required to convert your LabWindows CVI "
    "Workspace/Project file to a Corvane/Corvane++ project. \n\nSelect the Lab Windows "
    "workspace/project (.csw/.prj) that you wish to convert.  \nYou also need to specify the "
    "folder into which the Corvane/Corvane++ project will be created.  \nThe Corvane/Corvane++ "
    "project will be named according to the name specified.";
inline constexpr char cviBox[] = "Lab Windows CVI";
inline constexpr char workspaceLabel[] = "Workspace / Project";
inline constexpr char installLabel[] = "CVI Install Location";
inline constexpr char workspaceTip[] = "Path to the CVI workspace / project file";
inline constexpr char projectBox[] = "Corvane / Corvane++ Project";
inline constexpr char folderLabel[] = "Folder";
inline constexpr char nameLabel[] = "Name";
inline constexpr char destinationTip[] = "Destination folder for the Corvane/Corvane++ project.";
inline constexpr char nameTip[] = "Name of the Corvane/Corvane++ project.";
inline constexpr char browse[] = "Browse";

// The personalities page.
inline constexpr char personalities[] =
    "Select the message personality and compiler personality to be used by the Corvane / "
    "Corvane++ \nproject.  \n\nSelect a template analyser personality to use e.g. MISRA, "
    "Velhaus, JSF.\n\nIf you do not select a personality, an empty default personality will be "
    "used.";
inline constexpr char compilerBox[] = "Compiler Personality";
inline constexpr char compilerTip[] = "Path to the compiler personality to use for the project.";
inline constexpr char analyserBox[] = "Template Analyser Personality";
inline constexpr char messageBox[] = "Message Personality";
inline constexpr char messageTip[] = "Path to the message personality to use for the project.";

// The extensions page.
inline constexpr char extensions[] =
    "Specify which file extensions should be searched for in the Lab WIndows CVI "
    "Project.\nThese files will be added into the Corvane/Corvane++ project.  \n\nYou can add "
    "custom extensions as a comma seperated list of extensions e.g res,xml";
inline constexpr char extensionsBox[] = "File Extensions";
inline constexpr char customLabel[] = "Custom Extensions";
inline constexpr char customTip[] =
    "Custom extensions list to add files of this type to the project.";
/// The box texts, in the order of ExtensionBox.
inline constexpr const char* extensionBoxes[] = {"*.cpp", "*.cc", "*.cxx", "*.c",
                                                 "*.h",   "*.hh", "*.hpp", "*.hxx"};
inline constexpr char compilationDatabaseBox[] = "Also write compile_commands.json for clang tools";
inline constexpr char keepEntriesBox[] = "Keep other entries";
inline constexpr char keepEntriesTip[] =
    "Keep the entries the file already holds, such as those of other projects; only the entries "
    "of the sources converted now are written anew.";
inline constexpr char databaseFileLabel[] = "File";
inline constexpr char databaseFileTip[] =
    "The compilation database to write: compile_commands.json in the destination folder unless "
    "you name another file.";
inline constexpr char configurationLabel[] = "Configuration";
inline constexpr char configurationTip[] =
    "The CVI build configuration the database describes in every project that has it; "
    "Workspace's own takes each project's configuration from its workspace.";
/// The configuration box's first choice, which leaves the configuration to the workspace.
inline constexpr char workspaceConfiguration[] = "Workspace's own";
/// The configuration box's choices, one a line: the workspace's own, then CVI's four.
inline constexpr char configurations[] = "Workspace's own\nDebug\nRelease\nDebug64\nRelease64";
static_assert(
    std::string_view(configurations).substr(0, std::string_view(configurations).find('\n')) ==
        workspaceConfiguration,
    "the first choice is the workspace's own");

// The summary.
inline constexpr char summaryWorkspace[] = "Lab Windows CVI Workspace/Project:\n";
inline constexpr char summaryInstallFolder[] = "CVI Install Directory:\n";
inline constexpr char summaryDestination[] = "Corvane / Corvane++ Project Directory:\n";
inline constexpr char summaryProjectName[] = "Corvane / Corvane++ Project Name:\n";
inline constexpr char summaryMessagePersonality[] = "Message Personality:\n";
inline constexpr char summaryAnalyserPersonality[] = "Tamplate Analyser Personality:\n";
inline constexpr char summaryCompilerPersonality[] = "Compiler Personality:\n";
inline constexpr char summaryExtensions[] = "File Extensions:\n";
inline constexpr char summaryCompilationDatabase[] = "\nCompilation Database:\n";
inline constexpr char summaryDatabaseEntries[] = "\nOther Entries in the Database:\n";
inline constexpr char entriesKept[] = "Kept";
inline constexpr char entriesNotKept[] = "Not kept";
inline constexpr char summaryDatabaseConfiguration[] = "\nBuild Configuration:\n";
inline constexpr char workspaceBuilds[] = "As the workspace builds";

// The browse dialogs: captions and the filters of the file dialogs.
inline constexpr char browseWorkspace[] = "Select a Lab Windows CVI Workspace / Project";
inline constexpr char workspaceFilter[] = "Lab Windows CVI Workspace/Project (*cws *prj)";
inline constexpr char browseInstall[] = "Select the CVI Labwindows install directory";
inline constexpr char browseDestination[] =
    "Select the Corvane/Corvane++ Project Destination Directory";
inline constexpr char browseMessage[] = "Select a Message Personality";
inline constexpr char messageFilter[] = "Msg Personalities(*.p_s)";
inline constexpr char browseAnalyser[] = "Select a Template Analyser Personality";
inline constexpr char analyserFilter[] = "Analiser Personalities(*.p_a)";
inline constexpr char browseCompiler[] = "Select a Compiler Personality";
inline constexpr char compilerFilter[] = "Cmp Personalities(*.p_c)";
inline constexpr char browseDatabase[] = "Select the Compilation Database File";
inline constexpr char databaseFilter[] = "JSON Files (*.json)";

// A run.
inline constexpr char initialising[] = "Initialising Workspace/Project Conversion ...\n";
inline constexpr char couldNotExecute[] =
    "Workspace/Project Conversion could not be executed: Please ensure Quorvel.exe is set on "
    "the path.\n";
inline constexpr char converted[] = "Project Converted Successfully!";
inline constexpr char failureCaption[] = "Tessellon";
inline constexpr char failure[] =
    "Workspace/Project Conversion Failed!\nPlease check the details log and try again.";
inline constexpr char close[] = "Close";

} // namespace wizard::texts
