#pragma once

#include <array>

#include "core/ui/Twips.h"

// The layout of every window in twips, its fonts, its tab order and its Enter/Esc rules: the
// one table both front ends place their controls from. Controls inside a frame are given
// relative to the frame; InFrame() turns them into window coordinates.
namespace velmora::layout {

inline constexpr const char* kFontFamily = "ＭＳ ゴシック";
inline constexpr double kFontPoints = 9.75;

// What Enter and Esc press in a dialog: a button index, or kNoButton. Closing the window any
// other way acts like the Esc button.
inline constexpr int kNoButton = -1;
struct DialogKeys {
    int enterButton = kNoButton;
    int escapeButton = kNoButton;
};

namespace panel {
inline constexpr double kWidth = 2595;   // design client width
inline constexpr double kHeight = 6735;  // design client height
inline constexpr int kTickIntervalMs = 250;

inline constexpr TwipRect kList{60, 660, 2475, 5325};
inline constexpr TwipRect kButtonBar{15, 15, 2565, 660};  // frame, no border
inline constexpr TwipRect kExitButton{45, 45, 1155, 255};
inline constexpr TwipRect kSettingsButton{1365, 45, 1155, 255};
inline constexpr TwipRect kSeparatorButton{1365, 345, 1155, 255};
inline constexpr TwipRect kArgumentLabel{45, 345, 1155, 255};  // single-line border, centred
inline constexpr TwipRect kKeyHelp{60, 6000, 2475, 675};       // single-line border, left
inline constexpr TwipRect kAboutFrame{2145, 6030, 375, 315};   // drawn above the key help
inline constexpr TwipRect kAboutButton{0, 0, 375, 255};

// Border lines: the right line's x follows the width (one pixel inside it); the top and bottom
// lines end there.
inline constexpr double kBottomLineY = 6720;

// Keyboard focus order of the controls that take it.
enum class Control { List, Exit, Settings, Separator, About };
inline constexpr std::array kTabOrder = {Control::List, Control::Exit, Control::Settings,
                                         Control::Separator, Control::About};
}  // namespace panel

namespace settings {
inline constexpr double kClientWidth = 3330;
inline constexpr double kClientHeight = 2505;
inline constexpr std::array<TwipRect, 3> kCaptions = {
    TwipRect{60, 60, 2895, 195}, TwipRect{60, 660, 3195, 195}, TwipRect{60, 1320, 3195, 195}};
inline constexpr TwipRect kCornerList{360, 300, 855, 315};
inline constexpr TwipRect kPixelBox{360, 900, 555, 315};
inline constexpr int kPixelMaxLength = 3;
inline constexpr TwipRect kPixelRange{1020, 960, 2235, 255};
inline constexpr TwipRect kWidthList{360, 1560, 1095, 315};
inline constexpr double kRuleY = 1980, kRuleLeft = 60, kRuleRight = 3240;
inline constexpr TwipRect kButtonFrame{60, 2040, 3195, 435};
inline constexpr TwipRect kUpdateButton{60, 60, 1215, 315};
inline constexpr TwipRect kAbortButton{1920, 60, 1215, 315};

enum Button { Update = 0, Abort = 1 };
// No default button: Enter does not confirm.
inline constexpr DialogKeys kKeys{kNoButton, Abort};
enum class Control { CornerList, PixelBox, WidthList, UpdateButton, AbortButton };
inline constexpr std::array kTabOrder = {Control::CornerList, Control::PixelBox, Control::WidthList,
                                         Control::UpdateButton, Control::AbortButton};
}  // namespace settings

namespace item {
inline constexpr double kClientWidth = 7155;
inline constexpr double kClientHeight = 1725;
inline constexpr TwipRect kLabelCaption{60, 60, 1215, 195};
inline constexpr TwipRect kLabelBox{60, 300, 7035, 285};
inline constexpr TwipRect kTargetCaption{60, 660, 1215, 195};
inline constexpr TwipRect kTargetBox{60, 900, 7035, 285};
inline constexpr TwipRect kRightFrame{4680, 1260, 2475, 435};
inline constexpr TwipRect kChangeButton{60, 60, 1095, 315};
inline constexpr TwipRect kAbortButton{1320, 60, 1095, 315};
inline constexpr TwipRect kLeftFrame{60, 1260, 1755, 435};
inline constexpr TwipRect kDuplicateButton{60, 60, 1635, 315};

enum Button { Change = 0, Abort = 1, Duplicate = 2 };
inline constexpr DialogKeys kKeys{Change, Abort};
enum class Control { LabelBox, TargetBox, ChangeButton, AbortButton, DuplicateButton };
inline constexpr std::array kTabOrder = {Control::LabelBox, Control::TargetBox,
                                         Control::ChangeButton, Control::AbortButton,
                                         Control::DuplicateButton};
}  // namespace item

namespace about {
inline constexpr double kClientWidth = 4575;
inline constexpr double kClientHeight = 4050;
inline constexpr double kFontPoints = 9;  // the window's own font
inline constexpr double kTitleFontPoints = 9.75;
inline constexpr TwipRect kTitle{120, 120, 4335, 255};  // single-line border, centred
inline constexpr TwipRect kUpperFrame{240, 420, 4095, 1995};
inline constexpr TwipRect kDescription{180, 240, 3735, 1215};  // wraps; double-click: read-me
inline constexpr TwipRect kBackButton{300, 1560, 3495, 315};
inline constexpr TwipRect kLowerFrame{120, 2460, 4335, 1515};
inline constexpr TwipRect kCredits{120, 180, 4095, 1215};  // multi-line, read-only

enum Button { Back = 0 };
inline constexpr DialogKeys kKeys{Back, Back};
enum class Control { BackButton, Credits };
inline constexpr std::array kTabOrder = {Control::BackButton, Control::Credits};
}  // namespace about

}  // namespace velmora::layout
