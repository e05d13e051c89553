#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "PageRules.h"
#include "WizardFields.h"

namespace wizard {

/// The number of pages: paths, personalities, extensions, summary and log.
inline constexpr int pageCount = 4;

/// The page that shows and the state of the wizard's buttons on it.
struct ButtonStates {
    int page = 0;
    /// Whether each page lets the user on: Next on the first three, Finish on the last.
    std::array<bool, pageCount> complete{false, true, true, false};
    /// Cancel reads "Close", once a run has succeeded.
    bool close = false;

    bool back() const { return page > 0; }
    bool next() const { return page < pageCount - 1 && complete[std::size_t(page)]; }
    bool finish() const { return page == pageCount - 1 && complete[std::size_t(page)]; }
};

/// What a browse button asks its modal dialog for.
struct BrowseRequest {
    /// FileToWrite: a file that may exist or not, as a dialog for saving asks for one.
    enum class Kind { ExistingFile, ExistingFolder, FileToWrite };

    Kind kind = Kind::ExistingFile;
    std::string caption;
    std::string filter;    ///< the name filter of a file dialog; empty for folders
    std::string startPath; ///< the host path the dialog opens at; empty for the current folder
};

/// One started run of the converter, kept by the face's toolkit. Its output and its end
/// reach the controller through WizardController::childOutput and childEnded.
class ConverterChild {
public:
    /// Kills the child if it still runs and waits for it; nothing of it is reported after.
    virtual ~ConverterChild() = default;
};

/// What a face can do for the controller: show, ask, and start a child. Texts are bytes of
/// the system's code page with "\n" line breaks.
class WizardFace {
public:
    virtual ~WizardFace() = default;

    /// Puts text into the field's widget, which reports the change as the user's would.
    virtual void showText(Field field, const std::string& text) = 0;
    /// Colours a path field black (Exists) or red (Missing); never asked for Unchanged.
    virtual void markPath(Field field, PathMark mark) = 0;
    /// Enables or disables the control with the controls::ControlId.
    virtual void enableControl(int id, bool enabled) = 0;
    /// Shows the page and enables or disables the buttons as the states say.
    virtual void showButtons(const ButtonStates& states) = 0;

    /// Makes text the whole log; the converter's output that follows is decoded afresh.
    virtual void setLog(const std::string& text) = 0;
    /// Appends text at the very end of the log.
    virtual void appendToLog(const std::string& text) = 0;
    /// Appends the converter's bytes, in the code page of its console, at the very end of
    /// the log; a character whose bytes are not all there yet waits for the rest.
    virtual void appendOutput(const std::string& bytes) = 0;
    /// Shows what appendOutput still holds back, as far as it goes.
    virtual void endOutput() = 0;

    /// Asks a modal browse dialog; the chosen host path, or empty when the user cancelled.
    virtual std::string browse(const BrowseRequest& request) = 0;
    /// Shows the failure box, modal for the whole wizard, and returns once it is closed.
    virtual void showFailureBox() = 0;
    /// Closes the wizard, which ends the program.
    virtual void closeWizard() = 0;

    /// Starts items[0] found by the system's program search, with the other items as its
    /// arguments, each whole; its reports carry run. Null when it cannot be started.
    virtual std::unique_ptr<ConverterChild> startChild(const std::vector<std::string>& items,
                                                       int run) = 0;
};

} // namespace wizard
