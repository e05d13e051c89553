#include "TessellonWindow.h"

#include <commctrl.h>
#include <utility>

#include "BrowseDialogs.h"
#include "BrowseTable.h"
#include "ConverterChild.h"
#include "WizardTexts.h"

namespace tessellon {

namespace texts = wizard::texts;

namespace {

constexpr char windowClass[] = "Tessellon";
constexpr UINT keyReleased = WM_APP + 3;

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
    : window(window), host(std::move(host)), controller(*this->host, *this) {}

void TessellonWindow::build() {
    form = std::make_unique<Form>(
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), window);
    // The path fields check their path again at every key, as files come and go.
    for (const wizard::FormControl& control : wizard::formControls) {
        if (wizard::fieldOfEdit(control.id))
            SetWindowSubclass(form->control(control.id), editProcedure, 0,
                              reinterpret_cast<DWORD_PTR>(window));
    }
    controller.start();
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
        if (const auto field = wizard::fieldOfEdit(static_cast<int>(wParam)))
            controller.keyReleased(*field);
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
    case outputArrived: {
        const std::unique_ptr<std::string> chunk(reinterpret_cast<std::string*>(lParam));
        controller.childOutput(static_cast<int>(wParam), *chunk);
        return 0;
    }
    case childEnded: {
        const auto code = static_cast<DWORD>(lParam);
        controller.childEnded(static_cast<int>(wParam), endedNormally(code),
                              static_cast<int>(code));
        return 0;
    }
    case WM_CLOSE:
        controller.cancel();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void TessellonWindow::command(int id, int notification) {
    if (!form)
        return;
    if (const auto field = wizard::fieldOfEdit(id)) {
        if (notification == EN_CHANGE)
            controller.textChanged(*field, textOf(id));
    }
    for (const wizard::BrowseButton& button : wizard::browseButtons) {
        if (button.button == id)
            controller.browse(button.target);
    }
    if (id >= cppCheck && id <= hxxCheck)
        controller.extensionChecked(static_cast<wizard::ExtensionBox>(id - cppCheck),
                                    SendMessageA(form->control(id), BM_GETCHECK, 0, 0) ==
                                        BST_CHECKED);
    switch (id) {
    case cdbCheck:
        controller.databaseChecked(SendMessageA(form->control(id), BM_GETCHECK, 0, 0) ==
                                   BST_CHECKED);
        return;
    case cdbAppendCheck:
        controller.keepEntriesChecked(SendMessageA(form->control(id), BM_GETCHECK, 0, 0) ==
                                      BST_CHECKED);
        return;
    case cdbConfigCombo:
        if (notification == CBN_SELCHANGE || notification == CBN_EDITCHANGE)
            controller.configurationChanged(comboTextOf(id, notification));
        return;
    case NextButton:
        controller.next();
        return;
    case BackButton:
        controller.back();
        return;
    case FinishButton:
        controller.finish();
        return;
    case CancelButton:
    case IDCANCEL: // the Escape key
        controller.cancel();
        return;
    case IDOK: // the Enter key: the button that is the default on this page
        if (controller.buttons().next())
            controller.next();
        else if (controller.buttons().finish())
            controller.finish();
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

std::string TessellonWindow::comboTextOf(int id, int notification) const {
    HWND combo = form->control(id);
    const LRESULT picked = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    // When a choice is picked the field does not show it yet.
    if (notification != CBN_SELCHANGE || picked == CB_ERR)
        return textOf(id);
    std::string text(static_cast<std::size_t>(
                         SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(picked), 0)) +
                         1,
                     '\0');
    text.resize(static_cast<std::size_t>(SendMessageA(
        combo, CB_GETLBTEXT, static_cast<WPARAM>(picked), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
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

void TessellonWindow::showText(wizard::Field field, const std::string& text) {
    SetWindowTextA(form->control(wizard::editOf(field)), text.c_str());
}

void TessellonWindow::markPath(wizard::Field field, wizard::PathMark pathMark) {
    mark(wizard::editOf(field), pathMark == wizard::PathMark::Exists);
}

void TessellonWindow::enableControl(int id, bool enabled) {
    EnableWindow(form->control(id), enabled);
}

void TessellonWindow::showButtons(const wizard::ButtonStates& states) {
    const bool last = states.page == pageCount - 1;
    EnableWindow(form->control(BackButton), states.back());
    EnableWindow(form->control(NextButton), states.next());
    ShowWindow(form->control(NextButton), last ? SW_HIDE : SW_SHOWNA);
    EnableWindow(form->control(FinishButton), states.finish());
    ShowWindow(form->control(FinishButton), last ? SW_SHOWNA : SW_HIDE);
    if (states.close)
        SetWindowTextA(form->control(CancelButton), texts::close);
    if (states.page == current)
        return;
    ShowWindow(form->page(current), SW_HIDE);
    current = states.page;
    ShowWindow(form->page(current), SW_SHOW);
    // Focus left on a control now hidden or disabled would take the keys nowhere.
    HWND focus = GetFocus();
    if (!focus || !IsWindowVisible(focus) || !IsWindowEnabled(focus))
        SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
}

std::string TessellonWindow::browse(const wizard::BrowseRequest& request) {
    if (request.kind == wizard::BrowseRequest::Kind::ExistingFolder)
        return browseForFolder(window, request.caption.c_str(), request.startPath);
    return browseForFile(window, request.caption.c_str(), request.filter.c_str(), request.startPath,
                         request.kind == wizard::BrowseRequest::Kind::FileToWrite);
}

} // namespace tessellon
