#pragma once

#include <array>
#include <map>
#include <windows.h>

#include "ControlIds.h"
#include "FormControls.h"

namespace tessellon {

/// The controls of the wizard's window: its four pages with their widgets at the fixed
/// positions of the form, the wizard's own buttons, the tooltips, and the fonts and images
/// they use. Every text comes from the wizard's text table.
class Form {
public:
    /// Creates every control inside window, whose client area it sizes; Page0 shows.
    Form(HINSTANCE instance, HWND window);
    ~Form();

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    /// The control with the id; null for an unknown one.
    HWND control(int id) const;

    /// The page window of the page number.
    HWND page(int number) const { return pages[static_cast<std::size_t>(number)]; }

    /// Draws a header or footer band into the owner-drawn label that asks for it.
    void drawBand(const DRAWITEMSTRUCT& item) const;

    /// The brush of the window's white background.
    HBRUSH background() const { return white; }

private:
    HWND add(HWND parent, int id, const char* windowClass, const char* text, DWORD style, int x,
             int y, int width, int height, HFONT controlFont);
    void addTip(HWND control, const char* text);
    /// Makes the control of the form's description at its place on its page.
    void create(const wizard::FormControl& control);
    void createButtons();
    /// A word-wrapped label, centred vertically in the box x, y, width, height.
    void addWrapped(HWND parent, const char* text, int x, int y, int width, int height);

    HINSTANCE instance;
    HWND window;
    std::array<HWND, pageCount> pages{};
    std::map<int, HWND> controls;
    HWND tooltips = nullptr;
    HFONT font = nullptr;
    HFONT welcomeFont = nullptr;
    HBRUSH white = nullptr;
    HBITMAP header = nullptr;
    HBITMAP footer = nullptr;
};

/// Registers the class of the page windows, which hand their controls' notifications to the
/// wizard's window. Returns false when it cannot be registered.
bool registerPageClass(HINSTANCE instance);

} // namespace tessellon
