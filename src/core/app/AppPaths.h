#pragma once

#include <optional>
#include <string>

#include "core/ports/FileStore.h"

namespace velmora {

// AppDir: the executable's directory, always ending in the platform's separator (a root such
// as "/" or "D:\" keeps its single one).
std::string InitAppPath(const std::string& executableDirectory, char separator);

// AppDir + base name + "_" + user name + ".ini", nothing added or removed.
std::string MakeSettingsFilePath(const std::string& appDir, const std::string& baseName,
                                 const std::string& userName);

// The user's own folder for the settings file, for a program whose folder takes none (a
// system-wide install), ending in the separator; empty when there is none.
// Linux and the other free desktops: $XDG_CONFIG_HOME/velmora/, or $HOME/.config/velmora/ when
// the variable is unset, empty or not an absolute path (the XDG Base Directory rule).
std::string XdgSettingsFolder(const std::optional<std::string>& xdgConfigHome,
                              const std::string& home);
// Windows: %APPDATA%\Velmora\ (the roaming profile), when APPDATA is an absolute path.
std::string WindowsSettingsFolder(const std::optional<std::string>& appData);

struct SettingsLocation {
    std::string path;  // the file read at start-up and saved at the end
    // A file read instead while `path` does not exist yet: the settings left beside a program
    // whose folder has since become read-only (or shipped there). Empty: none.
    std::string startFrom;
};

// Where the settings file lives, decided once at start-up: beside the executable whenever a file
// there can be saved; otherwise in the user's folder (created at the first save), starting from
// the file beside the executable until one exists there. When neither can be written, the file
// that already holds the user's settings (the user's one if it exists) is kept, and the save at
// the end is reported as today.
SettingsLocation ChooseSettingsLocation(const std::string& besidePath, const std::string& userPath,
                                        IFileStore& store);

// The read-me: beside the executable, else in the documentation folder of a system install
// (docFolderFromAppDir, relative to AppDir, ending in the separator). Where neither exists, the
// one beside the executable, whose opening the shell then fails quietly.
std::string ReadmePath(const std::string& appDir, const std::string& docFolderFromAppDir,
                       IFileStore& store);

// The name of the lock that keeps a second Velmora off the same settings file: the same path
// gives the same name, on every system ("velmora-" and 16 hexadecimal digits).
std::string InstanceLockName(const std::string& settingsFilePath);

}  // namespace velmora
