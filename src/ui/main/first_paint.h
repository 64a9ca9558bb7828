#pragma once

class QWidget;

namespace gft::ui {

// With GFT_EXIT_AFTER_FIRST_PAINT=1 in the environment the program ends
// (through QCoreApplication::quit, so the normal end runs) as soon as window
// has been painted and shown once. The start-up benchmark times that; without
// the variable nothing changes.
void ExitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace gft::ui
