#include "platform/FileReplace_windows.h"

namespace velmora::platform {

namespace {

constexpr int kTries = 10;
constexpr DWORD kPauseMs = 50;

// Another program has the file open for a moment (a virus scanner, the search indexer, a backup).
bool Transient(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

template <typename Call>
DWORD WithRetries(const ReplaceCalls& calls, Call call) {
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (attempt > 0) calls.pause(kPauseMs);
        if (call()) return ERROR_SUCCESS;
        error = ::GetLastError();
        if (!Transient(error)) break;
    }
    return error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error;
}

}  // namespace

ReplaceOutcome ReplaceWithTemporary(const std::wstring& target, const std::wstring& temporary,
                                    bool targetExists, const ReplaceCalls& calls) {
    const auto move = [&] {
        return WithRetries(calls,
                           [&] { return calls.moveFile(temporary.c_str(), target.c_str()); });
    };
    if (!targetExists) return {move(), false};
    const DWORD replaceError =
        WithRetries(calls, [&] { return calls.replaceFile(target.c_str(), temporary.c_str()); });
    if (replaceError == ERROR_SUCCESS) return {};
    if (replaceError != ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
        replaceError != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        return {replaceError, false};  // the target is as it was
    }
    // The target is gone (1176) or renamed away (1177): the new text exists only in the
    // temporary file, which goes into the target's place or, failing that, stays.
    const DWORD moveError = move();
    if (moveError == ERROR_SUCCESS) return {};
    return {moveError, true};
}

}  // namespace velmora::platform
