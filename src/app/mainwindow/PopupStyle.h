#pragma once
// The owner-drawn look of the popup menus (grid popups, GP list modes, history): theme colours,
// heading lines, the small item pictures and the zoomed font.

#include "mainwindow/ThemePalette.h"

#include <QString>

class QAction;
class QMenu;

namespace qor::app {

// Gives a popup its look for the palette: owner-drawn themes get the menu colours and the
// pictures on their command items; Standart without Modern is drawn as the desktop draws
// menus. Call again after a theme change.
void StylePopup(QMenu& menu, const ThemePalette& palette, double zoomFactor);

// A heading line (the name of the driver, team or track a popup was opened on): an item in
// the heading colour without a command.
QAction* AddHeading(QMenu& menu, const QString& objectName, const QString& text);

// Sets the text of a heading added with AddHeading.
void SetHeadingText(QAction& heading, const QString& text);

} // namespace qor::app
