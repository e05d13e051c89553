#include "CviBuild.h"

#include <optional>

#include "CviSections.h"
#include "StringHelpers.h"

namespace {

const std::string defaultPrefix = "Default Build Config ";
const std::string customPrefix = "Custom Build Config ";

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

/// A configuration of name before its keys are read: CVI's standard names say the width and
/// the kind ("Release64": 64-bit, release), any other name reads as 32-bit debug.
CviBuild namedBuild(const std::string& name) {
    CviBuild build;
    build.name = name;
    build.is64Bit = name == "Debug64" || name == "Release64";
    build.isRelease = name == "Release" || name == "Release64";
    return build;
}

/// The keys of section that describe a build, over what build holds.
void readKeys(const CviSection& section, CviBuild& build) {
    for (const auto& [key, value] : section.keys) {
        if (key == "Is 64-Bit")
            build.is64Bit = value == "True";
        else if (key == "Is Release")
            build.isRelease = value == "True";
        else if (key == "Enable C99 Extensions")
            build.c99 = value == "True";
        else if (key == "Default Calling Convention")
            build.callingConvention = value;
        else if (key == "Compiler Defines")
            for (auto& [name, definition] : compilerDefinitions(value))
                build.definitions[name] = definition;
    }
}

std::string rootOf(const CviSection& header, const std::string& key) {
    const std::string* value = header.valueOf(key);
    return value ? driveFromCviPath(toNativeSeparators(*value)) : std::string();
}

} // namespace

std::vector<std::pair<std::string, std::string>> compilerDefinitions(const std::string& value) {
    std::vector<std::pair<std::string, std::string>> definitions;
    std::size_t start = value.find("/D");
    while (start != std::string::npos) {
        std::size_t end = value.find(' ', start);
        if (end == std::string::npos)
            end = value.size();
        const std::string token = value.substr(start + 2, end - start - 2);
        const std::size_t equals = token.find('=');
        if (equals == std::string::npos)
            definitions.emplace_back(token, std::string());
        else
            definitions.emplace_back(token.substr(0, equals), token.substr(equals + 1));
        start = value.find("/D", end);
    }
    return definitions;
}

CviProjectConfigs readProjectConfigs(CviLineReader& reader) {
    // Only the few sections that describe builds are kept, not the file entries.
    const auto sections = readCviSections(reader, [](const std::string& name) {
        return name == "Project Header" || name == "Compiler Options" ||
               name == "Compiler Defines" || startsWith(name, defaultPrefix) ||
               startsWith(name, customPrefix);
    });
    CviProjectConfigs configs;
    configs.legacy = namedBuild("Debug");
    for (const CviSection& section : sections) {
        if (section.name == "Project Header") {
            configs.iviRoot = rootOf(section, "IVI Standard Root Dir");
            configs.vxiRoot = rootOf(section, "VXIplug&play Framework Dir");
            configs.iviRoot64 = rootOf(section, "IVI Standard Root 64-bit Dir");
            configs.vxiRoot64 = rootOf(section, "VXIplug&play Framework 64-bit Dir");
        } else if (section.name == "Compiler Options" || section.name == "Compiler Defines") {
            readKeys(section, configs.legacy);
        } else {
            const std::string* name = section.valueOf("Config Name");
            // A default configuration that lacks its name still has it in its header.
            const bool isDefault = startsWith(section.name, defaultPrefix);
            configs.configurations.push_back(
                namedBuild(name        ? *name
                           : isDefault ? section.name.substr(defaultPrefix.size())
                                       : ""));
            readKeys(section, configs.configurations.back());
        }
    }
    return configs;
}

CviBuild chooseBuild(const CviProjectConfigs& configs, const std::string& wanted,
                     const std::string& own, std::string& missed) {
    auto find = [&configs](const std::string& name) -> std::optional<CviBuild> {
        for (const CviBuild& build : configs.configurations)
            if (build.name == name)
                return build;
        if (!configs.configurations.empty() ||
            (name != "Debug" && name != "Release" && name != "Debug64" && name != "Release64"))
            return std::nullopt;
        CviBuild build = namedBuild(name);
        build.c99 = configs.legacy.c99;
        build.callingConvention = configs.legacy.callingConvention;
        build.definitions = configs.legacy.definitions;
        return build;
    };
    missed.clear();
    const std::string ownName = own.empty() ? "Debug" : own;
    std::optional<CviBuild> chosen;
    for (const std::string& name : {wanted, ownName, std::string("Debug")}) {
        if (name.empty())
            continue;
        chosen = find(name);
        if (chosen)
            break;
        if (missed.empty())
            missed = name;
    }
    if (!chosen)
        chosen = configs.configurations.front();
    chosen->iviRoot = chosen->is64Bit ? configs.iviRoot64 : configs.iviRoot;
    chosen->vxiRoot = chosen->is64Bit ? configs.vxiRoot64 : configs.vxiRoot;
    return *chosen;
}
