#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/FileStore.h"
#include "core/settings/TextCodec.h"

namespace velmora::testing {

// A small stand-in for CP932: ASCII, and a few Japanese characters with their real CP932 bytes.
// Everything else fails to encode and decodes as U+FFFD, as a real code page does.
struct MiniCp932 {
    static const std::vector<std::pair<std::string, std::string>>& Table() {
        static const std::vector<std::pair<std::string, std::string>> table = {
            {"あ", "\x82\xA0"}, {"ア", "\x83\x41"}, {"表", "\x95\x5C"}, {"示", "\x8E\xA6"},
            {"日", "\x93\xFA"}, {"本", "\x96\x7B"}, {"語", "\x8C\xEA"}, {"☆", "\x81\x99"}};
        return table;
    }
    static std::string Decode(std::string_view bytes) {
        std::string out;
        for (std::size_t i = 0; i < bytes.size();) {
            if (static_cast<unsigned char>(bytes[i]) < 0x80) {
                out += bytes[i++];
                continue;
            }
            bool found = false;
            for (const auto& [utf8, cp932] : Table()) {
                if (bytes.substr(i, 2) == cp932) {
                    out += utf8;
                    i += 2;
                    found = true;
                    break;
                }
            }
            if (!found) {
                out += "\xEF\xBF\xBD";
                ++i;
            }
        }
        return out;
    }
    static std::optional<std::string> Encode(std::string_view utf8) {
        std::string out;
        for (std::size_t i = 0; i < utf8.size();) {
            if (static_cast<unsigned char>(utf8[i]) < 0x80) {
                out += utf8[i++];
                continue;
            }
            bool found = false;
            for (const auto& [u, cp932] : Table()) {
                if (utf8.substr(i, u.size()) == u) {
                    out += cp932;
                    i += u.size();
                    found = true;
                    break;
                }
            }
            if (!found) return std::nullopt;
        }
        return out;
    }
};

// A file system in memory that can be told to fail; it plays the system's text conventions too,
// with MiniCp932 as the legacy code page.
struct MemoryStore : IFileStore, ILegacyCodec {
    std::map<std::string, std::string> files;
    std::map<std::string, std::pair<FileError, std::string>> unreadable;  // path -> why
    FileWriteResult writeResult{true, FileError::None, {}};
    FileWriteResult writable{true, FileError::None, {}};
    // Paths that cannot be saved whatever `writable` says (a read-only program folder, say).
    std::map<std::string, FileWriteResult> notWritable;
    TextForm newFileForm;
    int writes = 0;

    FileReadResult Read(const std::string& path, std::size_t maxBytes) override {
        if (auto it = unreadable.find(path); it != unreadable.end()) {
            return {FileReadResult::Status::Failed, {}, it->second.first, it->second.second};
        }
        auto it = files.find(path);
        if (it == files.end())
            return {FileReadResult::Status::Missing, {}, FileError::NotFound, "missing"};
        if (it->second.size() > maxBytes)
            return {FileReadResult::Status::Failed, {}, FileError::TooLarge, "too big"};
        return {FileReadResult::Status::Ok, it->second, FileError::None, {}};
    }
    FileWriteResult Write(const std::string& path, const std::string& bytes) override {
        ++writes;
        if (writeResult.ok) files[path] = bytes;
        return writeResult;
    }
    FileWriteResult CheckWritable(const std::string& path) override {
        if (auto it = notWritable.find(path); it != notWritable.end()) return it->second;
        return writable;
    }
    bool Exists(const std::string& path) override {
        return files.count(path) != 0 || unreadable.count(path) != 0;
    }
    TextForm NewFileForm() const override { return newFileForm; }
    std::string DecodeLegacy(std::string_view bytes) override { return MiniCp932::Decode(bytes); }
    std::optional<std::string> EncodeLegacy(std::string_view utf8) override {
        return MiniCp932::Encode(utf8);
    }
    bool AsciiIsLegacy() const override { return asciiIsLegacy; }
    bool asciiIsLegacy = false;
};

}  // namespace velmora::testing
