#include "Form.h"

#include <commctrl.h>
#include <iterator>
#include <string>

#include "Bands.h"
#include "FormControls.h"

namespace tessellon {

namespace {

constexpr char pageClass[] = "TessellonPage";

// The client area holds a page of 532 x 410 pixels with a margin of 11, a rule and the
// wizard's buttons below it.
constexpr int margin = 11;
using wizard::pageHeight;
using wizard::pageWidth;
constexpr int clientWidth = pageWidth + 2 * margin;
constexpr int clientHeight = 485;
constexpr int ruleY = 440;
constexpr int buttonY = 452;
constexpr int buttonWidth = 80;
constexpr int buttonHeight = 23;

LRESULT CALLBACK pageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageA(GetParent(page), message, wParam, lParam);
    default:
        return DefWindowProcA(page, message, wParam, lParam);
    }
}

HFONT dialogFont(int points, HWND window) {
    HDC screen = GetDC(window);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(window, screen);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       "MS Shell Dlg 2");
}

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
constexpr DWORD label = child | SS_LEFT | SS_NOPREFIX;
constexpr DWORD edit = child | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD pushButton = child | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD logStyle =
    child | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

/// The window class and style of a control of a kind.
struct Look {
    const char* windowClass;
    DWORD style;
};

/// The look of each kind, in the order of wizard::ControlKind.
constexpr Look looks[] = {
    {"STATIC", child | SS_OWNERDRAW | SS_NOTIFY}, // the header band
    {"STATIC", child | SS_OWNERDRAW},             // the footer band
    {"STATIC", child | SS_ETCHEDVERT},            // a vertical line
    {"STATIC", child | SS_ETCHEDFRAME},           // a panel
    {"BUTTON", child | BS_GROUPBOX},              // a group box
    {"STATIC", label},                            // a label
    {"STATIC", label},                            // the heading
    {"STATIC", label},                            // a wrapped label
    {"EDIT", edit},
    {"BUTTON", pushButton}, // a browse button
    {"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX},
    {"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL},
    {"EDIT", logStyle},
};
static_assert(std::size(looks) == static_cast<std::size_t>(wizard::ControlKind::Log) + 1,
              "a look for every kind");

/// The height of a combo box's drop-down list below its field.
constexpr int listHeight = 100;

} // namespace

bool registerPageClass(HINSTANCE instance) {
    WNDCLASSEXA page{};
    page.cbSize = sizeof page;
    page.lpfnWndProc = pageProcedure;
    page.hInstance = instance;
    page.hCursor = LoadCursor(nullptr, IDC_ARROW);
    page.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    page.lpszClassName = pageClass;
    return RegisterClassExA(&page) != 0;
}

Form::Form(HINSTANCE instance, HWND window)
    : instance(instance), window(window), font(dialogFont(wizard::dialogPointSize, window)),
      welcomeFont(dialogFont(wizard::headingPointSize, window)),
      white(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), header(headerBand()),
      footer(footerBand()) {
    tooltips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                               nullptr, instance, nullptr);
    SendMessageA(tooltips, TTM_SETMAXTIPWIDTH, 0, 400);
    for (int number = 0; number < pageCount; ++number) {
        pages[static_cast<std::size_t>(number)] = CreateWindowExA(
            WS_EX_CONTROLPARENT, pageClass, nullptr, WS_CHILD | (number == 0 ? WS_VISIBLE : 0),
            margin, margin, pageWidth, pageHeight, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(Page0 + number)), instance, nullptr);
        controls[Page0 + number] = page(number);
    }
    for (const wizard::FormControl& control : wizard::formControls)
        create(control);
    createButtons();

    RECT frame{0, 0, clientWidth, clientHeight};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form::~Form() {
    DeleteObject(font);
    DeleteObject(welcomeFont);
    DeleteObject(header);
    DeleteObject(footer);
}

HWND Form::control(int id) const {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second;
}

HWND Form::add(HWND parent, int id, const char* windowClass, const char* text, DWORD style, int x,
               int y, int width, int height, HFONT controlFont) {
    const DWORD extended = std::string(windowClass) == "EDIT" ? WS_EX_CLIENTEDGE : 0;
    HWND created =
        CreateWindowExA(extended, windowClass, text, style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), FALSE);
    if (id > 0)
        controls[id] = created;
    return created;
}

