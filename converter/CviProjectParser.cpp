#include "CviProjectParser.h"

#include "Errors.h"
#include "Host.h"
#include "ProjectGroup.h"
#include "StringHelpers.h"
#include "WorkspaceConverter.h"

std::string lineValue(const std::string& line) {
    const std::size_t equals = line.find('=');
    return equals == std::string::npos ? line : line.substr(equals + 1);
}

std::string driveFromCviPath(const std::string& path) {
    if (path.empty() || path[0] != '\\')
        return path;
    std::string drive = path.substr(1);
    if (!drive.empty())
        drive.insert(1, ":");
    return drive;
}

std::string toUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

CviProjectParser::CviProjectParser(WorkspaceConverter* converter) : converter(converter) {}

void CviProjectParser::open(const std::string& path) {
    projectFilePath = path;
    auto file = converter->getHost().openTextForReading(path);
    if (!file)
        throw AsciiReaderError(2);
    input = std::make_unique<CviLineReader>(std::move(file));
}

bool CviProjectParser::readLine(std::string& line) { return input && input->readLine(line); }

void CviProjectParser::parse() {
    // TODO: entry readers
    input.reset();
}

bool CviProjectParser::isAcceptedExtension(const std::string&) const { return true; }

void CviProjectParser::readSourceEntry() {}
void CviProjectParser::readIncludeFileEntry() {}
void CviProjectParser::readIncludePaths() {}
void CviProjectParser::readCompilerDefines(const std::string&) {}

std::string CviProjectParser::projectFolder() const {
    const std::size_t slash = projectFilePath.rfind('\\');
    return slash == std::string::npos ? std::string() : projectFilePath.substr(0, slash + 1);
}
