#include <utility>

#include "ConversionChoices.h"
#include "RunOutcome.h"
#include "SettingsFile.h"
#include "TessellonWindow.h"
#include "WindowsCommandLine.h"
#include "WizardTexts.h"

namespace tessellon {

namespace texts = wizard::texts;

namespace {

constexpr UINT outputArrived = WM_APP + 1;
constexpr UINT childEnded = WM_APP + 2;

/// text with its line breaks as the edit control shows them: CR LF for each LF, whether a
/// CR came before it or not.
std::wstring withEditLineBreaks(const std::wstring& text) {
    std::wstring shown;
    shown.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
            continue;
        if (text[i] == L'\n')
            shown += L'\r';
        shown += text[i];
    }
    return shown;
}

} // namespace

void TessellonWindow::accept() {
    stopRunningConverter();
    const wizard::WizardFields values = fields();
    std::vector<std::string> items{wizard::converterProgram};
    for (std::string& argument : wizard::converterArguments(values, extensionValue))
        items.push_back(std::move(argument));
    setLog(wideOfAnsi(texts::initialising));
    decoder = LogDecoder(CP_ACP);
    ++runTag;
    converterProcess = ConverterChild::start(wizard::windowsCommandLine(items),
                                             {window, outputArrived, childEnded, runTag});
    if (!converterProcess)
        appendToLog(wideOfAnsi(texts::couldNotExecute));
}

void TessellonWindow::readFromStdout(WPARAM tag, LPARAM chunk) {
    const std::unique_ptr<std::string> output(reinterpret_cast<std::string*>(chunk));
    // Output of a run that was stopped never reaches the log.
    if (tag != runTag || !converterProcess)
        return;
    const std::wstring text = decoder.decode(*output);
    if (!text.empty())
        appendToLog(text);
}

void TessellonWindow::processExit(WPARAM tag, LPARAM exitCode) {
    if (tag != runTag || !converterProcess)
        return;
    const std::wstring rest = decoder.finish();
    if (!rest.empty())
        appendToLog(rest);
    converterProcess.reset();
    const auto code = static_cast<DWORD>(exitCode);
    const wizard::RunOutcome outcome =
        wizard::outcomeOf(endedNormally(code), static_cast<int>(code));
    if (outcome.showFailureBox) {
        // Without a parent, and modal for the whole wizard, which waits until it is closed.
        MessageBoxA(nullptr, texts::failure, texts::failureCaption,
                    MB_OK | MB_ICONINFORMATION | MB_TASKMODAL | MB_SETFOREGROUND);
    } else if (outcome.succeeded) {
        appendToLog(wideOfAnsi(texts::converted));
        finishEnabled = false;
        updateButtons();
        SetWindowTextA(form->control(CancelButton), texts::close);
    }
    saveSettings();
}

void TessellonWindow::reject() {
    stopRunningConverter();
    DestroyWindow(window);
}

void TessellonWindow::stopRunningConverter() {
    if (!converterProcess)
        return;
    // Killed and waited for; what it still reports carries an old tag and is dropped.
    converterProcess.reset();
    saveSettings();
}

void TessellonWindow::saveSettings() {
    wizard::writeSettingsFile(*host, fields());
}

void TessellonWindow::setLog(const std::wstring& text) {
    SetWindowTextW(form->control(DetailsText), withEditLineBreaks(text).c_str());
}

void TessellonWindow::appendToLog(const std::wstring& text) {
    HWND log = form->control(DetailsText);
    const int end = GetWindowTextLengthW(log);
    // At the end, the caret keeps the newest output in sight.
    SendMessageW(log, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    const std::wstring paragraph = L"\r\n" + withEditLineBreaks(text);
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(paragraph.c_str()));
}

} // namespace tessellon
