#pragma once

// The drawings the table of skin images (table/skinimages.def) names. Each
// paints one image of the given layout size in one state on the canvas.

#include "canvas.h"

namespace SkinPainter {

using Drawing = QImage (*)(const Canvas &canvas, QSize size, State state);

// buttons.cpp
QImage outlinedButton(const Canvas &canvas, QSize size, State state);
QImage filledButton(const Canvas &canvas, QSize size, State state);
QImage homeButton(const Canvas &canvas, QSize size, State state);
QImage homeIcon(const Canvas &canvas, QSize size, State state);
QImage menuGlyphButton(const Canvas &canvas, QSize size, State state);
QImage minimiseGlyphButton(const Canvas &canvas, QSize size, State state);
QImage closeGlyphButton(const Canvas &canvas, QSize size, State state);
QImage addToolIcon(const Canvas &canvas, QSize size, State state);
QImage deleteToolIcon(const Canvas &canvas, QSize size, State state);
QImage clearToolIcon(const Canvas &canvas, QSize size, State state);
QImage fileAddButton(const Canvas &canvas, QSize size, State state);
QImage dialogCloseButton(const Canvas &canvas, QSize size, State state);
QImage messageButton(const Canvas &canvas, QSize size, State state);

// pictures.cpp
QImage productIcon(const Canvas &canvas, QSize size, State state);
QImage titleBackground(const Canvas &canvas, QSize size, State state);
QImage questionMark(const Canvas &canvas, QSize size, State state);
QImage noticeMark(const Canvas &canvas, QSize size, State state);
QImage checkBoxClear(const Canvas &canvas, QSize size, State state);
QImage checkBoxTicked(const Canvas &canvas, QSize size, State state);
QImage checkBoxPartly(const Canvas &canvas, QSize size, State state);
QImage singleTile(const Canvas &canvas, QSize size, State state);
QImage batchTile(const Canvas &canvas, QSize size, State state);
QImage homeBackground(const Canvas &canvas, QSize size, State state);
QImage dropZone(const Canvas &canvas, QSize size, State state);

} // namespace SkinPainter
