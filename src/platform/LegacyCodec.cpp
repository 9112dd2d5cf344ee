#include "platform/LegacyCodec.h"

namespace velmora::platform {

// The code page's conversions are each system's own (LegacyCodec_*.cpp).
std::string SystemLegacyCodec::DecodeLegacy(std::string_view bytes) {
    return DecodeLegacyText(bytes);
}

std::optional<std::string> SystemLegacyCodec::EncodeLegacy(std::string_view utf8) {
    return EncodeLegacyText(utf8);
}

}  // namespace velmora::platform
