#pragma once

#include "DatabaseInputs.h"
#include "RunLog.h"

namespace platform {
class Host;
}

/// The compilation database step of a run, after the project file: writes the entry of every
/// C source of inputs' projects to inputs.path, after its console line, and where the host's
/// names heed letter case the case overlay beside it. What an entry leaves out is told on the
/// error stream, one line for each distinct part in the run. Throws IOERROR code 2 when a file
/// cannot be written.
void writeCompilationDatabase(const DatabaseInputs& inputs, platform::Host& host,
                              const RunLog& log);
