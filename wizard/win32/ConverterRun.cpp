#include <utility>

#include "ConverterChild.h"
#include "OutputLineEnds.h"
#include "TessellonWindow.h"
#include "WindowsCommandLine.h"
#include "WizardTexts.h"

namespace tessellon {

namespace texts = wizard::texts;

std::unique_ptr<wizard::ConverterChild>
TessellonWindow::startChild(const std::vector<std::string>& items, int run) {
    return ConverterChild::start(wizard::windowsCommandLine(items),
                                 {window, outputArrived, childEnded, static_cast<WPARAM>(run)});
}

void TessellonWindow::showFailureBox() {
    // Without a parent, and modal for the whole wizard, which waits until it is closed.
    MessageBoxA(nullptr, texts::failure, texts::failureCaption,
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL | MB_SETFOREGROUND);
}

void TessellonWindow::closeWizard() {
    DestroyWindow(window);
}

void TessellonWindow::setLog(const std::string& text) {
    SetWindowTextW(form->control(DetailsText), wizard::withCrLf(wideOfAnsi(text)).c_str());
    decoder = LogDecoder(CP_ACP);
}

void TessellonWindow::appendToLog(const std::string& text) {
    appendText(wideOfAnsi(text));
}

void TessellonWindow::appendOutput(const std::string& bytes) {
    appendText(decoder.decode(bytes));
}

void TessellonWindow::endOutput() {
    appendText(decoder.finish());
}

void TessellonWindow::appendText(const std::wstring& text) {
    if (text.empty())
        return;
    HWND log = form->control(DetailsText);
    const int end = GetWindowTextLengthW(log);
    // At the end, the caret keeps the newest output in sight.
    SendMessageW(log, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    const std::wstring shown = wizard::withCrLf(text);
    SendMessageW(log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(shown.c_str()));
}

} // namespace tessellon
