// Velmora.exe's whole start-up (windows, settings file, panel with its items) up to the first
// idle turn of the message loop, then exit: run it under hyperfine to time a start.
#include <windows.h>

#include "win32/Main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return velmora::win32::Main({.quitWhenIdle = true});
}
