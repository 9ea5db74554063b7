#pragma once
// GUI test helpers: controls by design name, mouse actions on cells and lists, colours.

#include "mainwindow/GridView.h"
#include "mainwindow/MainWindow.h"
#include "support/AppFixture.h"
#include "support/Fixtures.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QTest>

#include <utility>

namespace qor::app::testing {

inline QAction* Action(MainWindow& w, const char* name) {
    QAction* a = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no action %s", name);
    return a;
}

template <typename T> T* Child(MainWindow& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}

// The grid column whose title is `title`, or -1.
inline int ColumnTitled(const GridView& view, const std::string& title) {
    for (int c = 0; c < view.Grid().ColCount(); ++c)
        if (view.Grid().Title(c) == title) return c;
    return -1;
}

inline void Click(GridView& view, int col, int row, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const CellTarget t = CellTargetOf(view, col, row);
    QVERIFY(t.widget);
    QTest::mouseClick(t.widget, button, mods, t.pos);
}

inline QColor CellPixel(GridView& view, int col, int row, QPoint offset = {1, 1}) {
    const QRect r = view.CellRect(col, row);
    return PixelOf(view, r.topLeft() + offset);
}

// Clicks a list entry with the mouse.
inline void ClickItem(QListWidget& list, int row) {
    QVERIFY(row >= 0 && row < list.count());
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(row)).center());
}

// Picks a season in the year box and a GP in the list with the mouse.
inline void ChooseYearAndGP(MainWindow& w, const QString& year, int gp) {
    auto* years = Child<QComboBox>(w, "ComboBox1");
    const int index = years->findText(year);
    QVERIFY(index >= 0);
    years->setCurrentIndex(index);
    emit years->activated(index);
    ClickItem(*Child<QListWidget>(w, "gpListBox1"), gp);
}

inline QColor Rgb(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Chooses a drop-down entry with the mouse, as a user does.
inline void ChooseEntry(QComboBox& box, int index) {
    QTRY_VERIFY(box.view()->isVisible());
    const QModelIndex i = box.model()->index(index, 0);
    box.view()->scrollTo(i);
    const QPoint at = box.view()->visualRect(i).center();
    QTest::mouseClick(box.view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// Leftmost and rightmost x (view coordinates) of the pixels of a cell that differ from its
// background (its top-left pixel): where its text was painted. (-1, -1) when none do.
inline std::pair<int, int> TextExtent(GridView& view, int col, int row) {
    const QRect r = view.CellRect(col, row);
    const QImage image = view.grab().toImage();
    std::pair<int, int> extent{-1, -1};
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top() + 1; y < r.bottom() - 1; ++y)
            if (image.pixelColor(x, y) != image.pixelColor(r.topLeft() + QPoint(1, 1))) {
                extent = {extent.first < 0 ? x : extent.first, x};
                break;
            }
    return extent;
}

// A double click on a grid cell (press, release, press, double click, release).
inline void DoubleClick(GridView& view, int col, int row) {
    const CellTarget t = CellTargetOf(view, col, row);
    QVERIFY(t.widget);
    QTest::mouseDClick(t.widget, Qt::LeftButton, Qt::NoModifier, t.pos);
}

} // namespace qor::app::testing
