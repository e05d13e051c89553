#include "BrowseTable.h"

#include <gtest/gtest.h>
#include <utility>

#include "WizardTexts.h"

namespace texts = wizard::texts;

class FilterPatterns : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(FilterPatterns, AreThoseInTheLastParenthesesJoinedBySemicolons) {
    EXPECT_EQ(wizard::filterPatterns(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    BrowseTable, FilterPatterns,
    testing::Values(std::pair<std::string, std::string>{texts::workspaceFilter, "*cws;*prj"},
                    std::pair<std::string, std::string>{texts::analyserFilter, "*.p_a"},
                    std::pair<std::string, std::string>{"All (a) files (*.x *.y)", "*.x;*.y"},
                    std::pair<std::string, std::string>{"Everything", "*"},
                    std::pair<std::string, std::string>{"Odd ) (", "*"}));
