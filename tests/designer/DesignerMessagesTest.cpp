#include <gtest/gtest.h>

#include "designer/engine/DesignerMessages.h"
#include "designer/engine/GridDesigner.h"

namespace crossword {
namespace {

bool Holds(const CatalogueMessage& message, const std::string& text) {
  return message.Text().find(text) != std::string::npos;
}

// What the author can do with each box: the buttons, the icon that says how grave it is and
// the button Enter presses. A question that lets a doubtful grid through must not go on by
// Enter, and each box's text must speak of the buttons it has.
TEST(DesignerMessages, ButtonsIconsAndDefaultsAgreeWithTheText) {
  struct Kind {
    int number;
    MessageButtons buttons;
    MessageIcon icon;
    MessageAnswer defaultAnswer;
  };
  const auto ask = MessageButtons::YesNo;
  const auto choose = MessageButtons::OkCancel;
  const auto note = MessageButtons::Ok;
  const std::vector<Kind> kinds = {
      {1, ask, MessageIcon::Information, AnswerNo},
      {2, ask, MessageIcon::Information, AnswerNo},
      {3, ask, MessageIcon::Information, AnswerNo},
      {4, note, MessageIcon::Exclamation, AnswerOk},
      {5, note, MessageIcon::Exclamation, AnswerOk},
      {6, ask, MessageIcon::Information, AnswerNo},
      {7, note, MessageIcon::Exclamation, AnswerOk},
      {8, note, MessageIcon::Exclamation, AnswerOk},
      {9, choose, MessageIcon::Question, AnswerOk},
      {10, note, MessageIcon::Exclamation, AnswerOk},
      {11, note, MessageIcon::Exclamation, AnswerOk},
      {21, ask, MessageIcon::Information, AnswerNo},
      {99, choose, MessageIcon::Question, AnswerOk},
      {1001, note, MessageIcon::Exclamation, AnswerOk},
  };
  for (const Kind& kind : kinds) {
    const CatalogueMessage message = DesignerMessage(kind.number, {});
    EXPECT_EQ(message.Buttons, kind.buttons) << kind.number;
    EXPECT_EQ(message.Icon, kind.icon) << kind.number;
    EXPECT_EQ(message.DefaultAnswer, kind.defaultAnswer) << kind.number;
    EXPECT_TRUE(message.Foreground) << kind.number;
    EXPECT_FALSE(message.Title.empty()) << kind.number;
    EXPECT_TRUE(message.Text().ends_with("\r\n")) << kind.number;
    EXPECT_EQ(Holds(message, "次に進みますか？"), kind.buttons == ask) << kind.number;
    EXPECT_EQ(message.Lines.back() == "[はい]で次に進みます", kind.buttons == ask) << kind.number;
    EXPECT_EQ(Holds(message, "[キャンセル]でプログラムを終了します。"), kind.buttons == choose)
        << kind.number;
  }
}

// Each box names the file it is about, and no other.
TEST(DesignerMessages, FileNamesGoWhereTheyBelong) {
  const DesignerMessageValues values{"make.gst", "words.lxd", "read.gst", 20, 21};
  const auto names = [&](int number) {
    const CatalogueMessage message = DesignerMessage(number, values);
    return std::vector<bool>{Holds(message, "(make.gst)"), Holds(message, "(words.lxd)"),
                             Holds(message, "(read.gst)")};
  };
  EXPECT_EQ(names(DesignerMsg::GridFileUnusable), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(names(DesignerMsg::GridFileFollows), (std::vector<bool>{true, true, false}));
  EXPECT_EQ(names(DesignerMsg::GridFileMade), (std::vector<bool>{true, false, false}));
}

// The numbers the boxes tell are the ones the designer works with.
TEST(DesignerMessages, TheNumbersToldAreTheDesignersOwn) {
  EXPECT_EQ(DesignerMessage(21, {"", "", "", 20, 21}).Lines[0],
            "マス目の総計が 420 になっています。");
  EXPECT_TRUE(Holds(DesignerMessage(DesignerMsg::NoLayoutFound, {}),
                    " " + std::to_string(MakeMasBarAttempts) + " 回挑戦しました。"));
  EXPECT_TRUE(Holds(DesignerMessage(DesignerMsg::WordTooLong, {}),
                    " " + std::to_string(AnswerLenMax) + "文字の単語まで"));
}

TEST(DesignerMessages, TheHelpBoxStaysBehindAndEndsWithoutALineBreak) {
  const CatalogueMessage help = DesignerMessage(10001, {});
  EXPECT_EQ(help.Title, "ヘルプ");
  EXPECT_FALSE(help.Foreground);
  EXPECT_EQ(help.Buttons, MessageButtons::Ok);
  EXPECT_EQ(help.Icon, MessageIcon::Information);
  ASSERT_EQ(help.Lines.size(), 4u);
  EXPECT_EQ(help.Lines[0], "グリッドライト　バージョン３．０４");
  EXPECT_TRUE(help.Text().ends_with("\r\n" + std::string(35, '-')));
}

TEST(DesignerMessages, AnUnknownNumberIsRefused) {
  for (int number : {0, 12, 100, 1000}) {
    EXPECT_THROW(DesignerMessage(number, {}), std::out_of_range) << number;
  }
}

}  // namespace
}  // namespace crossword
