#include "TessellonWindow.h"

#include <commctrl.h>
#include <utility>

#include "BrowseDialogs.h"
#include "ConversionChoices.h"
#include "PageRules.h"
#include "SettingsFile.h"
#include "StringHelpers.h"
#include "WizardTexts.h"

namespace tessellon {

namespace texts = wizard::texts;

namespace {

constexpr char windowClass[] = "Tessellon";
constexpr UINT keyReleased = WM_APP + 3;

constexpr int pageOneFields[] = {CVIWorkspaceEdit, CVIInstallEdit, CorvaneProjectEdit,
                                 CorvaneNameEdit};
constexpr int personalityFields[] = {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit};

/// A browse button, the field its choice goes to, and its dialog: a file dialog with the
/// filter, or the folder picker when there is none.
struct BrowseButton {
    int button;
    int target;
    const char* caption;
    const char* filter;
};

constexpr BrowseButton browseButtons[] = {
    {CVIWorkspaceBrowseBtn, CVIWorkspaceEdit, texts::browseWorkspace, texts::workspaceFilter},
    {CVIInstallBrowseBtn, CVIInstallEdit, texts::browseInstall, nullptr},
    {CorvaneProjectBrowseBtn, CorvaneProjectEdit, texts::browseDestination, nullptr},
    {MsgBrowseBtn, MsgPersonEdit, texts::browseMessage, texts::messageFilter},
    {AnalBrowseBtn, AnalPersonEdit, texts::browseAnalyser, texts::analyserFilter},
    {CmpBrowseBtn, CmpPersonEdit, texts::browseCompiler, texts::compilerFilter},
};

/// Tells the wizard of every key released in a line edit, which runs the page's rule again.
LRESULT CALLBACK editProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR wizardWindow) {
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (message == WM_KEYUP)
        SendMessageA(reinterpret_cast<HWND>(wizardWindow), keyReleased,
                     static_cast<WPARAM>(GetDlgCtrlID(edit)), 0);
    return result;
}

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA wizardClass{};
    wizardClass.cbSize = sizeof wizardClass;
    wizardClass.lpfnWndProc = procedure;
    wizardClass.hInstance = instance;
    wizardClass.hIcon = LoadIconA(instance, "IDI_ICON1");
    wizardClass.hIconSm = static_cast<HICON>(LoadImageA(instance, "IDI_ICON1", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    wizardClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wizardClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wizardClass.lpszClassName = windowClass;
    return RegisterClassExA(&wizardClass) != 0 && registerPageClass(instance);
}

} // namespace

HWND TessellonWindow::create(HINSTANCE instance, std::unique_ptr<platform::Host> host, int show) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);
    if (!registerWindowClass(instance, procedure))
        return nullptr;
    HWND window =
        CreateWindowExA(WS_EX_CONTROLPARENT, windowClass, texts::caption,
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, 554, 485, nullptr, nullptr, instance, host.get());
    if (!window)
        return nullptr;
    host.release(); // the window owns it now
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

int TessellonWindow::run(HWND window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

TessellonWindow::TessellonWindow(HWND window, std::unique_ptr<platform::Host> host)
    : window(window), host(std::move(host)) {}

void TessellonWindow::build() {
    form = std::make_unique<Form>(
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), window);
    for (int id : pageOneFields)
        SetWindowSubclass(form->control(id), editProcedure, 0, reinterpret_cast<DWORD_PTR>(window));
    for (int id : personalityFields)
        SetWindowSubclass(form->control(id), editProcedure, 0, reinterpret_cast<DWORD_PTR>(window));
    updateButtons();
    loadSettings();
}

