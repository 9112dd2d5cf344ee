#pragma once

namespace velmora {

// The program's start-up. The command line is handed to the toolkit only; no option is read.
int Main(int argc, char** argv);

}  // namespace velmora
