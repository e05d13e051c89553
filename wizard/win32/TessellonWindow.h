#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <windows.h>

#include "ConverterChild.h"
#include "Form.h"
#include "Host.h"
#include "LogDecoder.h"
#include "WizardFields.h"

namespace tessellon {

/// The wizard's window and its behaviour: checks the typed paths, remembers fields in
/// settings.txt, builds the "-ext" value and the summary, runs Quorvel and shows its log.
/// The rules are the wizard core's; this class binds them to the window's controls.
class TessellonWindow {
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

    // The pages.
    wizard::WizardFields fields() const;
    std::string textOf(int id) const;
    /// Colours the three paths of the first page and enables its Next button.
    void Page0LineEdit_textchanged();
    /// Colours the personality paths and enables the page's Next button.
    void Page1LineEdit_textchanged();
    /// Shows the path field red or black; see missingPathProperty.
    void mark(int id, bool exists);
    void removeMarks();
    void showPage(int number);
    void updateButtons();
    void next();
    void back();
    void leaveExtensionsPage();
    /// The dialog of a browse button; the choice goes into the button's field.
    void browse(int button);
    void loadSettings();
    void saveSettings();

    // A run of the converter.
    void accept();
    void reject();
    /// Appends a chunk of the converter's output to the log (chunk: a std::string* to take over).
    void readFromStdout(WPARAM tag, LPARAM chunk);
    /// Reports how the converter ended and saves the settings.
    void processExit(WPARAM tag, LPARAM exitCode);
    /// Kills a child still running from an earlier run, so that nothing of it reaches the
    /// log or counts as an outcome; saves the settings when there was one.
    void stopRunningConverter();
    void setLog(const std::wstring& text);
    /// Appends text to the log as a paragraph of its own.
    void appendToLog(const std::wstring& text);

    HWND window;
    std::unique_ptr<Form> form;
    std::unique_ptr<platform::Host> host;
    int current = 0;
    std::array<bool, pageCount> nextEnabled{false, true, true, false};
    bool finishEnabled = false;
    /// The path fields shown red: nothing exists under their path.
    std::map<int, bool> missing;
    std::string extensionValue;
    std::string lastBrowsePath = "\\";
    std::unique_ptr<ConverterChild> converterProcess;
    /// Tells the reports of the latest run from those of earlier ones.
    WPARAM runTag = 0;
    LogDecoder decoder{CP_ACP};
};

} // namespace tessellon
