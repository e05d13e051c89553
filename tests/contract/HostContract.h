#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostBench.h"

/// The cases every host passes, each on a fresh bench. C and D are the bench's two drives.
class HostContract : public ::testing::TestWithParam<BenchMaker> {
protected:
    void SetUp() override;
    /// "X:" followed by rest.
    std::string on(char drive, const std::string& rest) const;
    /// The drive letter in lower case, as text.
    std::string lower(char drive) const;

    std::unique_ptr<HostBench> bench;
    char C = 0;
    char D = 0;
};

/// Conversions whose arguments are completed through the host, on each bench.
class CommandLineContract : public HostContract {
protected:
    void SetUp() override;
    /// Converts with the drive-relative arguments of drive (C: in the case given) and checks
    /// that every one of them was completed from the folder C:\ws.
    void convertsFromTheDrivesFolder(platform::Host& host, const std::string& drive,
                                     const std::string& dest, const std::string& destFolder);
};
