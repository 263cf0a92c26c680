#pragma once

#include <functional>
#include <string>
#include <vector>

// A numbered message of a program's catalogue as data: both windows show it in a modal
// box, and wright prints it, from the same text.
namespace crossword {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { Information, Question, Exclamation };

// The button the user pressed.
enum MessageAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct CatalogueMessage {
  std::string Title;
  std::vector<std::string> Lines;  // UTF-8, without line ends
  MessageButtons Buttons = MessageButtons::Ok;
  MessageIcon Icon = MessageIcon::Exclamation;
  MessageAnswer DefaultAnswer = AnswerOk;
  bool Foreground = true;         // brought in front of other windows
  bool EndsWithLineBreak = true;  // the help box's last line has none

  // The lines, each followed by CR LF (the last one too unless EndsWithLineBreak is false).
  std::string Text() const;
};

// Shows catalogue message `number` and returns the answer; how an engine part asks.
using AskMessage = std::function<MessageAnswer(int number)>;

}  // namespace crossword
