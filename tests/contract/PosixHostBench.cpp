#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdlib.h>
#include <unistd.h>

#include "HostBench.h"
#include "HostContract.h"
#include "PosixHost.h"

namespace fs = std::filesystem;

namespace {

/// Drives C: and D: on the folders c and d of a fresh temp folder, through the drive
/// variables, names in a code page when one is given; the working directory is put back
/// afterwards.
class PosixHostBench : public HostBench {
public:
    explicit PosixHostBench(std::optional<std::string> codePage = std::nullopt)
        : saved(fs::current_path()), namesCodePage(std::move(codePage)) {
        std::string pattern = (fs::temp_directory_path() / "quorvel-contract-XXXXXX").string();
        root = mkdtemp(&pattern[0]);
        fs::create_directories(root / "c");
        fs::create_directories(root / "d");
    }
    ~PosixHostBench() override {
        fs::current_path(saved);
        fs::remove_all(root);
    }

    char firstDrive() const override { return 'C'; }
    char secondDrive() const override { return 'D'; }

    platform::Host& start(const std::string& folder) override {
        moveTo(folder);
        const std::map<std::string, std::string> table = {
            {"QUORVEL_DRIVE_C", (root / "c").string()},
            {"QUORVEL_DRIVE_D", (root / "d").string() + "/"}};
        const auto lookup = [table](const std::string& name) -> std::optional<std::string> {
            const auto found = table.find(name);
            if (found == table.end())
                return std::nullopt;
            return found->second;
        };
        host =
            namesCodePage
                ? std::make_unique<platform::PosixHost>(lookup, platform::CodePage(*namesCodePage))
                : std::make_unique<platform::PosixHost>(lookup);
        return *host;
    }
    void moveTo(const std::string& folder) override { fs::current_path(hostPath(folder)); }
    bool leaveEveryDrive(std::string&) override {
        fs::current_path(root);
        return true;
    }

    void putFolder(const std::string& path) override { fs::create_directories(hostPath(path)); }
    bool putLink(const std::string& path, const std::string& target, std::string&) override {
        fs::create_directory_symlink(hostPath(target), hostPath(path));
        return true;
    }
    void putFile(const std::string& path, const std::string& bytes) override {
        const fs::path file = hostPath(path);
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::optional<std::string> bytesOf(const std::string& path) override {
        const fs::path file = hostPath(path);
        if (!fs::is_regular_file(file))
            return std::nullopt;
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool isFolder(const std::string& path) override { return fs::is_directory(hostPath(path)); }

    std::optional<char> unmappedDrive(std::string&) override { return 'Q'; }
    bool unmappedDrivesHaveHostPaths() const override { return false; }
    bool keepsTrailingSpacesAndDots() const override { return true; }
    bool acceptsQuotesAndControlBytesInNames() const override { return true; }
    std::optional<std::string> codePage() const override { return namesCodePage; }

private:
    /// The host path of an absolute Windows-form path on C: or D:.
    fs::path hostPath(const std::string& path) const {
        std::string rest = path.substr(2);
        for (char& c : rest)
            if (c == '\\')
                c = '/';
        return (root / std::string(1, static_cast<char>(path[0] - 'A' + 'a'))).string() + rest;
    }

    fs::path saved;
    std::optional<std::string> namesCodePage;
    fs::path root;
    std::unique_ptr<platform::PosixHost> host;
};

const BenchMaker bench{"Posix", [] { return std::make_unique<PosixHostBench>(); }};
// The same host keeping its names in the Western European code page 1252, as under Wine.
const BenchMaker codePageBench{"PosixCodePage1252",
                               [] { return std::make_unique<PosixHostBench>("1252"); }};

} // namespace

INSTANTIATE_TEST_SUITE_P(Posix, HostContract, ::testing::Values(bench, codePageBench), benchName);
INSTANTIATE_TEST_SUITE_P(Posix, CommandLineContract, ::testing::Values(bench, codePageBench),
                         benchName);
