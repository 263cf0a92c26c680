#pragma once

#include <QWidget>

namespace crossword::ui {

// Enter, like Space, presses the push button that has the focus. Outside a dialog Qt
// gives Enter only to auto-default buttons; every button of `window` becomes one.
void LetEnterPressButtons(QWidget& window);

// A frame in the highlight colour inside the widget's edge, for controls whose look shows
// no focus of its own (labels, scroll bars). Call at the end of the widget's paintEvent.
void PaintFocusFrame(QWidget& widget);

}  // namespace crossword::ui
