#include "LeftOut.h"

#include "Host.h"
#include "StringHelpers.h"

std::string reasonForNoUtf8Path(const std::string& path, platform::NoUtf8Path why) {
    if (why == platform::NoUtf8Path::NotUtf8)
        return "cannot be written as UTF-8";
    if (why == platform::NoUtf8Path::OtherName)
        return "the system would take it for another name";
    if (path.size() < 2 || path[1] != ':')
        return "it lies on no drive";
    return "drive " + toUpper(path.substr(0, 1)) + ": is not mapped";
}

void LeftOutLines::tell(LeftOut& leftOut) {
    for (const std::string& part : leftOut.getParts())
        if (told.insert(part).second)
            log.printError(heading + part);
    leftOut.clear();
}
