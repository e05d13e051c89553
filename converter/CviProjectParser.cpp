#include "CviProjectParser.h"

#include <string_view>

#include "CviBuild.h"
#include "Errors.h"
#include "Host.h"
#include "ProjectGroup.h"
#include "StringHelpers.h"
#include "WorkspaceConverter.h"

namespace {

bool contains(std::string_view line, std::string_view text) {
    // The view's search is inlined here, where the string's is a library call.
    return line.find(text) != std::string_view::npos;
}

bool beginsWithBracket(const std::string& line) {
    return !line.empty() && line[0] == '[';
}

/// True when the key of line, the text before its first "=" without surrounding
/// spaces, is "Folder" itself; "Folder Id" and the like are other keys.
bool isFolderKey(const std::string& line) {
    const std::string_view key = std::string_view(line).substr(0, line.find('='));
    const std::size_t first = key.find_first_not_of(' ');
    return first != std::string_view::npos &&
           key.substr(first, key.find_last_not_of(' ') - first + 1) == "Folder";
}

/// The value of line with spaces, then double quotes, removed and "/" made "\".
std::string pathValue(const std::string& line) {
    return toNativeSeparators(std::string(trimView(valueView(line))));
}

/// Which of the path keys a line contains. Each of them begins with "Path", so one
/// pass over the places where "Path" stands answers all four searches.
struct PathKeys {
    bool path = false;
    bool isRel = false;
    bool relTo = false;
    bool relPath = false;

    explicit PathKeys(std::string_view line) {
        for (std::size_t at = line.find("Path"); at != std::string_view::npos;
             at = line.find("Path", at + 1)) {
            const std::string_view rest = line.substr(at + 4);
            path = true;
            isRel = isRel || rest.substr(0, 7) == " Is Rel";
            relTo = relTo || rest.substr(0, 7) == " Rel To";
            relPath = relPath || rest.substr(0, 9) == " Rel Path";
        }
    }
};

/// The three flags of a CVI relative path ("... Is Rel", "... Rel To").
struct RelativeFlags {
    bool isRelative = false;
    bool toProject = false;
    bool toCvi = false;

    void setBase(const std::string& line) {
        toProject = contains(line, "Project");
        toCvi = contains(line, "CVI");
    }
    /// The relative value applies: relative to a base this reader knows.
    bool useRelative() const { return isRelative && (toProject || toCvi); }
};

} // namespace

CviProjectParser::CviProjectParser(WorkspaceConverter* converter) : converter(converter) {}

void CviProjectParser::open(const std::string& path) {
    projectFilePath = path;
    projectFolder = folderOf(path);
    input.reset();
    auto file = converter->getHost().openTextForReading(path);
    if (!file)
        throw AsciiReaderError(2);
    input = std::make_unique<CviLineReader>(std::move(file));
}

bool CviProjectParser::readLine(std::string& line) {
    return input && input->readLine(line);
}

void CviProjectParser::parse() {
    std::string line;
    while (readLine(line)) {
        const bool fileType = contains(line, "File Type");
        if (fileType && contains(line, "CSource"))
            readSourceEntry();
        else if (fileType && (contains(line, "Include") || contains(line, "Function Panel")))
            readIncludeFileEntry();
        // Before the "[" rule, so the header of the include-path section starts its reader.
        else if (contains(line, "Include Path"))
            readIncludePaths();
        else if (beginsWithBracket(line))
            continue;
        else if (contains(line, "Compiler Defines"))
            readCompilerDefines(line);
    }
    input.reset();
}

bool CviProjectParser::readEntryLine(std::string& line, bool isFirst, FirstLine first) {
    if (!readLine(line))
        return false;
    if (isFirst) {
        const std::string_view kept =
            first == FirstLine::TrimValue ? trimView(line) : stripView(line, ' ');
        // Cut in place: kept lies inside line, or is empty.
        const std::size_t from = kept.empty() ? 0 : kept.data() - line.data();
        line.erase(from + kept.size());
        line.erase(0, from);
    }
    return !beginsWithBracket(line);
}

bool CviProjectParser::isAcceptedExtension(const std::string& path) const {
    if (acceptedExtensions.empty())
        return true;
    const std::size_t dot = path.rfind('.');
    const std::string ext = toUpper(dot == std::string::npos ? path : path.substr(dot + 1));
    for (const std::string& accepted : acceptedExtensions)
        if (toUpper(accepted) == ext)
            return true;
    return false;
}

