#pragma once
// The program's fonts: the Windows font names its drawing asks for ("tahoma", "arial",
// "courier new") mapped onto fonts a Linux desktop has, and cached cell fonts.

#include "mainwindow/CellStyle.h"

#include <QFont>

namespace qor::app {

// Font substitutions for the names the drawing uses; call once after QApplication exists.
void InstallFontSubstitutions();

// The QFont of a cell font (name, point size, bold).
QFont CellQFont(const CellFont& font);

// The main window's font: "tahoma" at 8 points times the zoom.
QFont MainFont(double zoomFactor);

// Width in pixels of a text in a cell font, as the cell drawing measures it.
int CellTextWidth(const std::string& cp1254, const CellFont& font);

// How much wider the grid font at a zoom is than the 8-point Tahoma (times the zoom) the
// column widths were designed for; below 1 when it is narrower.
double FontWidthFactor(double zoomFactor);

} // namespace qor::app
