#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class ComboPicker;
class QLabel;
class QPushButton;
class QWidget;

// The window's designed look: twip positions, Windows faces and colours.
namespace FormLayout {

// Twips to logical pixels, rounded.
int Px(int twips);
void PlaceTwips(QWidget* w, int left, int top, int width, int height);

// A Windows face at a point size, sized in pixels at 15 twips per pixel so
// the text keeps its designed size on every screen.
QFont Face(const char* windowsName, double points, bool bold = false);

// Background (none when invalid) and text colour of a control.
void Colour(QWidget* w, const QColor& back, const QColor& text);

// The window's labels, drop-down pickers and push buttons at their twip
// places, in their designed faces. A label without colours has the system's.
QLabel* AddLabel(QWidget* parent, const char* caption, Qt::Alignment align, int left, int top,
                 int width, const QColor& back = QColor(), const QColor& text = QColor());
ComboPicker* AddPicker(QWidget* parent, int left, int top, int width);
// `kept`: the caption follows the language (one the program changes keeps its own).
QPushButton* AddButton(QWidget* parent, const char* caption, int left, int top, int width,
                       bool kept = true);

// The Exit item's bitmap: a door with an arrow leaving it.
QIcon ExitBitmap();

} // namespace FormLayout
