#pragma once

#include <functional>

class QWidget;

namespace gft::ui {

// Runs then once, as soon as window has been painted and put on the screen
// for the first time: queued on the window's first paint event, so the
// children's paint and the flush to the screen that follow in the same
// repaint are done before it runs.
void AfterFirstPaint(QWidget& window, std::function<void()> then);

// With GFT_EXIT_AFTER_FIRST_PAINT=1 in the environment, after the first paint
// the program prints "first paint" on standard output and ends (through
// QCoreApplication::quit, so the normal end runs, after whatever else the
// first paint queued). The start-up benchmark times that; without the
// variable nothing changes.
void ExitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace gft::ui
