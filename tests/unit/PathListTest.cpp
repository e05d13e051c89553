#include <gtest/gtest.h>

#include <string>

#include "PathList.h"

namespace {

const std::wstring folder = L"C:\\Program Files\\Quorvel";

// A user PATH longer than any fixed buffer of the installer's strings.
std::wstring longPath() {
    std::wstring path = L"%USERPROFILE%\\bin";
    for (int i = 0; path.size() < 3000; ++i)
        path += L";D:\\tools\\folder number " + std::to_wstring(i);
    return path;
}

struct Edit {
    const char* name;
    std::wstring before;
    std::wstring after;
};

class PathListAdd : public testing::TestWithParam<Edit> {};

TEST_P(PathListAdd, AddsOnceAndRemovingGivesTheValueBack) {
    const Edit& edit = GetParam();
    EXPECT_EQ(installer::withFolder(edit.before, folder), edit.after);
    EXPECT_EQ(installer::withFolder(edit.after, folder), edit.after);
    EXPECT_EQ(installer::withoutFolder(edit.after, folder), edit.before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PathListAdd,
    testing::Values(Edit{"Empty", L"", folder},
                    Edit{"Unexpanded", L"C:\\a;%SystemRoot%\\b",
                         L"C:\\a;%SystemRoot%\\b;" + folder},
                    Edit{"EndingInSeparator", L"C:\\a;;C:\\b;", L"C:\\a;;C:\\b;" + folder + L";"},
                    Edit{"SeparatorAlone", L";", L";" + folder + L";"},
                    Edit{"LongerName", L"C:\\Program Files\\Quorvel Old",
                         L"C:\\Program Files\\Quorvel Old;" + folder},
                    Edit{"ThousandsOfCharacters", longPath(), longPath() + L";" + folder}),
    [](const testing::TestParamInfo<Edit>& info) { return std::string(info.param.name); });

// The folder counts as present however the element writes it; removing takes only that one.
TEST(PathList, AnElementNamingTheFolderInAnotherFormIsTheFolder) {
    for (const std::wstring& element :
         {std::wstring(L"c:\\program files\\QUORVEL"),
          std::wstring(L"C:\\Program Files\\Quorvel\\"), L"\"" + folder + L"\""}) {
        const std::wstring path = L"C:\\a;" + element + L";C:\\b";
        EXPECT_EQ(installer::withFolder(path, folder), path);
        EXPECT_EQ(installer::withoutFolder(path, folder), L"C:\\a;C:\\b");
    }
    EXPECT_EQ(installer::withoutFolder(folder + L";C:\\a;" + folder, folder), folder + L";C:\\a");
    EXPECT_EQ(installer::withoutFolder(L"C:\\a;C:\\Program Files", folder),
              L"C:\\a;C:\\Program Files");
}

TEST(PathList, AFolderHoldingTheSeparatorIsAddedBetweenQuotes) {
    const std::wstring odd = L"D:\\a;b";
    EXPECT_EQ(installer::withFolder(L"C:\\x", odd), L"C:\\x;\"D:\\a;b\"");
    EXPECT_EQ(installer::withoutFolder(L"C:\\x;\"D:\\a;b\"", odd), L"C:\\x");
}

} // namespace
