#include "core/settings/SettingsRules.h"

#include "core/settings/TextToInteger.h"
#include "core/settings/Utf8.h"

namespace velmora {

namespace {
constexpr std::string_view kConfig = "Config";
constexpr std::string_view kItem = "Item";
}  // namespace

std::string ItemNameKey(int index) { return "ItemName" + std::to_string(index); }
std::string ItemPathKey(int index) { return "ItemPath" + std::to_string(index); }

std::int32_t ReadDigitSetting(const std::string& stored, std::int32_t max) {
    const std::string text = Utf8Length(stored) == 1 ? stored : "0";
    const auto v = TextToInteger(text);
    if (!v || *v < 0 || *v > max) return 0;
    return *v;
}

std::int32_t ReadCapturePixel(const std::string& stored, double halfScreenWidthPx) {
    const std::string text = Utf8Length(stored) > 3 ? "10" : stored;
    const auto v = TextToInteger(text);
    if (!v || *v < 1 || *v > halfScreenWidthPx) return 10;
    return *v;
}

LoadedSettings ReadSettings(const IniDocument& doc, double halfScreenWidthPx) {
    LoadedSettings out;
    Settings& s = out.settings;
    s.WindowPosition = ReadDigitSetting(doc.GetOr(kConfig, "WindowPosition"), 3);
    s.CapturePixel = ReadCapturePixel(doc.GetOr(kConfig, "CapturePixel"), halfScreenWidthPx);
    s.WindowWidth = ReadDigitSetting(doc.GetOr(kConfig, "WindowWidth"), 4);
    int n = 0;
    while (n < kMaxItemCount) {
        std::string label = doc.GetOr(kItem, ItemNameKey(n));
        if (label.empty()) break;
        out.items.push_back({std::move(label), doc.GetOr(kItem, ItemPathKey(n))});
        ++n;
    }
    s.LoadedItemCount = n;
    return out;
}

void WriteSettings(IniDocument& doc, const Settings& s, const std::vector<StoredItem>& items) {
    doc.Set(kConfig, "WindowPosition", std::to_string(s.WindowPosition));
    doc.Set(kConfig, "CapturePixel", std::to_string(s.CapturePixel));
    doc.Set(kConfig, "WindowWidth", std::to_string(s.WindowWidth));
    const int count = static_cast<int>(items.size());
    for (int i = 0; i < count; ++i) {
        doc.Set(kItem, ItemNameKey(i), items[i].label);
        doc.Set(kItem, ItemPathKey(i), items[i].target);
    }
    // Up to and including LoadedItemCount: the key that ended the list at start-up goes too.
    for (int i = count; i <= s.LoadedItemCount; ++i) {
        doc.Remove(kItem, ItemNameKey(i));
        doc.Remove(kItem, ItemPathKey(i));
    }
}

}  // namespace velmora
