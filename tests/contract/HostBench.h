#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Host.h"

/// One kind of host set up for the contract: two drives whose roots are empty scratch folders,
/// and a way to look at and change them without going through the host under test.
class HostBench {
public:
    virtual ~HostBench() = default;

    /// False, with the reason in whyNot, when this host cannot be set up here at all.
    virtual bool available(std::string& whyNot) {
        (void)whyNot;
        return true;
    }

    /// The letters of the bench's two drives, in upper case.
    virtual char firstDrive() const = 0;
    virtual char secondDrive() const = 0;

    /// A host as a program finds it when it starts standing in folder (Windows form, on one of
    /// the bench's drives): every other drive keeps its root as its folder.
    virtual platform::Host& start(const std::string& folder) = 0;
    /// Moves the process to folder behind the host's back, as a change of directory would.
    virtual void moveTo(const std::string& folder) = 0;
    /// Moves the process to a folder that lies on no drive; false, with the reason in whyNot,
    /// when this host has no such folder.
    virtual bool leaveEveryDrive(std::string& whyNot) = 0;

    virtual void putFolder(const std::string& path) = 0;
    /// Makes a link at path to the folder target; false, with the reason in whyNot, where the
    /// host's folders have no identity to compare (Windows).
    virtual bool putLink(const std::string& path, const std::string& target, std::string& whyNot) {
        (void)path;
        (void)target;
        whyNot = "this host tells no identity of a folder";
        return false;
    }
    virtual void putFile(const std::string& path, const std::string& bytes) = 0;
    /// The bytes of the file under path; nothing when there is no file.
    virtual std::optional<std::string> bytesOf(const std::string& path) = 0;
    virtual bool isFolder(const std::string& path) = 0;

    /// A drive letter that names no drive; nothing, with the reason in whyNot, when this host
    /// cannot show one.
    virtual std::optional<char> unmappedDrive(std::string& whyNot) = 0;
    /// True where a path on a drive that is not there is still a path of the host's own, which
    /// tools are handed as it is (Windows); false where the drives are emulated and such a path
    /// has no host path.
    virtual bool unmappedDrivesHaveHostPaths() const = 0;
    /// False where the system drops the trailing spaces and dots of a name (Windows): there a
    /// name that ends in one names nothing.
    virtual bool keepsTrailingSpacesAndDots() const = 0;
    /// False where the system refuses a double quote or a control byte in a name (Windows).
    virtual bool acceptsQuotesAndControlBytesInNames() const = 0;
    /// The Windows code page whose names this host keeps under UTF-8 names on disk ("1252");
    /// nothing when the host passes names as they are. The bench's own calls take the names
    /// on disk, the host's the code page's.
    virtual std::optional<std::string> codePage() const { return std::nullopt; }
};

/// How a parameterised suite makes a fresh bench for each case.
struct BenchMaker {
    std::string name;
    std::function<std::unique_ptr<HostBench>()> make;
};

/// The name of a bench in the suite's case names.
inline std::string benchName(const ::testing::TestParamInfo<BenchMaker>& info) {
    return info.param.name;
}

inline void PrintTo(const BenchMaker& maker, std::ostream* out) {
    *out << maker.name;
}
