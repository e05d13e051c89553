#include <gtest/gtest.h>

#include "Sandbox.h"

TEST(CommandLineRun, TwoArgumentsPrintTheUsageAndSucceed) {
    Sandbox box;
    const RunResult result = box.run({"a", "b"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Usage: Quorvel <source_workspace|source_proj> <path_to_cvi> "
                          "<dest_folder> [-pn dest_proj_name]\n"
                          "[-mp message_personality] [-ap analyser_personality] "
                          "[-cp compiler_personality] [-ext file_extension]\n");
}
