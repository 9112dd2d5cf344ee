#pragma once

namespace velmora::platform {

// Process-wide preparations before any window exists. On POSIX a write past the file-size
// limit must fail with an error the save can report, not kill the process.
void PrepareProcess();

}  // namespace velmora::platform
