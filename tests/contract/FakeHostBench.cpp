#include "FakeHost.h"
#include "HostBench.h"
#include "HostContract.h"

namespace {

/// The in-memory host of the converter's tests, with drives C: and D:.
class FakeHostBench : public HostBench {
public:
    FakeHostBench() {
        host.addDrive('D');
        // Its names are matched exactly, so it says so.
        host.ignoresCase = false;
    }

    char firstDrive() const override { return 'C'; }
    char secondDrive() const override { return 'D'; }

    platform::Host& start(const std::string& folder) override {
        host.setDriveFolder("C:\\");
        host.setDriveFolder("D:\\");
        host.setCurrentFolder(folder);
        return host;
    }
    void moveTo(const std::string& folder) override { host.setCurrentFolder(folder); }
    bool leaveEveryDrive(std::string& whyNot) override {
        whyNot = "the in-memory host has no folder outside its drives";
        return false;
    }

    void putFolder(const std::string& path) override { host.addFolder(path); }
    bool putLink(const std::string& path, const std::string& target, std::string&) override {
        host.addLink(path, target);
        return true;
    }
    void putFile(const std::string& path, const std::string& bytes) override {
        host.addFile(path, bytes);
    }
    std::optional<std::string> bytesOf(const std::string& path) override {
        if (!host.isFile(path))
            return std::nullopt;
        return host.fileBytes(path);
    }
    bool isFolder(const std::string& path) override { return host.isFolder(path); }

    std::optional<char> unmappedDrive(std::string&) override { return 'Q'; }
    bool unmappedDrivesHaveHostPaths() const override { return false; }
    bool keepsTrailingSpacesAndDots() const override { return true; }
    bool acceptsQuotesAndControlBytesInNames() const override { return true; }

private:
    FakeHost host;
};

const BenchMaker bench{"Fake", [] { return std::make_unique<FakeHostBench>(); }};

} // namespace

INSTANTIATE_TEST_SUITE_P(Fake, HostContract, ::testing::Values(bench), benchName);
INSTANTIATE_TEST_SUITE_P(Fake, CommandLineContract, ::testing::Values(bench), benchName);
