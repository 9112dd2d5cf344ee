#pragma once

// The last step of a safe save on Windows: the flushed temporary file takes the settings file's
// place. Apart from the store so that its failure paths can be driven in tests.
#include <windows.h>

#include <functional>
#include <string>

namespace velmora::platform {

// The calls it makes; tests make them fail the ways Windows can.
struct ReplaceCalls {
    std::function<BOOL(LPCWSTR target, LPCWSTR replacement)> replaceFile = [](LPCWSTR t,
                                                                              LPCWSTR r) {
        return ::ReplaceFileW(t, r, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    };
    std::function<BOOL(LPCWSTR from, LPCWSTR to)> moveFile = [](LPCWSTR f, LPCWSTR t) {
        return ::MoveFileExW(f, t, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    };
    std::function<void(DWORD milliseconds)> pause = [](DWORD ms) { ::Sleep(ms); };
};

struct ReplaceOutcome {
    DWORD error = ERROR_SUCCESS;  // ERROR_SUCCESS: the target holds the new text
    // On failure: the temporary file is the only copy of the settings (the target is gone or
    // was renamed away), and must not be deleted.
    bool keepTemporary = false;
};

// Moves `temporary` over `target` (ReplaceFileW for an existing target, keeping its attributes
// and rights; MoveFileExW for a new one). A scanner or indexer holding the file is waited out for
// a moment. When ReplaceFileW fails after it took the target away (1176, 1177), the temporary file
// is moved into its place instead, and when that fails too it is kept.
ReplaceOutcome ReplaceWithTemporary(const std::wstring& target, const std::wstring& temporary,
                                    bool targetExists, const ReplaceCalls& calls = {});

}  // namespace velmora::platform
