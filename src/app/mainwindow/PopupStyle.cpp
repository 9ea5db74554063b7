#include "mainwindow/PopupStyle.h"

#include "mainwindow/Fonts.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidgetAction>

namespace qor::app {
namespace {

constexpr const char* kHeadingProperty = "qorHeading";

QPixmap Dot(const QColor& colour, int size) {
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(140));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    return p;
}

// Blue for an item, red while highlighted, green when checked.
QIcon ItemPicture(double zoomFactor) {
    const int size = RoundHalfEven(8 * zoomFactor);
    const QPixmap blue = Dot(QColor(60, 90, 220), size);
    const QPixmap red = Dot(QColor(220, 50, 50), size);
    const QPixmap green = Dot(QColor(40, 170, 70), size);
    QIcon icon;
    icon.addPixmap(blue, QIcon::Normal, QIcon::Off);
    icon.addPixmap(red, QIcon::Active, QIcon::Off);
    icon.addPixmap(red, QIcon::Selected, QIcon::Off);
    icon.addPixmap(green, QIcon::Normal, QIcon::On);
    icon.addPixmap(red, QIcon::Active, QIcon::On);
    icon.addPixmap(red, QIcon::Selected, QIcon::On);
    return icon;
}

void StyleItems(QMenu& menu, const ThemePalette& palette, double zoomFactor, const QFont& font,
                const QString& sheet) {
    menu.setFont(font);
    menu.setStyleSheet(sheet);
    const QIcon picture = palette.PopupsOwnerDrawn ? ItemPicture(zoomFactor) : QIcon();
    for (QAction* a : menu.actions()) {
        if (a->property(kHeadingProperty).toBool()) {
            if (auto* wa = qobject_cast<QWidgetAction*>(a)) {
                if (auto* label = qobject_cast<QLabel*>(wa->defaultWidget())) {
                    label->setFont(font);
                    label->setStyleSheet(
                        QStringLiteral(
                            "QLabel { background-color: %1; color: %2; padding: 3px 8px; }")
                            .arg(CssColour(palette.PopupsOwnerDrawn ? palette.MenuHeadBack
                                                                    : palette.FormBackColor),
                                 CssColour(palette.PopupsOwnerDrawn ? palette.MenuText : Black)));
                }
            }
            continue;
        }
        if (a->isSeparator()) continue;
        a->setIcon(picture);
        if (QMenu* sub = a->menu()) StyleItems(*sub, palette, zoomFactor, font, sheet);
    }
}

} // namespace

void StylePopup(QMenu& menu, const ThemePalette& palette, double zoomFactor) {
    CellFont cf;
    cf.Size = RoundHalfEven(9 * zoomFactor);
    const QFont font = CellQFont(cf);
    QString sheet;
    if (palette.PopupsOwnerDrawn) {
        const Colour selText = palette.Modern ? palette.SelFontColor : palette.MenuSelText;
        sheet = QStringLiteral(
                    "QMenu { background-color: %1; color: %2; border: 1px solid %3; }"
                    "QMenu::item { padding: 3px 24px 3px 22px; background-color: transparent; }"
                    "QMenu::item:selected { background-color: %4; color: %5; }"
                    "QMenu::icon { left: 4px; }"
                    "QMenu::separator { height: %6px; background: %3; margin: 2px 4px; }")
                    .arg(CssColour(palette.MenuBack), CssColour(palette.MenuText),
                         CssColour(palette.MenuHeadBack), CssColour(palette.MenuSelBack),
                         CssColour(selText), QString::number(palette.Modern ? 0 : 1));
    }
    StyleItems(menu, palette, zoomFactor, font, sheet);
}

QAction* AddHeading(QMenu& menu, const QString& objectName, const QString& text) {
    auto* action = new QWidgetAction(&menu);
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    action->setDefaultWidget(label);
    action->setObjectName(objectName);
    action->setText(text);
    action->setProperty(kHeadingProperty, true);
    menu.addAction(action);
    return action;
}

void SetHeadingText(QAction& heading, const QString& text) {
    heading.setText(text);
    if (auto* wa = qobject_cast<QWidgetAction*>(&heading))
        if (auto* label = qobject_cast<QLabel*>(wa->defaultWidget())) label->setText(text);
}

} // namespace qor::app
