#pragma once

#include <set>
#include <string>
#include <vector>

#include "RunLog.h"

namespace platform {
enum class NoUtf8Path;
} // namespace platform

/// Why path has no UTF-8 host path, in the words of a left-out line ("drive E: is not mapped").
std::string reasonForNoUtf8Path(const std::string& path, platform::NoUtf8Path why);

/// The parts of an output left out, each as what it is and why ("include folder E:\inc (drive
/// E: is not mapped)"), in the order met.
class LeftOut {
public:
    /// Adds what, left out for reason.
    void add(const std::string& what, const std::string& reason) {
        parts.push_back(what + " (" + reason + ")");
    }
    /// Adds what, left out because path (what itself, or a path it depends on) has no UTF-8 form.
    void addNoUtf8Path(const std::string& what, const std::string& path, platform::NoUtf8Path why) {
        add(what, reasonForNoUtf8Path(path, why));
    }
    const std::vector<std::string>& getParts() const { return parts; }
    void clear() { parts.clear(); }

private:
    std::vector<std::string> parts;
};

/// Tells the parts left out of one output on the error stream, each distinct part once in a
/// run however often it is left out: "<heading><part>".
class LeftOutLines {
public:
    LeftOutLines(const RunLog& log, std::string heading) : log(log), heading(std::move(heading)) {}

    /// Tells every part of leftOut not told before, then clears it.
    void tell(LeftOut& leftOut);

private:
    const RunLog& log;
    std::string heading;
    std::set<std::string> told;
};

/// The headings of the two outputs' left-out lines.
inline constexpr char databaseLeftOutHeading[] = "Left out of the Compilation Database: ";
inline constexpr char overlayLeftOutHeading[] = "Left out of the Case Overlay: ";
