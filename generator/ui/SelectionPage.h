#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <functional>
#include <vector>

#include "dictionary/IndexFile.h"
#include "dictionary/QuestionSelection.h"

// Pages 4 and 5: the table of categories or of lists read from the dictionary's index
// file, one check box per item and a label per heading, on a white table that scrolls
// inside its frame. A list item has a second box, "全体で１問出題", on the line below.
namespace crossword::ui {

class SelectionPage : public QFrame {
 public:
  SelectionPage(QWidget* parent, IndexSectionKind kind);

  // Builds the table anew from the rows of its section, every box as the model shows it.
  void BuildTable(const IndexSection& section);
  // Item i's boxes as the model holds them; `inItem` only on the list page.
  void ShowItem(int i, const ItemChoice& item, const ItemChoice* inItem = nullptr);

  // Clicks on item i's boxes, with the state the user gave the box.
  std::function<void(int i, bool checked)> OnItemClicked;
  std::function<void(int i, bool checked)> OnInItemClicked;

  QWidget* Table() const { return table_; }  // frmCategoryTable or frmBlockListTable
  QCheckBox* ItemBox(int i) const { return itemBoxes_.at(i); }
  QCheckBox* InItemBox(int i) const { return inItemBoxes_.at(i); }
  int ItemCount() const { return static_cast<int>(itemBoxes_.size()) - 1; }
  std::vector<QLabel*> Headings() const { return headings_; }

  std::array<QPushButton*, 4> cmdClass{};  // 1..3 "初級おすすめ".."上級おすすめ"; 0 unused
  QPushButton* cmdOk;                      // cmdCategory(2) or cmdBlockList(2)

 protected:
  // The wheel over the table, its boxes, headings or frame scrolls it as over its bar.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* MakeClassButtons();
  void ClearTable();
  void AddHeading(const IndexRow& row);
  void AddItem(const IndexRow& row);
  QCheckBox* AddBox(const QString& caption, const QString& name, int tableLine, int indent);
  int LineTop(int tableLine) const;
  void SizeTable(int tableLines);

  IndexSectionKind kind_;
  QString itemName_;  // chkCategory or chkBlockList
  QFrame* frame_;
  QWidget* table_;
  QScrollBar* scrollBar_;
  int boxHeight_;                                 // height of one check box
  int lineHeight_;                                // one table line
  std::vector<QCheckBox*> itemBoxes_{nullptr};    // item 1..; element 0 unused
  std::vector<QCheckBox*> inItemBoxes_{nullptr};  // list page only
  std::vector<QLabel*> headings_;
};

}  // namespace crossword::ui
