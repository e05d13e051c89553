// Which typed paths count as existing, and when Next is enabled on the two pages with rules.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "PageRules.h"

namespace {

using wizard::PathMark;

struct PageRules : testing::Test {
    PageRules() {
        host.addFile("C:\\ws\\app.cws", "");
        host.addFolder("C:\\Program Files\\National Instruments\\CVI85");
        host.addFolder("C:\\out");
        host.addFile("C:\\p\\m.p_s", "");
        host.addFile("C:\\p\\cc.p_c", "");
        fields.workspace = "C:\\ws\\app.cws";
        fields.destination = "C:\\out";
        fields.projectName = "app";
    }

    FakeHost host;
    wizard::WizardFields fields;
};

TEST_F(PageRules, FirstPageNeedsThreeExistingPathsAndAName) {
    wizard::PathsPage page = wizard::pathsPage(host, fields);
    EXPECT_EQ(page.workspace, PathMark::Exists);
    EXPECT_EQ(page.installFolder, PathMark::Exists);
    EXPECT_EQ(page.destination, PathMark::Exists);
    EXPECT_TRUE(page.nextEnabled);

    // A name of one blank is a name; the name itself is never checked further.
    fields.projectName = " ";
    EXPECT_TRUE(wizard::pathsPage(host, fields).nextEnabled);
    fields.projectName.clear();
    EXPECT_FALSE(wizard::pathsPage(host, fields).nextEnabled);
    fields.projectName = "app";

    // One character less names nothing; the other marks stay as they are.
    fields.workspace = "C:\\ws\\app.cw";
    page = wizard::pathsPage(host, fields);
    EXPECT_EQ(page.workspace, PathMark::Missing);
    EXPECT_EQ(page.installFolder, PathMark::Exists);
    EXPECT_FALSE(page.nextEnabled);
}

TEST_F(PageRules, AnyExistingNameWillDoAndAnEmptyOneNeverExists) {
    // The test does not tell files from folders.
    fields.workspace = "C:\\out";
    fields.destination = "C:\\ws\\app.cws";
    EXPECT_TRUE(wizard::pathsPage(host, fields).nextEnabled);

    // Relative texts are taken against the current folder.
    host.setCurrentFolder("C:\\ws");
    fields.workspace = "app.cws";
    fields.destination = "..\\out";
    EXPECT_TRUE(wizard::pathsPage(host, fields).nextEnabled);

    fields.installFolder.clear();
    const wizard::PathsPage page = wizard::pathsPage(host, fields);
    EXPECT_EQ(page.installFolder, PathMark::Missing);
    EXPECT_FALSE(page.nextEnabled);
}

TEST_F(PageRules, PersonalitiesMayBeEmptyButNotMissing) {
    wizard::PersonalitiesPage page = wizard::personalitiesPage(host, fields);
    EXPECT_EQ(page.message, PathMark::Unchanged);
    EXPECT_EQ(page.analyser, PathMark::Unchanged);
    EXPECT_EQ(page.compiler, PathMark::Unchanged);
    EXPECT_TRUE(page.nextEnabled);

    fields.messagePersonality = "C:\\p\\gone.p_s";
    fields.compilerPersonality = "C:\\p\\cc.p_c";
    page = wizard::personalitiesPage(host, fields);
    EXPECT_EQ(page.message, PathMark::Missing);
    EXPECT_EQ(page.analyser, PathMark::Unchanged);
    EXPECT_EQ(page.compiler, PathMark::Exists);
    EXPECT_FALSE(page.nextEnabled);

    // Clearing the missing one leaves the existing compiler personality: Next again.
    fields.messagePersonality.clear();
    EXPECT_TRUE(wizard::personalitiesPage(host, fields).nextEnabled);
}

} // namespace