std::string CviProjectParser::underBase(bool toProject, const std::string& relative) const {
    const std::string_view base = toProject ? projectFolder : cviDir;
    std::string path;
    path.reserve(base.size() + 1 + relative.size());
    path.append(base);
    if (!toProject)
        path += '\\';
    path.append(relative);
    return path;
}

std::string CviProjectParser::folderUnderBase(bool toProject, const std::string& relative) const {
    if (!relative.empty())
        return underBase(toProject, relative);
    if (!toProject)
        return cviDir;
    return projectFolder.empty() ? projectFolder
                                 : projectFolder.substr(0, projectFolder.size() - 1);
}

void CviProjectParser::readSourceEntry() {
    RelativeFlags flags;
    std::string path;
    std::string& folder = entryFolder;
    folder.clear();
    bool excluded = false;
    std::string& line = entryLine;
    for (bool isFirst = true; readEntryLine(line, isFirst, FirstLine::TrimValue); isFirst = false) {
        const PathKeys keys(line);
        if (keys.isRel) {
            flags.isRelative = contains(line, "True");
        } else if (keys.relTo) {
            flags.setBase(line);
        } else if (keys.relPath) {
            if (flags.useRelative())
                path = underBase(flags.toProject, pathValue(line));
        } else if (keys.path) {
            if (!flags.useRelative())
                path = pathValue(line);
        } else if (contains(line, "Exclude")) {
            excluded = trimView(valueView(line)) == "True";
        } else if (isFolderKey(line)) {
            folder = trimView(valueView(line));
        }
    }
    if (!excluded && isAcceptedExtension(path))
        addSourceFile(folder, std::move(path));
}

void CviProjectParser::addSourceFile(const std::string& folder, std::string path) {
    if (ProjectGroup* found = group->findSubGroup(folder)) {
        found->addFile(std::move(path));
        return;
    }
    auto made = std::make_unique<ProjectGroup>(folder, converter);
    made->addFile(std::move(path));
    made->setSourceFolder(group->getSourceFolder());
    group->addSubGroup(std::move(made));
}

void CviProjectParser::readIncludeFileEntry() {
    RelativeFlags flags;
    std::string folderPath;
    bool excluded = false;
    std::string& line = entryLine;
    for (bool isFirst = true; readEntryLine(line, isFirst, FirstLine::StripSpaces);
         isFirst = false) {
        const PathKeys keys(line);
        if (contains(line, " Is Rel")) {
            flags.isRelative = contains(line, "True");
        } else if (keys.relTo) {
            flags.setBase(line);
        } else if (keys.relPath) {
            if (flags.useRelative())
                folderPath = folderUnderBase(flags.toProject, beforeLastBackslash(pathValue(line)));
        } else if (keys.path) {
            if (!flags.useRelative()) {
                const std::string value = pathValue(line);
                const std::size_t slash = value.rfind('\\');
                folderPath = slash == std::string::npos ? value : value.substr(0, slash);
            }
        } else if (contains(line, "Exclude")) {
            // Unlike a source entry, double quotes stay: "True" in quotes does not exclude.
            excluded = stripView(valueView(line), ' ') == "True";
        }
    }
    if (!excluded && !folderPath.empty())
        group->addIncludePath(folderPath);
}

void CviProjectParser::readIncludePaths() {
    RelativeFlags flags;
    std::string& line = entryLine;
    for (bool isFirst = true; readEntryLine(line, isFirst, FirstLine::StripSpaces);
         isFirst = false) {
        if (contains(line, " Is Rel")) {
            flags.isRelative = contains(line, "True");
        } else if (contains(line, " Rel To")) {
            flags.setBase(line);
        } else if (contains(line, "Include Path")) {
            // CVI writes a relative include path as several value lines of one entry:
            // "Include Path 1 Rel Path" holds the part below the base and "Include Path 1"
            // the absolute path it stood for when saved. With a base known here the
            // relative part is taken and the absolute line adds nothing; with another base
            // ("VXIPlug&Play", say) the absolute line is taken and the relative one is not.
            const bool relativeLine = contains(line, "Rel Path");
            if (flags.useRelative()) {
                if (relativeLine)
                    group->addIncludePath(folderUnderBase(flags.toProject, pathValue(line)));
            } else if (!flags.isRelative || !relativeLine) {
                group->addIncludePath(driveFromCviPath(pathValue(line)));
            }
        }
    }
}

void CviProjectParser::readCompilerDefines(const std::string& line) {
    for (const auto& [name, value] : compilerDefinitions(trimValue(lineValue(line))))
        group->setDefine(name, value);
}