void Form::addTip(HWND control, const char* text) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::addWrapped(HWND parent, const char* text, int x, int y, int width, int height) {
    // A label cannot centre wrapped text vertically: it gets the height the text needs,
    // placed in the middle of its box.
    HDC dc = GetDC(parent);
    HGDIOBJ old = SelectObject(dc, font);
    RECT needed{0, 0, width, 0};
    DrawTextA(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(parent, dc);
    const int used = needed.bottom < height ? static_cast<int>(needed.bottom) : height;
    add(parent, -1, "STATIC", text, label, x, y + (height - used) / 2, width, used, font);
}

void Form::drawBand(const DRAWITEMSTRUCT& item) const {
    const bool isHeader = item.CtlID >= HeaderBand && item.CtlID < HeaderBand + pageCount;
    HBITMAP image = isHeader ? header : footer;
    BITMAP size{};
    GetObjectA(image, sizeof size, &size);
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(memory, image);
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    // Scaled to the label, as the label scales its contents.
    StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
               item.rcItem.bottom - item.rcItem.top, memory, 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

// Group boxes are siblings of what they frame, so that the controls report to the page;
// each control sits at its place inside its box.
void Form::create(const wizard::FormControl& control) {
    using Kind = wizard::ControlKind;
    HWND p = page(control.page);
    const wizard::FormControl* box = wizard::boxOf(control);
    int x = control.x + (box ? box->x : 0), width = control.width;
    const int y = control.y + (box ? box->y : 0), height = control.height;
    int id = control.id ? control.id : -1;
    const char* text = control.text ? control.text : "";
    if (control.kind == Kind::WrappedLabel)
        return addWrapped(p, text, x, y, width, height);
    if (control.kind == Kind::Log) {
        // The log holds the converter's output in any script: a window of wide characters.
        HWND log =
            CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", logStyle, x, y, width, height, p,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(log, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls[id] = log;
        return;
    }
    if (control.kind == Kind::HeaderBand || control.kind == Kind::FooterBand)
        id = (control.kind == Kind::HeaderBand ? HeaderBand : FooterBand) + control.page;
    if (control.kind == Kind::VerticalLine) {
        // A sunken line drawn in the middle of its place.
        x += width / 2 - 1;
        width = 2;
    }
    const Look& look = looks[static_cast<std::size_t>(control.kind)];
    const bool combo = control.kind == Kind::ComboBox;
    HWND made = add(p, id, look.windowClass, combo ? "" : text, look.style, x, y, width,
                    combo ? height + listHeight : height,
                    control.kind == Kind::Heading ? welcomeFont : font);
    if (combo) {
        for (const std::string& choice : wizard::choicesOf(control))
            SendMessageA(made, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
        SendMessageA(made, CB_SETCURSEL, 0, 0);
        // The field itself as high as the place says: its border takes 6 pixels.
        SendMessageA(made, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - 6);
    }
    if (control.tip) {
        addTip(made, control.tip);
        // The mouse over a combo box's field is over the edit control inside it.
        if (HWND field = combo ? FindWindowExA(made, nullptr, "EDIT", nullptr) : nullptr)
            addTip(field, control.tip);
    }
}

void Form::createButtons() {
    add(window, -1, "STATIC", "", child | SS_ETCHEDHORZ, margin, ruleY, pageWidth, 2, font);
    const int right = margin + pageWidth;
    EnableWindow(add(window, HelpButton, "BUTTON", "&Help", pushButton, margin, buttonY,
                     buttonWidth, buttonHeight, font),
                 FALSE);
    add(window, BackButton, "BUTTON", "< &Back", pushButton, right - 3 * buttonWidth - 12, buttonY,
        buttonWidth, buttonHeight, font);
    add(window, NextButton, "BUTTON", "&Next >", pushButton | BS_DEFPUSHBUTTON,
        right - 2 * buttonWidth - 6, buttonY, buttonWidth, buttonHeight, font);
    add(window, FinishButton, "BUTTON", "&Finish", pushButton & ~WS_VISIBLE,
        right - 2 * buttonWidth - 6, buttonY, buttonWidth, buttonHeight, font);
    add(window, CancelButton, "BUTTON", "Cancel", pushButton, right - buttonWidth, buttonY,
        buttonWidth, buttonHeight, font);
}

} // namespace tessellon
