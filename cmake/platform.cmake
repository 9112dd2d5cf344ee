# One source per operating system for every platform seam under src/platform.
if(WIN32)
    set(VELMORA_OS windows)
    set(VELMORA_PLATFORM_LIBS shell32 advapi32)
else()
    set(VELMORA_OS posix)
    set(VELMORA_PLATFORM_LIBS)
endif()

set(VELMORA_PLATFORM_SOURCES
    src/platform/ExecutablePath_${VELMORA_OS}.cpp
    src/platform/FileStore_${VELMORA_OS}.cpp
    src/platform/LegacyCodec_${VELMORA_OS}.cpp
    src/platform/ProcessSetup_${VELMORA_OS}.cpp
    src/platform/ShellOpen_${VELMORA_OS}.cpp
    src/platform/UserName_${VELMORA_OS}.cpp
)

set(VELMORA_GUI_OS_SOURCES src/app/ShutdownSignals_${VELMORA_OS}.cpp)
