#pragma once

class QWidget;

namespace gft::ui {

// With GFT_EXIT_AFTER_FIRST_PAINT=1 in the environment, as soon as window has
// been painted and put on the screen once, the program prints "first paint"
// on standard output and ends (through QCoreApplication::quit, so the normal
// end runs). The start-up benchmark times that; without the variable nothing
// changes.
void ExitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace gft::ui
