#include <gtest/gtest.h>

#include "generator/engine/GeneratorMessages.h"

namespace crossword {
namespace {

const MessageValues kValues{"/home/author/", "標準日本語辞書.gst", "標準日本語辞書.pzs", 50};

TEST(GeneratorMessages, NumbersAndPathsStandInTheirLines) {
  const CatalogueMessage tries = GeneratorMessage(10, kValues);
  EXPECT_EQ(tries.Lines.front(), "クロスワードの作成に 50 回挑戦しました。");
  EXPECT_EQ(tries.Lines.size(), 8u);
  EXPECT_EQ(GeneratorMessage(5, kValues).Lines[2],
            "マス設定ファイル(/home/author/標準日本語辞書.gst)で指定されている");
  const CatalogueMessage made = GeneratorMessage(1001, kValues);
  EXPECT_EQ(made.Text(),
            "新しいパズセットファイル(標準日本語辞書.pzs)が生成されました。\r\n\r\n"
            "Solvewrightを起動して、このファイルを読み込み\r\n"
            "クロスワードパズルを楽しみください。\r\n\r\n");
}

TEST(GeneratorMessages, ButtonsIconsAndTheHelpBoxDiffer) {
  const CatalogueMessage ask = GeneratorMessage(9, kValues);
  EXPECT_EQ(ask.Buttons, MessageButtons::OkCancel);
  EXPECT_EQ(ask.Icon, MessageIcon::Question);
  EXPECT_TRUE(ask.Foreground);
  EXPECT_EQ(GeneratorMessage(101, kValues).Lines[3],
            "（チェックをはすしすぎた）ためだと思われます。");

  const CatalogueMessage help = GeneratorMessage(10001, kValues);
  EXPECT_EQ(help.Icon, MessageIcon::Information);
  EXPECT_FALSE(help.Foreground);
  EXPECT_TRUE(help.Text().ends_with("\r\n" + std::string(35, '-')));
  EXPECT_THROW(GeneratorMessage(6, kValues), std::invalid_argument);
}

}  // namespace
}  // namespace crossword
