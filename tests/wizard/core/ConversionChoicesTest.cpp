// What the pages' choices make: the "-ext" value, the summary and the converter's arguments.
#include <gtest/gtest.h>

#include <ostream>

#include "ConversionChoices.h"

namespace {

using wizard::ExtensionBox;
using Strings = std::vector<std::string>;

struct ExtensionCase {
    std::vector<ExtensionBox> checked;
    std::string custom;
    std::string value;
};

void PrintTo(const ExtensionCase& given, std::ostream* out) {
    *out << given.checked.size() << " boxes, custom \"" << given.custom << '"';
}

class ExtensionValue : public testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionValue, CheckedItemsInFixedOrderThenTheCustomTextLessOneComma) {
    wizard::WizardFields fields;
    for (const ExtensionBox box : GetParam().checked)
        fields.extension(box) = true;
    fields.customExtensions = GetParam().custom;
    EXPECT_EQ(wizard::extensionValueOf(fields), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ExtensionValue,
    testing::Values(
        ExtensionCase{{ExtensionBox::Hpp, ExtensionBox::Cpp}, "res,xml", "cpp,hpp,res,xml"},
        ExtensionCase{{ExtensionBox::C}, "", "c"}, ExtensionCase{{}, "", ""},
        ExtensionCase{{}, "res,", "res"}, ExtensionCase{{}, "res,,", "res,"},
        ExtensionCase{{ExtensionBox::Hxx, ExtensionBox::Hh, ExtensionBox::Cc, ExtensionBox::H,
                       ExtensionBox::Cxx},
                      " x ",
                      "cc,cxx,h,hh,hxx, x "}));

wizard::WizardFields exampleFields() {
    wizard::WizardFields fields;
    fields.workspace = "C:\\ws\\app.cws";
    fields.destination = "D:\\out";
    fields.projectName = "app";
    fields.compilerPersonality = "C:\\p\\cc.p_c";
    return fields;
}

TEST(ConverterArguments, OptionsFollowThePathsOnlyForFieldsThatAreNotEmpty) {
    wizard::WizardFields fields = exampleFields();
    EXPECT_EQ(wizard::converterArguments(fields, "cpp,h"),
              (Strings{"C:\\ws\\app.cws", "C:\\Program Files\\National Instruments\\CVI85",
                       "D:\\out", "-pn", "app", "-cp", "C:\\p\\cc.p_c", "-ext", "cpp,h"}));

    // With every optional field empty: the program name and these five items alone.
    fields.compilerPersonality.clear();
    EXPECT_EQ(wizard::converterArguments(fields, ""),
              (Strings{"C:\\ws\\app.cws", "C:\\Program Files\\National Instruments\\CVI85",
                       "D:\\out", "-pn", "app"}));

    // Every text as it stands, blanks and relative paths too, each option in its place.
    fields = {};
    fields.workspace = " ws.cws";
    fields.installFolder = "";
    fields.destination = "C:\\my out\\";
    fields.projectName = " a b ";
    fields.messagePersonality = "m ";
    fields.analyserPersonality = "a";
    fields.compilerPersonality = "c";
    fields.compilationDatabase = true;
    EXPECT_EQ(wizard::converterArguments(fields, "x"),
              (Strings{" ws.cws", "", "C:\\my out\\", "-pn", " a b ", "-mp", "m ", "-ap", "a",
                       "-cp", "c", "-ext", "x", "-cdb", "C:\\my out\\compile_commands.json"}));
}

TEST(Summary, ListsEveryFieldAsItStands) {
    wizard::WizardFields fields = exampleFields();
    const std::string summary = "Lab Windows CVI Workspace/Project:\nC:\\ws\\app.cws\n\n"
                                "CVI Install Directory:\nC:\\Program Files\\National "
                                "Instruments\\CVI85\n\n"
                                "Corvane / Corvane++ Project Directory:\nD:\\out\n\n"
                                "Corvane / Corvane++ Project Name:\napp\n\n"
                                "Message Personality:\n\n\n"
                                "Tamplate Analyser Personality:\n\n\n"
                                "Compiler Personality:\nC:\\p\\cc.p_c\n\n"
                                "File Extensions:\ncpp,h\n";
    EXPECT_EQ(wizard::summaryOf(fields, "cpp,h"), summary);
}

} // namespace
