#pragma once
// Paints one grid cell, list entry or picture strip as the core's style decisions say, with
// QPainter.

#include "mainwindow/CellStyle.h"
#include "mainwindow/ThemePalette.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace qor::app {

// The cell rectangle as the style decision takes it (right and bottom exclusive).
inline CellRect ToCellRect(const QRect& r) {
    return CellRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

// One Modern picture as an image one pixel wide and one row per colour (stretched when drawn).
QImage PictureImage(const ThemePalette& palette, CellPicture picture);

// Draws a Modern picture stretched over a rectangle.
void DrawPicture(QPainter& painter, const QRect& rect, const ThemePalette& palette,
                 CellPicture picture);

// Paints a grid cell: background (or the Modern picture), the text clipped to the cell at the
// decided position, the filter marker and the lines.
void PaintCell(QPainter& painter, const QRect& rect, const CellStyle& style, const QString& text,
               const ThemePalette& palette);

} // namespace qor::app
