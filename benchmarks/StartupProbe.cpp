// Velmora's whole start-up (toolkit, settings file, panel with its items) up to the first idle
// turn of the event loop, then exit: run it under hyperfine to time a start.
#include "qt/Main.h"

int main(int argc, char** argv) { return velmora::Main(argc, argv, {.quitWhenIdle = true}); }
