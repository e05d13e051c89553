#pragma once

#include <string>

#include "Host.h"
#include "WizardFields.h"

namespace wizard {

/// How a path field shows: black when something exists under its path, red when not; an
/// empty personality field keeps the colour it has.
enum class PathMark { Unchanged, Exists, Missing };

/// The first page: the marks of the workspace, install and destination fields, and Next.
struct PathsPage {
    PathMark workspace;
    PathMark installFolder;
    PathMark destination;
    bool nextEnabled; ///< all three exist and the name is not empty
};

/// The personalities page: the marks of its three fields, and Next.
struct PersonalitiesPage {
    PathMark message;
    PathMark analyser;
    PathMark compiler;
    bool nextEnabled; ///< every field that is not empty names something that exists
};

/// True when the text names an existing file or folder, a relative one taken against the
/// current folder; an empty text never does.
bool pathExists(platform::Host& host, const std::string& text);

/// The first page rule, run whenever one of its four fields changes.
PathsPage pathsPage(platform::Host& host, const WizardFields& fields);

/// The personalities page rule, run whenever one of its three fields changes.
PersonalitiesPage personalitiesPage(platform::Host& host, const WizardFields& fields);

} // namespace wizard
