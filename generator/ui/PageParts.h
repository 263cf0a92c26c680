#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QString>

// Small builders the pages share, so that every control gets its name the same way.
namespace crossword::ui {

// A control's name; an element of a control array is named like "cmdNext(2)".
QString ControlName(const QString& name, int index = 0);

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& name = QString());
// A label showing a value: sunken, so it reads as a field rather than a caption.
QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& text);
QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& name);
QScrollBar* MakeScrollBar(QWidget* parent, Qt::Orientation orientation, const QString& name,
                          int minimum, int maximum, int largeStep);
// A plain frame grouping the controls of one subject.
QFrame* MakeGroupFrame(QWidget* parent);

}  // namespace crossword::ui
