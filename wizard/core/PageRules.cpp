#include "PageRules.h"

namespace wizard {

namespace {

PathMark markOf(platform::Host& host, const std::string& text) {
    return pathExists(host, text) ? PathMark::Exists : PathMark::Missing;
}

/// An empty personality is acceptable and keeps its colour.
PathMark optionalMarkOf(platform::Host& host, const std::string& text) {
    return text.empty() ? PathMark::Unchanged : markOf(host, text);
}

} // namespace

bool pathExists(platform::Host& host, const std::string& text) {
    return !text.empty() && host.exists(text);
}

PathsPage pathsPage(platform::Host& host, const WizardFields& fields) {
    PathsPage page{markOf(host, fields.workspace), markOf(host, fields.installFolder),
                   markOf(host, fields.destination), false};
    page.nextEnabled = page.workspace == PathMark::Exists &&
                       page.installFolder == PathMark::Exists &&
                       page.destination == PathMark::Exists && !fields.projectName.empty();
    return page;
}

PersonalitiesPage personalitiesPage(platform::Host& host, const WizardFields& fields) {
    PersonalitiesPage page{optionalMarkOf(host, fields.messagePersonality),
                           optionalMarkOf(host, fields.analyserPersonality),
                           optionalMarkOf(host, fields.compilerPersonality), false};
    page.nextEnabled = page.message != PathMark::Missing && page.analyser != PathMark::Missing &&
                       page.compiler != PathMark::Missing;
    return page;
}

} // namespace wizard
