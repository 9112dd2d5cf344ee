#pragma once

namespace velmora::win32 {

struct MainOptions {
    // For measuring start-up: end as soon as the message loop first goes idle, without saving.
    bool quitWhenIdle = false;
};

// The Windows program: start-up, the message loop, the end. The command line is not read.
int Main(const MainOptions& options = {});

}  // namespace velmora::win32