LRESULT CALLBACK TessellonWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        std::unique_ptr<platform::Host> host(
            static_cast<platform::Host*>(creation->lpCreateParams));
        std::unique_ptr<TessellonWindow> wizard(new TessellonWindow(window, std::move(host)));
        // The window holds its state until WM_NCDESTROY, its last message.
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(wizard.release()));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    auto* wizard = reinterpret_cast<TessellonWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        const std::unique_ptr<TessellonWindow> ending(wizard);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (ending)
            ending->removeMarks();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return wizard ? wizard->handle(message, wParam, lParam)
                  : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TessellonWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        build();
        return 0;
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case keyReleased:
        command(static_cast<int>(wParam), EN_CHANGE);
        return 0;
    case WM_DRAWITEM:
        form->drawBand(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT: {
        const auto found = missing.find(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        const bool red = found != missing.end() && found->second;
        SetTextColor(reinterpret_cast<HDC>(wParam), red ? RGB(255, 0, 0) : RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(form->background());
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(form->background());
    case WM_APP + 1:
        readFromStdout(wParam, lParam);
        return 0;
    case WM_APP + 2:
        processExit(wParam, lParam);
        return 0;
    case WM_CLOSE:
        reject();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void TessellonWindow::command(int id, int notification) {
    switch (id) {
    case CVIWorkspaceEdit:
    case CVIInstallEdit:
    case CorvaneProjectEdit:
    case CorvaneNameEdit:
        if (notification == EN_CHANGE)
            Page0LineEdit_textchanged();
        return;
    case MsgPersonEdit:
    case AnalPersonEdit:
    case CmpPersonEdit:
        if (notification == EN_CHANGE)
            Page1LineEdit_textchanged();
        return;
    case CVIWorkspaceBrowseBtn:
    case CVIInstallBrowseBtn:
    case CorvaneProjectBrowseBtn:
    case MsgBrowseBtn:
    case AnalBrowseBtn:
    case CmpBrowseBtn:
        browse(id);
        return;
    case NextButton:
        next();
        return;
    case BackButton:
        back();
        return;
    case FinishButton:
        accept();
        return;
    case CancelButton:
    case IDCANCEL: // the Escape key
        reject();
        return;
    case IDOK: // the Enter key: the button that is the default on this page
        if (current < pageCount - 1 ? nextEnabled[static_cast<std::size_t>(current)]
                                    : finishEnabled)
            command(current < pageCount - 1 ? NextButton : FinishButton, BN_CLICKED);
        return;
    default:
        return;
    }
}

std::string TessellonWindow::textOf(int id) const {
    HWND control = form->control(id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

wizard::WizardFields TessellonWindow::fields() const {
    wizard::WizardFields values;
    values.workspace = textOf(CVIWorkspaceEdit);
    values.installFolder = textOf(CVIInstallEdit);
    values.destination = textOf(CorvaneProjectEdit);
    values.projectName = textOf(CorvaneNameEdit);
    values.messagePersonality = textOf(MsgPersonEdit);
    values.analyserPersonality = textOf(AnalPersonEdit);
    values.compilerPersonality = textOf(CmpPersonEdit);
    for (std::size_t box = 0; box < values.extensions.size(); ++box)
        values.extensions[box] = SendMessageA(form->control(cppCheck + static_cast<int>(box)),
                                              BM_GETCHECK, 0, 0) == BST_CHECKED;
    values.customExtensions = textOf(CustExtEdit);
    values.compilationDatabase =
        SendMessageA(form->control(cdbCheck), BM_GETCHECK, 0, 0) == BST_CHECKED;
    return values;
}

void TessellonWindow::mark(int id, bool exists) {
    if (missing[id] == !exists)
        return;
    missing[id] = !exists;
    if (exists)
        RemovePropA(form->control(id), missingPathProperty);
    else
        SetPropA(form->control(id), missingPathProperty, reinterpret_cast<HANDLE>(1));
    InvalidateRect(form->control(id), nullptr, TRUE);
}

void TessellonWindow::removeMarks() {
    for (const auto& [id, red] : missing)
        RemovePropA(form->control(id), missingPathProperty);
}

void TessellonWindow::Page0LineEdit_textchanged() {
    const wizard::PathsPage page = wizard::pathsPage(*host, fields());
    mark(CVIWorkspaceEdit, page.workspace == wizard::PathMark::Exists);
    mark(CVIInstallEdit, page.installFolder == wizard::PathMark::Exists);
    mark(CorvaneProjectEdit, page.destination == wizard::PathMark::Exists);
    nextEnabled[0] = page.nextEnabled;
    updateButtons();
}

void TessellonWindow::Page1LineEdit_textchanged() {
    const wizard::PersonalitiesPage page = wizard::personalitiesPage(*host, fields());
    const std::pair<int, wizard::PathMark> marks[] = {{MsgPersonEdit, page.message},
                                                      {AnalPersonEdit, page.analyser},
                                                      {CmpPersonEdit, page.compiler}};
    for (const auto& [id, pathMark] : marks) {
        if (pathMark != wizard::PathMark::Unchanged)
            mark(id, pathMark == wizard::PathMark::Exists);
    }
    nextEnabled[1] = page.nextEnabled;
    updateButtons();
}

void TessellonWindow::updateButtons() {
    const bool last = current == pageCount - 1;
    EnableWindow(form->control(BackButton), current > 0);
    EnableWindow(form->control(NextButton),
                 !last && nextEnabled[static_cast<std::size_t>(current)]);
    ShowWindow(form->control(NextButton), last ? SW_HIDE : SW_SHOWNA);
    EnableWindow(form->control(FinishButton), last && finishEnabled);
    ShowWindow(form->control(FinishButton), last ? SW_SHOWNA : SW_HIDE);
}

void TessellonWindow::showPage(int number) {
    ShowWindow(form->page(current), SW_HIDE);
    current = number;
    ShowWindow(form->page(current), SW_SHOW);
    updateButtons();
    // Focus left on a control now hidden or disabled would take the keys nowhere.
    HWND focus = GetFocus();
    if (!focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus))
        SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
}

void TessellonWindow::next() {
    if (current >= pageCount - 1 || !nextEnabled[static_cast<std::size_t>(current)])
        return;
    if (current == 2)
        leaveExtensionsPage();
    showPage(current + 1);
}

void TessellonWindow::back() {
    if (current > 0)
        showPage(current - 1);
}

void TessellonWindow::leaveExtensionsPage() {
    const wizard::WizardFields values = fields();
    extensionValue = wizard::extensionValueOf(values);
    setLog(wideOfAnsi(wizard::summaryOf(values, extensionValue)));
    finishEnabled = true;
}

void TessellonWindow::browse(int button) {
    for (const BrowseButton& browsed : browseButtons) {
        if (browsed.button != button)
            continue;
        const std::string chosen =
            browsed.filter ? browseForFile(window, browsed.caption, browsed.filter, lastBrowsePath)
                           : browseForFolder(window, browsed.caption, lastBrowsePath);
        const std::string path = toNativeSeparators(chosen);
        if (path.empty())
            return;
        lastBrowsePath = path;
        SetWindowTextA(form->control(browsed.target), path.c_str());
        return;
    }
}

void TessellonWindow::loadSettings() {
    const std::optional<wizard::RememberedFields> remembered = wizard::readSettingsFile(*host);
    if (!remembered)
        return;
    const std::pair<const std::optional<std::string>&, int> loaded[] = {
        {remembered->installFolder, CVIInstallEdit},
        {remembered->messagePersonality, MsgPersonEdit},
        {remembered->analyserPersonality, AnalPersonEdit},
        {remembered->compilerPersonality, CmpPersonEdit}};
    for (const auto& [value, id] : loaded) {
        if (value)
            SetWindowTextA(form->control(id), value->c_str());
    }
    // A loaded value equal to the field's text changes nothing and so would not run the rule.
    if (remembered->installFolder)
        Page0LineEdit_textchanged();
    if (remembered->messagePersonality || remembered->analyserPersonality ||
        remembered->compilerPersonality)
        Page1LineEdit_textchanged();
}

} // namespace tessellon
