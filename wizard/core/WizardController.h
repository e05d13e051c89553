#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "Host.h"
#include "OutputLineEnds.h"
#include "WizardFace.h"
#include "WizardFields.h"

namespace wizard {

/// The wizard's behaviour, the same under every face: holds the fields and the page, runs
/// the page rules, keeps settings.txt, answers the browse buttons, builds the summary, runs
/// Quorvel and reports its end. A face binds its widgets' notifications to these calls.
class WizardController {
public:
    /// A controller that tests paths and keeps settings.txt through host and shows through
    /// face; both outlive it.
    WizardController(platform::Host& host, WizardFace& face);

    /// Loads settings.txt from the current folder into the fields and shows the buttons.
    void start();

    /// The user changed a text field; runs the rule of its page. A new destination moves the
    /// database's file with it while that is empty or the destination's default.
    void textChanged(Field field, const std::string& text);
    /// A key was released in a path field: its page's rule runs again, as paths come and go.
    void keyReleased(Field field);
    /// The user checked or cleared an extension box.
    void extensionChecked(ExtensionBox box, bool checked);
    /// The user checked or cleared the compilation database box, which enables its choices.
    void databaseChecked(bool checked);
    /// The user checked or cleared the box that keeps the database's other entries.
    void keepEntriesChecked(bool checked);
    /// The configuration box's text changed, picked from its list or typed.
    void configurationChanged(const std::string& text);

    /// The browse button of field: its dialog, and a chosen path into the field.
    void browse(Field field);
    /// Next, when it is enabled; leaving the extensions page builds the summary.
    void next();
    /// Back, when it is enabled.
    void back();
    /// Finish, when it is enabled: stops a running child, then starts a new run.
    void finish();
    /// Cancel or Close: kills a running child, then closes the wizard.
    void cancel();

    /// A chunk of the standard output of the child started as run.
    void childOutput(int run, const std::string& bytes);
    /// The child started as run ended: normally with status, or killed or crashed.
    void childEnded(int run, bool endedNormally, int status);

    const WizardFields& fields() const { return values; }
    const ButtonStates& buttons() const { return states; }
    /// The "-ext" value, built when the user leaves the extensions page.
    const std::string& extensionValue() const { return extensions; }
    /// Where every browse dialog opens: the latest choice of any of them.
    const std::string& lastBrowsePath() const { return lastBrowse; }
    /// Whether a child started by Finish has not been seen to end yet.
    bool running() const { return child != nullptr; }

private:
    void setText(Field field, const std::string& text);
    void runRuleOf(Field field);
    void pathsRule();
    void personalitiesRule();
    /// Shows a page rule's marks (an unchanged one is left alone) and its Next.
    void showRule(int page, const std::array<std::pair<Field, PathMark>, 3>& marks,
                  bool nextEnabled);
    void showPage(int page);
    /// Enables the database's choices exactly while its box is checked.
    void showDatabaseChoices();
    /// Appends text to the log as a paragraph of its own.
    void appendParagraph(const std::string& text);
    /// Kills a child still running from an earlier run, so that nothing of it reaches the
    /// log or counts as an outcome; saves the settings when there was one.
    void stopRunningConverter();
    void saveSettings();

    platform::Host& host;
    WizardFace& face;
    WizardFields values;
    ButtonStates states;
    std::string extensions;
    std::string lastBrowse = "\\";
    std::unique_ptr<ConverterChild> child;
    /// Tells the reports of the latest run from those of earlier ones.
    int run = 0;
    OutputLineEnds lineEnds;
};

} // namespace wizard
