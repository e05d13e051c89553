// settings.txt: which fields its bytes name, and the bytes written for the fields.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "SettingsFile.h"

namespace {

using wizard::RememberedFields;

TEST(SettingsFile, WritesTheInstallFolderAlwaysAndEachPersonalityInUse) {
    wizard::WizardFields fields;
    fields.compilerPersonality = "C:\\pers\\cc.p_c";
    EXPECT_EQ(wizard::formatSettings(fields),
              "CVI Installation Path:\nC:\\Program Files\\National Instruments\\CVI85\n\n"
              "Compiler Personality:\nC:\\pers\\cc.p_c\n\n");

    fields = {};
    fields.installFolder.clear();
    fields.messagePersonality = "m";
    fields.analyserPersonality = " a ";
    fields.compilerPersonality = "c";
    EXPECT_EQ(wizard::formatSettings(fields),
              "CVI Installation Path:\n\n\nMessage Personality:\nm\n\n"
              "Analyser Personality:\n a \n\nCompiler Personality:\nc\n\n");
}

TEST(SettingsFile, EveryKeyNamesTheLineAfterIt) {
    const RememberedFields fields = wizard::parseSettings(
        "CVI Installation Path:\nD:\\cvi\n\nMessage Personality:\nC:\\m.p_s\n\n"
        "Analyser Personality:\nC:\\a.p_a\n\nCompiler Personality:\nC:\\c.p_c\n\n");
    EXPECT_EQ(fields.installFolder, "D:\\cvi");
    EXPECT_EQ(fields.messagePersonality, "C:\\m.p_s");
    EXPECT_EQ(fields.analyserPersonality, "C:\\a.p_a");
    EXPECT_EQ(fields.compilerPersonality, "C:\\c.p_c");

    // A key at the very end names an empty value, which empties its field.
    EXPECT_EQ(wizard::parseSettings("CVI Installation Path:\n\n").installFolder, "");
    EXPECT_EQ(wizard::parseSettings("CVI Installation Path:").installFolder, "");
    EXPECT_FALSE(wizard::parseSettings("").installFolder);
}

TEST(SettingsFile, KeysMatchWholeLinesAndValuesAreTakenAsTheyStand) {
    RememberedFields fields =
        wizard::parseSettings("CVI Installation Path: \nD:\\one\ncvi installation path:\nD:\\two\n"
                              " Message Personality:\nC:\\m.p_s\n");
    EXPECT_FALSE(fields.installFolder);
    EXPECT_FALSE(fields.messagePersonality);

    // A value that reads like a key is still a value; bytes above ASCII stay as they are.
    fields = wizard::parseSettings("Message Personality:\n  C:\\\xc3\xa9t\xe9 \n"
                                   "Analyser Personality:\nCompiler Personality:\n");
    EXPECT_EQ(fields.messagePersonality, "  C:\\\xc3\xa9t\xe9 ");
    EXPECT_EQ(fields.analyserPersonality, "Compiler Personality:");
    EXPECT_FALSE(fields.compilerPersonality);

    // The last of repeated keys wins; other lines are skipped.
    fields = wizard::parseSettings("# kept\nMessage Personality:\nC:\\first.p_s\n\njunk\n"
                                   "Message Personality:\nC:\\second.p_s\n");
    EXPECT_EQ(fields.messagePersonality, "C:\\second.p_s");
}

TEST(SettingsFile, LinesEndAtLineFeedsCarriageReturnsOrBoth) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        const std::string e = end;
        const RememberedFields fields =
            wizard::parseSettings("CVI Installation Path:" + e + "D:\\cvi" + e + e +
                                  "Compiler Personality:" + e + "C:\\c.p_c" + e + e);
        EXPECT_EQ(fields.installFolder, "D:\\cvi") << testing::PrintToString(e);
        EXPECT_EQ(fields.compilerPersonality, "C:\\c.p_c") << testing::PrintToString(e);
    }
}

TEST(SettingsFile, ReadAndWrittenInTheCurrentFolderFailingSilently) {
    FakeHost host;
    host.addFolder("C:\\run");
    host.setCurrentFolder("C:\\run");
    EXPECT_FALSE(wizard::readSettingsFile(host));

    wizard::WizardFields fields;
    fields.installFolder = "D:\\cvi";
    wizard::writeSettingsFile(host, fields);
    EXPECT_EQ(host.fileBytes("C:\\run\\settings.txt"), "CVI Installation Path:\nD:\\cvi\n\n");

    wizard::WizardFields loaded;
    wizard::applyRemembered(*wizard::readSettingsFile(host), loaded);
    EXPECT_EQ(loaded.installFolder, "D:\\cvi");
    EXPECT_EQ(loaded.messagePersonality, "");

    // A file that fails part-way is no file: its first half would lose fields.
    host.failReadAfter("C:\\run\\settings.txt", 10);
    EXPECT_FALSE(wizard::readSettingsFile(host));

    host.failingWrites.insert("C:\\run\\settings.txt");
    wizard::writeSettingsFile(host, wizard::WizardFields{});
    EXPECT_EQ(host.fileBytes("C:\\run\\settings.txt"), "CVI Installation Path:\nD:\\cvi\n\n");
}

} // namespace
