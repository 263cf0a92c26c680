#include "dictionary/WordTables.h"

namespace crossword {

std::string TableName(int length) {
  return "L" + std::to_string(length);
}

std::string YFieldName(int k) {
  return "Y" + std::to_string(k);
}

std::vector<WordField> WordFieldsOf(int length) {
  std::vector<WordField> fields = {{"ID", FieldKind::WholeNumber}, {"Yst", FieldKind::Text}};
  for (int k = 1; k <= length; ++k) fields.push_back({YFieldName(k), FieldKind::Text});
  for (const char* name : {"Qst", "Ast"}) fields.push_back({name, FieldKind::Text});
  for (const char* name : {"CN", "BN", "QN", "AN", "SN"}) {
    fields.push_back({name, FieldKind::WholeNumber});
  }
  return fields;
}

}  // namespace crossword
