# One source per operating system for every platform seam under src/platform.
if(WIN32)
    set(VELMORA_OS windows)
    set(VELMORA_PLATFORM_LIBS shell32 advapi32 user32)
else()
    set(VELMORA_OS posix)
    # The pointer is asked of the X server on a connection of our own.
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
    set(VELMORA_PLATFORM_LIBS PkgConfig::XCB)
endif()

set(VELMORA_PLATFORM_SOURCES
    src/platform/ExecutablePath_${VELMORA_OS}.cpp
    src/platform/FileStore_${VELMORA_OS}.cpp
    src/platform/LegacyCodec_${VELMORA_OS}.cpp
    src/platform/PointerQuery_${VELMORA_OS}.cpp
    src/platform/ProcessSetup_${VELMORA_OS}.cpp
    src/platform/ShellOpen_${VELMORA_OS}.cpp
    src/platform/UserName_${VELMORA_OS}.cpp
)

set(VELMORA_GUI_OS_SOURCES src/app/ShutdownSignals_${VELMORA_OS}.cpp)
