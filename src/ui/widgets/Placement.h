#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window that accompanies the main one opens (the Kecocokan panel,
// the keyboard list, the birthdays): beside it, right, left, below or above,
// the first side where the screen has room for all of it; else, of those
// places moved onto the screen, the one that covers least of `keep` (the
// chart). Global coordinates; `size` is the new window's frame.
QPoint BesidePosition(const QRect& main, const QSize& size, const QRect& screen, const QRect& keep);

// `window` moved there before it is shown, beside `main`, keeping its child
// named "chart" (else all of it) in view where it can.
void PlaceBeside(QWidget* window, const QWidget* main);
