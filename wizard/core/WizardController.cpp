#include "WizardController.h"

#include <utility>

#include "BrowseTable.h"
#include "ConversionChoices.h"
#include "FormControls.h"
#include "PageRules.h"
#include "RunOutcome.h"
#include "SettingsFile.h"
#include "StringHelpers.h"
#include "WizardTexts.h"

namespace wizard {

namespace {

bool onPathsPage(Field field) {
    return field == Field::Workspace || field == Field::InstallFolder ||
           field == Field::Destination || field == Field::ProjectName;
}

bool isPersonality(Field field) {
    return field == Field::MessagePersonality || field == Field::AnalyserPersonality ||
           field == Field::CompilerPersonality;
}

} // namespace

WizardController::WizardController(platform::Host& host, WizardFace& face)
    : host(host), face(face) {}

void WizardController::start() {
    face.showButtons(states);
    showDatabaseChoices();
    const std::optional<RememberedFields> remembered = readSettingsFile(host);
    if (!remembered)
        return;
    applyRemembered(*remembered, values);
    const std::pair<const std::optional<std::string>&, Field> loaded[] = {
        {remembered->installFolder, Field::InstallFolder},
        {remembered->messagePersonality, Field::MessagePersonality},
        {remembered->analyserPersonality, Field::AnalyserPersonality},
        {remembered->compilerPersonality, Field::CompilerPersonality}};
    for (const auto& [value, field] : loaded) {
        if (value)
            face.showText(field, *value);
    }
    // A loaded value equal to the field's text changes nothing and so would not run the rule.
    if (remembered->installFolder)
        pathsRule();
    if (remembered->messagePersonality || remembered->analyserPersonality ||
        remembered->compilerPersonality)
        personalitiesRule();
}

void WizardController::textChanged(Field field, const std::string& text) {
    // A file the user named stays; an empty one or the old destination's default follows.
    const bool databaseFollows = field == Field::Destination &&
                                 (values.databaseFile.empty() ||
                                  values.databaseFile == defaultDatabaseFileOf(values.destination));
    textOf(values, field) = text;
    if (databaseFollows)
        setText(Field::DatabaseFile, defaultDatabaseFileOf(text));
    runRuleOf(field);
}

void WizardController::keyReleased(Field field) {
    runRuleOf(field);
}

void WizardController::extensionChecked(ExtensionBox box, bool checked) {
    values.extension(box) = checked;
}

void WizardController::databaseChecked(bool checked) {
    values.compilationDatabase = checked;
    showDatabaseChoices();
}

void WizardController::keepEntriesChecked(bool checked) {
    values.keepDatabaseEntries = checked;
}

void WizardController::configurationChanged(const std::string& text) {
    values.databaseConfiguration = text;
}

void WizardController::showDatabaseChoices() {
    for (const controls::ControlId id : databaseChoices)
        face.enableControl(id, values.compilationDatabase);
}

void WizardController::setText(Field field, const std::string& text) {
    textOf(values, field) = text;
    face.showText(field, text);
}

void WizardController::runRuleOf(Field field) {
    if (onPathsPage(field))
        pathsRule();
    else if (isPersonality(field))
        personalitiesRule();
}

void WizardController::showRule(int page, const std::array<std::pair<Field, PathMark>, 3>& marks,
                                bool nextEnabled) {
    for (const auto& [field, pathMark] : marks) {
        if (pathMark != PathMark::Unchanged)
            face.markPath(field, pathMark);
    }
    states.complete[std::size_t(page)] = nextEnabled;
    face.showButtons(states);
}

void WizardController::pathsRule() {
    const PathsPage page = pathsPage(host, values);
    showRule(0,
             {{{Field::Workspace, page.workspace},
               {Field::InstallFolder, page.installFolder},
               {Field::Destination, page.destination}}},
             page.nextEnabled);
}

void WizardController::personalitiesRule() {
    const PersonalitiesPage page = personalitiesPage(host, values);
    showRule(1,
             {{{Field::MessagePersonality, page.message},
               {Field::AnalyserPersonality, page.analyser},
               {Field::CompilerPersonality, page.compiler}}},
             page.nextEnabled);
}

void WizardController::browse(Field field) {
    const BrowseButton* button = browseButtonOf(field);
    if (!button)
        return;
    const std::optional<std::string> start = host.hostPathOf(lastBrowse);
    const std::string chosen =
        face.browse({button->kind, button->caption, button->filter, start.value_or("")});
    // An empty answer is a cancel; the host would read it as the current folder.
    if (chosen.empty())
        return;
    const std::string path = toNativeSeparators(host.windowsPathOf(chosen));
    if (path.empty())
        return;
    lastBrowse = path;
    setText(field, path);
}

void WizardController::showPage(int page) {
    states.page = page;
    face.showButtons(states);
}

void WizardController::next() {
    if (!states.next())
        return;
    if (states.page == 2) {
        extensions = extensionValueOf(values);
        face.setLog(summaryOf(values, extensions));
        states.complete[3] = true;
    }
    showPage(states.page + 1);
}

void WizardController::back() {
    if (states.back())
        showPage(states.page - 1);
}

void WizardController::finish() {
    if (!states.finish())
        return;
    stopRunningConverter();
    std::vector<std::string> items{converterProgram};
    for (std::string& argument : converterArguments(values, extensions))
        items.push_back(std::move(argument));
    face.setLog(texts::initialising);
    lineEnds = OutputLineEnds();
    child = face.startChild(items, ++run);
    if (!child)
        appendParagraph(texts::couldNotExecute);
}

void WizardController::cancel() {
    stopRunningConverter();
    face.closeWizard();
}

void WizardController::childOutput(int from, const std::string& bytes) {
    // Output of a run that was stopped never reaches the log.
    if (from != run || !child)
        return;
    const std::string shown = lineEnds.take(bytes);
    if (!shown.empty())
        face.appendOutput(shown);
}

void WizardController::childEnded(int from, bool endedNormally, int status) {
    if (from != run || !child)
        return;
    const std::string rest = lineEnds.rest();
    if (!rest.empty())
        face.appendOutput(rest);
    face.endOutput();
    child.reset();
    const RunOutcome outcome = outcomeOf(endedNormally, status);
    if (outcome.showFailureBox) {
        face.showFailureBox();
    } else if (outcome.succeeded) {
        appendParagraph(texts::converted);
        states.complete[3] = false;
        states.close = true;
        face.showButtons(states);
    }
    saveSettings();
}

void WizardController::appendParagraph(const std::string& text) {
    face.appendToLog("\n" + text);
}

void WizardController::stopRunningConverter() {
    if (!child)
        return;
    // Killed and waited for; what it still reports carries an earlier run and is dropped.
    child.reset();
    saveSettings();
}

void WizardController::saveSettings() {
    writeSettingsFile(host, values);
}

} // namespace wizard
