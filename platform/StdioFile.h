#pragma once

#include <memory>
#include <string>

#include "TextFile.h"

namespace platform {

/// Opens a file by its host path for reading its bytes unchanged (C library, "rb");
/// null when the C library cannot open it.
std::unique_ptr<ByteSource> openStdioSource(const std::string& hostPath);

/// Creates or truncates a file by its host path for writing bytes unchanged (C library,
/// "wb"); null when the C library cannot open it.
std::unique_ptr<ByteSink> openStdioSink(const std::string& hostPath);

} // namespace platform
