#include <windows.h>

#include "win32/Main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return velmora::win32::Main(); }
