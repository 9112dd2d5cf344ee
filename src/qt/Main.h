#pragma once

namespace velmora {

struct MainOptions {
    // For measuring start-up: end as soon as the event loop first goes idle, without saving.
    bool quitWhenIdle = false;
};

// The program's start-up. No option is read, and the toolkit sees none either.
int Main(int argc, char** argv, const MainOptions& options = {});

}  // namespace velmora
