// Any bytes as a workspace file: the project list is read to its end and every entry
// lies below the workspace folder; the text reader gives the same lines and text when the
// file arrives in pieces of a few bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "CviLineReader.h"
#include "FakeHost.h"
#include "FuzzCheck.h"
#include "WorkspaceFile.h"

namespace {

/// The bytes of a file handed out a few at a time (1 to 7 per read), as a pipe or a
/// network share may.
class TricklingSource : public platform::ByteSource {
public:
    explicit TricklingSource(std::string bytes) : bytes(std::move(bytes)) {}
    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, bytes.size() - position, ++reads % 7 + 1});
        bytes.copy(buffer, n, position);
        position += n;
        return n;
    }
    bool failed() const override { return false; }

private:
    std::string bytes;
    std::size_t position = 0;
    std::size_t reads = 0;
};

std::vector<std::string> linesOf(platform::TextReader& reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line))
        lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FakeHost host;
    host.addFile("C:\\ws\\all.cws", bytes);

    const std::vector<std::string> lines = linesOf(*host.openTextForReading("C:\\ws\\all.cws"));
    platform::TextReader trickled(std::make_unique<TricklingSource>(bytes));
    fuzzCheck(linesOf(trickled) == lines, "lines do not depend on how the bytes arrive");
    platform::TextReader whole(std::make_unique<TricklingSource>(bytes));
    fuzzCheck(whole.readAll() == host.openTextForReading("C:\\ws\\all.cws")->readAll(),
              "the whole text does not depend on how the bytes arrive");

    CviLineReader reader(host.openTextForReading("C:\\ws\\all.cws"));
    const std::vector<std::string> projects = readWorkspaceProjects(reader, "C:\\ws");
    fuzzCheck(projects.size() <= lines.size(), "at most one project per line");
    for (const std::string& project : projects)
        fuzzCheck(project.rfind("C:\\ws\\", 0) == 0, "a project path starts at its workspace");
    std::string line;
    fuzzCheck(!reader.readLine(line), "the reader stays at the end of the file");
    return 0;
}
