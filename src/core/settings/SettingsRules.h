#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/IniDocument.h"
#include "core/settings/Settings.h"

namespace velmora {

struct StoredItem {
    std::string label;
    std::string target;
};

struct LoadedSettings {
    Settings settings;
    std::vector<StoredItem> items;
};

// The one-character rule for WindowPosition and WindowWidth.
std::int32_t ReadDigitSetting(const std::string& stored, std::int32_t max);

// CapturePixel against half the primary screen's width in pixels (not rounded).
std::int32_t ReadCapturePixel(const std::string& stored, double halfScreenWidthPx);

// Reads the three settings and the items, falling back silently wherever a value is unusable.
LoadedSettings ReadSettings(const IniDocument& doc, double halfScreenWidthPx);

// Applies the save's sequence of key writes and stale-key deletions to the document.
void WriteSettings(IniDocument& doc, const Settings& settings,
                   const std::vector<StoredItem>& items);

std::string ItemNameKey(int index);
std::string ItemPathKey(int index);

}  // namespace velmora
