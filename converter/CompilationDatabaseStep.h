#pragma once

#include "DatabaseInputs.h"
#include "RunLog.h"

namespace platform {
class Host;
}

/// Before anything of the run is written: true when the database and its case overlay may be
/// written; false, after one line on the error stream, when one of them would replace a file
/// the run reads or writes (one of inputs' run files or a source of its projects).
bool mayWriteCompilationDatabase(const DatabaseInputs& inputs, platform::Host& host,
                                 const RunLog& log);

/// The compilation database step of a run, after the project file: writes the entry of every
/// C source of inputs' projects to inputs.path, after its console line, and where the host's
/// names heed letter case the case overlay beside it. What an entry leaves out is told on the
/// error stream, one line for each distinct part in the run. Throws IOERROR code 2 when a file
/// cannot be written.
void writeCompilationDatabase(const DatabaseInputs& inputs, platform::Host& host,
                              const RunLog& log);
