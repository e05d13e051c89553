// Each item of the converter's command line must reach a real child whole; the C runtime's
// rules read it back in the core's tests.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

#include "NastyArguments.h"
#include "WindowsCommandLine.h"
#include "WizardDriver.h"

TEST(WindowsCommandLine, AChildReceivesEveryItemWhole) {
    ScratchFolder folder;
    std::vector<std::string> items{"Quorvel"};
    items.insert(items.end(), nastyItems.begin(), nastyItems.end());
    std::string line = wizard::windowsCommandLine(items);
    const std::string program = windowsPathOf(STANDIN_FOLDER) + "\\Quorvel.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                               folder.path().c_str(), &startup, &child));
    ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    std::string expected;
    for (const std::string& item : nastyItems)
        expected += item + '\0';
    EXPECT_EQ(fileBytes(folder / "standin-arguments.txt"), expected);
}
