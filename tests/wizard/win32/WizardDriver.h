#pragma once

#include <functional>
#include <map>
#include <string>
#include <windows.h>

#include "ControlIds.h"

/// A Windows path of a host path as Wine shows it through drive Z: ("/a/b" is "Z:\a\b");
/// a Windows path unchanged.
std::string windowsPathOf(const std::string& path);

/// A fresh empty folder under the system's temporary folder; removed with its content when
/// the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::string& path() const { return folder; }
    /// The path of name inside the folder.
    std::string operator/(const std::string& name) const { return folder + "\\" + name; }

private:
    std::string folder;
};

/// The bytes of a file; nothing when it cannot be read.
std::string fileBytes(const std::string& path);

/// Polls until condition holds, for at most a minute; whether it did.
bool eventually(const std::function<bool()>& condition);

/// Tessellon.exe started as a user would, in a folder of its own, and driven through the
/// messages its controls take: typing, clicking, reading texts and states.
class WizardDriver {
public:
    /// Starts the program in folder with the environment variables given added (PATH among
    /// them replaces the system's). The program is TESSELLON_EXE when that is set.
    WizardDriver(const std::string& folder, const std::map<std::string, std::string>& environment);
    /// Ends the program if it still runs.
    ~WizardDriver();

    /// True once the wizard's window is there.
    bool found() const { return window != nullptr; }

    HWND control(int id) const;
    /// The control's text as the system's code page gives it.
    std::string text(int id) const;
    /// The control's text as wide characters (the log shows text in any script).
    std::wstring wideText(int id) const;
    bool enabled(int id) const;
    bool visible(int id) const;
    /// True while the path field is shown red.
    bool red(int id) const;
    bool checked(int id) const;

    /// Types text into the edit control (or a combo box's field) as keystrokes, after the text
    /// already there.
    void type(int id, const std::string& text);
    /// Selects the whole text of the edit control and deletes it with Backspace.
    void clear(int id);
    /// Deletes the last character of the edit control with Backspace.
    void backspace(int id);
    /// Presses the button.
    void click(int id);
    /// Picks the combo box's choice at index from its list, as a click in the list does.
    void choose(int id, int index);

    /// The dialog with the caption that the program shows; null when there is none.
    HWND dialog(const char* caption) const;
    /// The message box captioned "Tessellon" that the program shows; null when there is none.
    HWND messageBox() const;
    /// The text a message box shows.
    static std::string messageText(HWND box);

    /// True once the program has ended.
    bool ended() const;
    /// Waits until the program ends; whether it did within a minute.
    bool waitForEnd() const;

private:
    /// The edit control that takes the keys of the control with the id.
    HWND edit(int id) const;

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};
