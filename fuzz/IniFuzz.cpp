// Any file content: parsing never fails, a save of what was read reads back the same, and any
// text stored as a value comes back unchanged. The UTF-8 codec under it: valid text is exactly
// what its code points encode to, and survives a trip through UTF-16.
#include "FuzzInput.h"
#include "core/settings/SettingsRules.h"
#include "core/settings/TextCodec.h"
#include "core/settings/Utf8.h"

using namespace velmora;
using velmora::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::Parse(text);
    const LoadedSettings loaded = ReadSettings(doc, 640);
    Require(loaded.items.size() <= 10000);

    WriteSettings(doc, loaded.settings, loaded.items);
    const LoadedSettings again = ReadSettings(IniDocument::Parse(doc.Serialize()), 640);
    Require(again.items.size() == loaded.items.size());
    for (std::size_t i = 0; i < loaded.items.size(); ++i) {
        Require(again.items[i].label == loaded.items[i].label);
        Require(again.items[i].target == loaded.items[i].target);
    }
    Require(again.settings.WindowPosition == loaded.settings.WindowPosition);
    Require(again.settings.CapturePixel == loaded.settings.CapturePixel);
    Require(again.settings.WindowWidth == loaded.settings.WindowWidth);

    IniDocument values;
    values.Set("Item", "ItemPath0", text);
    Require(IniDocument::Parse(values.Serialize()).Get("Item", "ItemPath0") == text);

    std::string encoded;
    std::size_t codePoints = 0;
    for (std::size_t i = 0; i < text.size(); ++codePoints)
        AppendUtf8(encoded, NextCodePoint(text, i));
    Require(codePoints == Utf8Length(text));
    Require((encoded == text) == IsValidUtf8(text));
    Require(IsValidUtf8(encoded));
    for (const bool bigEndian : {false, true})
        Require(Utf16ToUtf8(Utf8ToUtf16(text, bigEndian), bigEndian) == encoded);
    return 0;
}
