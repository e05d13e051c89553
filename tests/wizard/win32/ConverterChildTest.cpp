// The window's child: the converter's command line built from the items, the program found on
// the search path by CreateProcess, a real C runtime reading its arguments back, the output
// and the end posted to a window.
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

#include "ConverterChild.h"
#include "NastyArguments.h"
#include "WindowsCommandLine.h"
#include "WizardDriver.h"

namespace {

/// Sets an environment variable of this process for a scope, which the child inherits.
class Scoped {
public:
    Scoped(const char* variable, const std::string& value) : variable(variable) {
        char old[32768];
        const DWORD length = GetEnvironmentVariableA(variable, old, sizeof old);
        if (length > 0 && length < sizeof old)
            previous = std::string(old, length);
        SetEnvironmentVariableA(variable, value.c_str());
    }
    ~Scoped() { SetEnvironmentVariableA(variable, previous ? previous->c_str() : nullptr); }

private:
    const char* variable;
    std::optional<std::string> previous;
};

constexpr UINT outputMessage = WM_APP + 1;
constexpr UINT endMessage = WM_APP + 2;

} // namespace

TEST(ConverterChild, EveryItemReachesTheConverterWholeAndItsOutputAndEndArePosted) {
    ScratchFolder folder;
    char previousFolder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    Scoped path("PATH", windowsPathOf(STANDIN_FOLDER) + ";C:\\windows\\system32;C:\\windows");
    Scoped output("STANDIN_OUTPUT", "6f6b0a"); // "ok\n"
    Scoped status("STANDIN_STATUS", "3");
    // The child runs in the current folder, where the stand-in writes what it received.
    ASSERT_TRUE(SetCurrentDirectoryA(folder.path().c_str()));
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    std::vector<std::string> items{"Quorvel"};
    items.insert(items.end(), nastyItems.begin(), nastyItems.end());
    auto child = tessellon::ConverterChild::start(wizard::windowsCommandLine(items),
                                                  {window, outputMessage, endMessage, 7});
    ASSERT_NE(child, nullptr);

    std::string received;
    LPARAM end = -1;
    ASSERT_TRUE(eventually([&] {
        MSG message;
        while (PeekMessageA(&message, window, WM_APP, endMessage, PM_REMOVE)) {
            EXPECT_EQ(message.wParam, 7u);
            if (message.message == outputMessage) {
                const std::unique_ptr<std::string> chunk(
                    reinterpret_cast<std::string*>(message.lParam));
                received += *chunk;
            } else if (message.message == endMessage) {
                end = message.lParam;
            }
        }
        return end != -1;
    }));
    child.reset();
    DestroyWindow(window);
    SetCurrentDirectoryA(previousFolder);

    EXPECT_EQ(received, "ok\n");
    EXPECT_EQ(end, 3);
    std::string expected;
    for (const std::string& item : nastyItems)
        expected += item + '\0';
    EXPECT_EQ(fileBytes(folder / "standin-arguments.txt"), expected);
}
