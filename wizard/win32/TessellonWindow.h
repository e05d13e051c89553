#pragma once

#include <map>
#include <memory>
#include <string>
#include <windows.h>

#include "Form.h"
#include "Host.h"
#include "LogDecoder.h"
#include "WizardController.h"
#include "WizardFace.h"

namespace tessellon {

/// The wizard's window: binds the controls of the form to the wizard's controller, which
/// checks the paths, keeps settings.txt, builds the summary, runs Quorvel and reports.
class TessellonWindow : private wizard::WizardFace {
public:
    /// Creates and shows the wizard, testing paths and keeping settings.txt through host;
    /// loads settings.txt from the current folder. Null when the window cannot be made.
    static HWND create(HINSTANCE instance, std::unique_ptr<platform::Host> host, int show);

    /// Runs the message loop of the wizard until it closes; returns the program's status.
    static int run(HWND window);

private:
    TessellonWindow(HWND window, std::unique_ptr<platform::Host> host);
    /// Makes the controls and loads the settings, once the window exists.
    void build();
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id, int notification);
    std::string textOf(int id) const;
    /// The text a combo box's notification brings: a picked choice, or the field as typed.
    std::string comboTextOf(int id, int notification) const;
    /// Shows the path field red or black; see missingPathProperty.
    void mark(int id, bool exists);
    void removeMarks();
    /// Appends text at the end of the log, keeping the newest output in sight.
    void appendText(const std::wstring& text);

    void showText(wizard::Field field, const std::string& text) override;
    void markPath(wizard::Field field, wizard::PathMark mark) override;
    void enableControl(int id, bool enabled) override;
    void showButtons(const wizard::ButtonStates& states) override;
    void setLog(const std::string& text) override;
    void appendToLog(const std::string& text) override;
    void appendOutput(const std::string& bytes) override;
    void endOutput() override;
    std::string browse(const wizard::BrowseRequest& request) override;
    void showFailureBox() override;
    void closeWizard() override;
    std::unique_ptr<wizard::ConverterChild> startChild(const std::vector<std::string>& items,
                                                       int run) override;

    /// The messages of a run, as ConverterChild posts them.
    static constexpr UINT outputArrived = WM_APP + 1;
    static constexpr UINT childEnded = WM_APP + 2;

    HWND window;
    std::unique_ptr<Form> form;
    std::unique_ptr<platform::Host> host;
    wizard::WizardController controller;
    /// The page that shows.
    int current = 0;
    /// The path fields shown red: nothing exists under their path.
    std::map<int, bool> missing;
    LogDecoder decoder{CP_ACP};
};

} // namespace tessellon
