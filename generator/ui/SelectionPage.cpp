#include "generator/ui/SelectionPage.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "generator/ui/PageParts.h"

namespace crossword::ui {

namespace {

constexpr int kFrameWidth = 470;
constexpr int kFrameHeight = 340;
constexpr int kTableMargin = 8;    // left edge of the items
constexpr int kInItemIndent = 28;  // the whole-list box stands under its list's name
constexpr int kPageLines = 10;     // lines per large step of the scroll bar

constexpr std::array<const char*, 4> kClassCaptions = {"", "初級おすすめ", "中級おすすめ",
                                                       "上級おすすめ"};

QString TextOf(const std::u32string& text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SelectionPage::SelectionPage(QWidget* parent, IndexSectionKind kind) : QFrame(parent), kind_(kind) {
  const bool categories = kind == IndexSectionKind::Category;
  const QString stem = categories ? "Category" : "BlockList";
  itemName_ = "chk" + stem;
  setObjectName(ControlName("fraPage", categories ? 4 : 5));
  cmdOk = MakeButton(this, "ＯＫ", ControlName("cmd" + stem, 2));

  frame_ = new QFrame(this);
  frame_->setObjectName("frm" + stem + "Frame");
  frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame_->setFixedSize(kFrameWidth, kFrameHeight);
  frame_->setAutoFillBackground(true);
  frame_->setPalette(QPalette(Qt::white));
  // The table scrolls inside the frame's border, never over it.
  auto* viewport = new QWidget(frame_);
  viewport->setGeometry(frame_->contentsRect());
  table_ = new QWidget(viewport);
  table_->setObjectName("frm" + stem + "Table");
  table_->setAutoFillBackground(true);
  table_->setPalette(QPalette(Qt::white));
  scrollBar_ = MakeScrollBar(this, Qt::Vertical, "vsc" + stem, 0, 0, 1);
  scrollBar_->setFixedHeight(kFrameHeight);
  for (QWidget* part : {static_cast<QWidget*>(frame_), viewport, table_}) {
    part->installEventFilter(this);
  }
  connect(scrollBar_, &QScrollBar::valueChanged, table_,
          [this](int value) { table_->move(0, -value); });
  boxHeight_ = QCheckBox(this).sizeHint().height();
  lineHeight_ = boxHeight_ + boxHeight_ / 3;

  QLabel* title = MakeLabel(this, categories ? "出題分野の指定" : "一覧データの指定");
  QFont font = title->font();
  font.setBold(true);
  title->setFont(font);
  auto* tableRow = new QHBoxLayout;
  tableRow->setSpacing(0);
  tableRow->addWidget(frame_);
  tableRow->addWidget(scrollBar_);
  tableRow->addSpacing(16);
  tableRow->addLayout(MakeClassButtons());
  tableRow->addStretch();
  auto* page = new QVBoxLayout(this);
  page->addWidget(title);
  page->addLayout(tableRow);
  page->addStretch();
  SizeTable(0);
}

QLayout* SelectionPage::MakeClassButtons() {
  const QString name =
      kind_ == IndexSectionKind::Category ? "cmdCategoryClass" : "cmdBlockListClass";
  auto* column = new QVBoxLayout;
  for (int i = 1; i <= 3; ++i) {
    cmdClass[i] = MakeButton(this, kClassCaptions[i], ControlName(name, i));
    cmdClass[i]->setMinimumWidth(cmdClass[i]->sizeHint().width() + 16);
    column->addWidget(cmdClass[i]);
  }
  column->addStretch();
  cmdOk->setMinimumWidth(cmdClass[1]->minimumWidth());
  column->addWidget(cmdOk);
  return column;
}

void SelectionPage::BuildTable(const IndexSection& section) {
  ClearTable();
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind == IndexRow::Kind::Heading) AddHeading(row);
    if (row.RowKind == IndexRow::Kind::Item) AddItem(row);
  }
  SizeTable(section.TableLineCount);
}

void SelectionPage::ShowItem(int i, const ItemChoice& item, const ItemChoice* inItem) {
  itemBoxes_.at(i)->setChecked(item.On);
  itemBoxes_.at(i)->setEnabled(item.Open);
  if (inItem == nullptr) return;
  inItemBoxes_.at(i)->setChecked(inItem->On);
  inItemBoxes_.at(i)->setEnabled(inItem->Open);
}

void SelectionPage::ClearTable() {
  qDeleteAll(table_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  itemBoxes_.assign(1, nullptr);
  inItemBoxes_.assign(1, nullptr);
  headings_.clear();
}

void SelectionPage::AddHeading(const IndexRow& row) {
  const QString prefix = kind_ == IndexSectionKind::Category ? "lblCategory" : "lblBlockList";
  auto* label = MakeLabel(table_, TextOf(row.Text),
                          ControlName(prefix, static_cast<int>(headings_.size()) + 1));
  label->move(kTableMargin, LineTop(row.TableLine));
  label->setFixedHeight(boxHeight_);
  label->installEventFilter(this);
  label->show();
  headings_.push_back(label);
}

void SelectionPage::AddItem(const IndexRow& row) {
  const int i = static_cast<int>(itemBoxes_.size());
  QCheckBox* box = AddBox(TextOf(row.Text), ControlName(itemName_, i), row.TableLine, 0);
  box->setProperty("tag", row.Number);
  connect(box, &QCheckBox::clicked, this, [this, i](bool checked) {
    if (OnItemClicked) OnItemClicked(i, checked);
  });
  itemBoxes_.push_back(box);
  if (kind_ != IndexSectionKind::List) return;
  QCheckBox* whole =
      AddBox("全体で１問出題", ControlName("chkInBlockList", i), row.TableLine + 1, kInItemIndent);
  connect(whole, &QCheckBox::clicked, this, [this, i](bool checked) {
    if (OnInItemClicked) OnInItemClicked(i, checked);
  });
  inItemBoxes_.push_back(whole);
}

QCheckBox* SelectionPage::AddBox(const QString& caption, const QString& name, int tableLine,
                                 int indent) {
  auto* box = new QCheckBox(caption, table_);
  box->setObjectName(name);
  box->move(kTableMargin + indent, LineTop(tableLine));
  box->adjustSize();
  box->installEventFilter(this);
  box->show();
  return box;
}

bool SelectionPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QFrame::eventFilter(watched, event);
  QCoreApplication::sendEvent(scrollBar_, event);
  return true;
}

int SelectionPage::LineTop(int tableLine) const {
  return (tableLine - 1) * lineHeight_ + boxHeight_ / 2;
}

void SelectionPage::SizeTable(int tableLines) {
  const int height = tableLines * lineHeight_ + boxHeight_ / 2;
  const QSize viewport = table_->parentWidget()->size();
  table_->setGeometry(0, 0, viewport.width(), height);
  scrollBar_->setRange(0, std::max(height - viewport.height(), 0));
  scrollBar_->setSingleStep(lineHeight_);
  scrollBar_->setPageStep(kPageLines * lineHeight_);
  scrollBar_->setValue(0);
}

}  // namespace crossword::ui
