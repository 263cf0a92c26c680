#pragma once

#include <string>
#include <vector>

#include "common/GridModel.h"

// The layout of a dictionary file: table "Ln" holds the words whose reading has n letters,
// with the fields below. Reader, writer and checker all take the layout from here.
namespace crossword {

// "L2" .. "L12".
std::string TableName(int length);
// "Y1" .. "Y12": the field of the reading's k-th letter.
std::string YFieldName(int k);

enum class FieldKind { WholeNumber, Text };

struct WordField {
  std::string Name;
  FieldKind Kind;
};

// Every field of table "Ln" in the order the writer creates them.
std::vector<WordField> WordFieldsOf(int length);

}  // namespace crossword
