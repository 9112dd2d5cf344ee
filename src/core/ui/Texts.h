#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/ports/FileStore.h"

namespace velmora::texts {

// Every text the windows show, shared by both front ends. Captions use the access-key markup of
// buttons on both systems: "&" marks the key, "&&" shows one "&".

// The title of every message box.
inline constexpr const char* kMessageTitle = "処理中断";

// The panel.
inline constexpr const char* kExitButton = "終了(&E)";
inline constexpr const char* kSettingsButton = "設定(&C)";
inline constexpr const char* kSeparatorButton = "空白(&S)";
inline constexpr const char* kArgumentLabel = "引数 D&&D";
inline constexpr const char* kAboutButton = "？";
inline constexpr const char* kKeyHelp = "削除： DEL キー\r\n上へ： Alt+↑\r\n下へ： Alt+↓";
inline constexpr const char* kArgumentHelp =
    "ここにファイルやテキストをドラッグ＆ドロップすると、次回だけの引数に出来ます。";
inline constexpr const char* kSeparatorLabel = "--------------------";

// The settings dialog. The order of the list entries is the meaning of the stored numbers.
inline constexpr const char* kSettingsTitle = "設定";
inline constexpr std::array<const char*, 3> kSettingsCaptions = {
    "1. マウスカーソル反応場所", "2. マウスカーソル捕捉ピクセル", "3. メインウィンドウ幅"};
inline constexpr std::array<const char*, 4> kCornerChoices = {"右上", "右下", "左上", "左下"};
inline constexpr std::array<const char*, 5> kWidthChoices = {"標準", "1.5 倍", "2 倍", "2.5 倍",
                                                             "3 倍"};
inline constexpr const char* kPixelRange = "（1～999）";
inline constexpr const char* kUpdateButton = "更新(&U)";
inline constexpr const char* kAbortButton = "中断(&A)";

// The item dialog.
inline constexpr const char* kItemTitle = "情報変更";
inline constexpr const char* kLabelCaption = "表示ラベル";
inline constexpr const char* kTargetCaption = "ファイル名";
inline constexpr const char* kChangeButton = "変更(&U)";
inline constexpr const char* kDuplicateButton = "コピー生成(&D)";

// The About window.
inline constexpr const char* kAboutTitle = "バージョン情報";
inline constexpr const char* kBackButton = "戻る";
inline constexpr const char* kReadmeFileName = "読んで☆.txt";

// The buttons of a message that offers to try again.
inline constexpr const char* kRetryButton = "再試行(&R)";
inline constexpr const char* kCancelButton = "キャンセル";

// Messages.
inline constexpr const char* kPixelRangeMessage = "1～999 の値を入力してください。";
inline constexpr const char* kEmptyLabelMessage = "表示ラベルは空に出来ません。";
inline constexpr const char* kEmptyTargetMessage = "ファイル名が空であってはなりません。";
std::string ItemLimitMessage(int maxItems);
std::string LaunchFailedMessage(std::string_view file, std::string_view reason);
std::string SaveFailedMessage(std::string_view path, std::string_view reason);
std::string NotOverwrittenMessage(std::string_view path, std::string_view reason);
std::string FaultMessage(std::string_view what);
// A failed save at the end, with the way out: try again, or end without saving.
std::string SaveRetryMessage(std::string_view failure);
std::string NotWritableMessage(std::string_view path, std::string_view reason);
std::string AlreadyRunningMessage(std::string_view path);
std::string StartFailedMessage(std::string_view reason);

// Why a file operation failed, in Japanese for the common failures, else the system's text.
std::string FileErrorReason(FileError kind, std::string_view systemText);

// A caption as a plain label shows it, without access-key markup ("引数 D&&D" -> "引数 D&D").
std::string WithoutAccessKeyMarks(std::string_view caption);

}  // namespace velmora::texts
