// Started by the shell test: writes its current directory and its arguments, one per line in
// brackets, to rec-out.txt in that directory (UTF-8), through a temporary file and a rename.
#include <windows.h>

#include <string>

namespace {
std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
    return s;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    wchar_t dir[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, dir);
    std::string out = Utf8(dir) + "\n";
    for (int i = 1; i < argc; ++i) out += "[" + Utf8(argv[i]) + "]\n";
    HANDLE f = CreateFileW(L"rec-out.tmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(f, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    CloseHandle(f);
    MoveFileExW(L"rec-out.tmp", L"rec-out.txt", MOVEFILE_REPLACE_EXISTING);
    return 0;
}
