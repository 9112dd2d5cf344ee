#include <gtest/gtest.h>

#include "core/panel/DropRule.h"
#include "core/ui/Layout.h"
#include "core/ui/Texts.h"

using namespace velmora;

TEST(Texts, PlainLabelsDropTheAccessKeyMarks) {
    EXPECT_EQ(texts::WithoutAccessKeyMarks(texts::kArgumentLabel), "引数 D&D");
    EXPECT_EQ(texts::WithoutAccessKeyMarks("終了(&E)"), "終了(E)");
    EXPECT_EQ(texts::WithoutAccessKeyMarks("a&"), "a&");
    EXPECT_EQ(texts::ItemLimitMessage(10000), "アイテム数は 10000 個までです。");
}

TEST(Twips, LayoutsBecomePixelsAtTheScreensDpi) {
    EXPECT_DOUBLE_EQ(TwipsPerPixelForDpi(96), 15);
    EXPECT_DOUBLE_EQ(TwipsPerPixelForDpi(144), 10);
    EXPECT_DOUBLE_EQ(TwipsPerPixelForDpi(0), 15);
    EXPECT_EQ(ToPixels(layout::panel::kList, 15, 15), (PixelRect{4, 44, 165, 355}));
    EXPECT_EQ(ToPixels(layout::panel::kList, 10, 10),
              (PixelRect{6, 66, 248, 532}));  // 247.5 -> 248
    EXPECT_EQ(TwipsToPixels(layout::panel::kWidth, 15), 173);
    EXPECT_EQ(TwipsToPixels(layout::panel::kHeight, 15), 449);
    const TwipRect exit = InFrame(layout::panel::kButtonBar, layout::panel::kExitButton);
    EXPECT_DOUBLE_EQ(exit.left, 60);
    EXPECT_DOUBLE_EQ(exit.top, 60);
}

TEST(DropRule, TextBeforeFilesButAFileDragsUrlTextIsAFileList) {
    DropData both;
    both.offersFiles = true;
    both.files = {"/a b.txt", "/c"};
    both.text = "file:///a%20b.txt\r\nfile:///c\n";
    ForgetFileUrlText(both);
    ASSERT_TRUE(ReadDroppedContent(both));
    EXPECT_EQ(std::get<DroppedFiles>(*ReadDroppedContent(both)), (DroppedFiles{"/a b.txt", "/c"}));
    DropData names;
    names.files = {"/a b.txt"};
    names.text = "/a b.txt\n";
    ForgetFileUrlText(names);
    EXPECT_FALSE(names.text);
    // Only file URLs offered (a Wayland program's drag through Xwayland): the toolkit's text of
    // it is empty, and the files count.
    DropData urlsOnly;
    urlsOnly.offersFiles = true;
    urlsOnly.files = {"/a"};
    urlsOnly.text = "";
    ForgetFileUrlText(urlsOnly);
    EXPECT_EQ(std::get<DroppedFiles>(*ReadDroppedContent(urlsOnly)), (DroppedFiles{"/a"}));
    // A drop offering files and a text of the user's: the text first.
    DropData mixed;
    mixed.offersFiles = true;
    mixed.files = {"/a"};
    mixed.text = "file:///a\nhello";
    ForgetFileUrlText(mixed);
    EXPECT_EQ(std::get<DroppedText>(*ReadDroppedContent(mixed)), "file:///a\nhello");
    // URL-looking text without a file list stays text, and an empty text is a text.
    DropData urlText;
    urlText.text = "file:///etc/hosts";
    ForgetFileUrlText(urlText);
    EXPECT_EQ(std::get<DroppedText>(*ReadDroppedContent(urlText)), "file:///etc/hosts");
    DropData text;
    text.text = "";
    EXPECT_EQ(std::get<DroppedText>(*ReadDroppedContent(text)), "");
    DropData emptyList;
    emptyList.offersFiles = true;
    EXPECT_TRUE(std::get<DroppedFiles>(*ReadDroppedContent(emptyList)).empty());
    EXPECT_FALSE(ReadDroppedContent(DropData{}));
}
