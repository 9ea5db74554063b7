#pragma once
// Conversions at the edge between the database's Windows-1254 texts and colours and Qt's
// QString and QColor.

#include "mainwindow/ThemePalette.h"
#include "text/Encoding.h"

#include <QColor>
#include <QString>

#include <string>

namespace qor::app {

inline QString ToQt(const std::string& cp1254) {
    return QString::fromStdString(Cp1254ToUtf8(cp1254));
}
inline std::string FromQt(const QString& text) {
    return Utf8ToCp1254(text.toStdString());
}

// A text shown as a menu or button caption: a '&' stays a '&' (no shortcut letter).
inline QString ToQtCaption(const std::string& cp1254) {
    return ToQt(cp1254).replace(QLatin1Char('&'), QLatin1String("&&"));
}

inline QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline QString CssColour(Colour c) {
    return ToQColor(c).name();
}

} // namespace qor::app
