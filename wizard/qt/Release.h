#pragma once

#include <QString>

class TessellonBase;

/// The release of Quorvel and Tessellon, as the build states it ("1.0.0").
QString releaseVersion();

/// Shows the release where the form has room for it and its texts stay as they are: as the
/// tooltip of the header image on every page ("Tessellon 1.0.0").
void showRelease(TessellonBase& form);
