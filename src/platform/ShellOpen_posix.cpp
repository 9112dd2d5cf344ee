#include "platform/ShellOpen.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include "core/launch/CommandLine.h"
#include "core/launch/PathRules.h"

extern char** environ;

namespace velmora::platform {

namespace {

constexpr const char* kNoSuchFile = "ファイルが見つかりません。";
constexpr const char* kNoAssociation = "関連付けられたプログラムがありません。";

// Why a program did not start, in Japanese for the common reasons, else the system's text.
std::string ReasonFor(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return kNoSuchFile;
        case EACCES:
        case EPERM:
            return "アクセスが拒否されました。";
        case ENOEXEC:
            return "実行できる形式のファイルではありません。";
        case ETXTBSY:
            return "ファイルが使用中です。";
        case ENOMEM:
        case EAGAIN:
            return "メモリーまたはプロセスの空きが足りません。";
        case E2BIG:
            return "引数が長すぎます。";
        default:
            return std::strerror(error);
    }
}

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A bare program name looked up on PATH, as a shell would.
std::string FindOnPath(const std::string& name) {
    const char* pathEnv = std::getenv("PATH");
    const std::string path = pathEnv != nullptr ? pathEnv : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find(':', start);
        if (end == std::string::npos) end = path.size();
        std::string dir = path.substr(start, end - start);
        if (dir.empty()) dir = ".";
        const std::string candidate = dir + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
        return pw->pw_dir;
    return "/";
}

// "~" and "~/..." name the home folder, as in a shell.
std::string WithHome(const std::string& path) {
    if (path == "~") return HomeDirectory();
    if (path.rfind("~/", 0) == 0) return HomeDirectory() + path.substr(1);
    return path;
}

// A relative path is taken from Velmora's own working directory, before the program changes
// into its derived one.
std::string Absolute(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd) == nullptr) return path;
    return std::string(cwd) + "/" + path;
}

// Starts the program in its own session, detached: it outlives the panel and, because the
// intermediate child is reaped at once, never lingers as a zombie. Returns the exec failure.
std::string SpawnDetached(const std::string& program, const std::vector<std::string>& args,
                          const std::string& directory) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // An executable without a "#!" line runs through /bin/sh, as every shell and execvp run it.
    std::vector<char*> shArgv;
    shArgv.push_back(const_cast<char*>("sh"));
    shArgv.push_back(const_cast<char*>(program.c_str()));
    for (std::size_t i = 1; i < args.size(); ++i)
        shArgv.push_back(const_cast<char*>(args[i].c_str()));
    shArgv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return ReasonFor(errno);
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return ReasonFor(error);
    }
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        ::close(pipeFds[0]);
        const pid_t grandchild = ::fork();
        if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
        ::setsid();
        if (::chdir(directory.c_str()) != 0) {
            // The directory vanished since it was checked; the program starts where we are.
        }
        // Signals this program ignores must not stay ignored in what it starts.
        ::signal(SIGPIPE, SIG_DFL);
        ::signal(SIGXFSZ, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execve(program.c_str(), argv.data(), environ);
        if (errno == ENOEXEC) ::execve("/bin/sh", shArgv.data(), environ);
        const int error = errno;
        ssize_t ignored = ::write(pipeFds[1], &error, sizeof error);
        (void)ignored;
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t n;
    do {
        n = ::read(pipeFds[0], &execError, sizeof execError);
    } while (n < 0 && errno == EINTR);
    ::close(pipeFds[0]);
    if (n == static_cast<ssize_t>(sizeof execError)) return ReasonFor(execError);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return ReasonFor(EAGAIN);
    return {};
}

bool IsDesktopEntry(const std::string& path) {
    constexpr std::string_view kSuffix = ".desktop";
    return path.size() > kSuffix.size() &&
           path.compare(path.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
}

// Starts the application a desktop entry describes, as the desktops do (GIO), with the
// parameters as its files or URLs.
std::string LaunchDesktopEntry(const std::string& entry, const std::string& parameters) {
    GDesktopAppInfo* info = g_desktop_app_info_new_from_filename(entry.c_str());
    if (info == nullptr) return "アプリケーションの情報を読めません。";
    GList* files = nullptr;
    for (const std::string& argument : SplitCommandLine(parameters)) {
        files = g_list_append(files, g_file_new_for_commandline_arg(argument.c_str()));
    }
    GError* error = nullptr;
    const gboolean started = g_app_info_launch(G_APP_INFO(info), files, nullptr, &error);
    g_list_free_full(files, g_object_unref);
    g_object_unref(info);
    if (started) return {};
    std::string reason =
        error != nullptr && error->message != nullptr ? error->message : kNoSuchFile;
    if (error != nullptr) g_error_free(error);
    return reason;
}

}  // namespace

std::optional<std::string> SystemShell::ApplicationName(const std::string& path) {
    if (!IsDesktopEntry(path)) return std::nullopt;
    GDesktopAppInfo* info = g_desktop_app_info_new_from_filename(path.c_str());
    if (info == nullptr) return std::nullopt;
    const char* name = g_app_info_get_name(G_APP_INFO(info));
    std::optional<std::string> result;
    if (name != nullptr && *name != '\0') result = name;
    g_object_unref(info);
    return result;
}

std::string SystemShell::Open(const std::string& fileText, const std::string& parameters,
                              const std::string& workingDirectory) {
    // The quotes that keep a path with spaces together on Windows are not part of the name.
    std::string file = fileText;
    if (file.size() >= 2 && file.front() == '"' && file.back() == '"')
        file = file.substr(1, file.size() - 2);
    file = WithHome(file);
    std::string directory = Absolute(WithHome(WithoutInheritedQuote(workingDirectory)));
    if (!IsDirectory(directory)) directory = HomeDirectory();
    if (file.empty()) return kNoSuchFile;

    if (IsDesktopEntry(file) && Exists(Absolute(file)))
        return LaunchDesktopEntry(Absolute(file), parameters);
    std::string program;
    if (!HasUrlScheme(file)) {
        if (file.find('/') != std::string::npos) {
            file = Absolute(file);
            if (IsExecutableFile(file)) program = file;
        } else {
            program = FindOnPath(file);
        }
        if (program.empty() && !Exists(file)) return kNoSuchFile;
    }
    if (!program.empty()) {
        std::vector<std::string> args{file};
        for (std::string& a : SplitCommandLine(parameters)) args.push_back(std::move(a));
        return SpawnDetached(program, args, directory);
    }
    // Documents, folders and URLs go to the desktop's default application.
    if (!HasUrlScheme(file)) file = Absolute(file);
    const std::string opener = FindOnPath("xdg-open");
    if (opener.empty()) return kNoAssociation;
    return SpawnDetached(opener, {"xdg-open", file}, directory);
}

}  // namespace velmora::platform
