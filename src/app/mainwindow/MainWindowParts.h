#pragma once
// Small helpers shared by the files that build the main window.

#include "mainwindow/QtText.h"
#include "mainwindow/StartupSettings.h"
#include "statistics/MenuTableCommand.h"

#include <QLabel>
#include <QtGlobal>

#include <array>
#include <string>
#include <string_view>

namespace qor::app {

// The caption slot of a main-window control, or 0 when the string table has none for it.
inline int CaptionSlot(std::string_view name) {
    for (const ControlSlot& c : MainWindowCaptions)
        if (c.Control == name) return c.Slot;
    return 0;
}

// A command of one of the core's command lists, by its control name.
template <std::size_t N>
const MenuTableCommand& CommandNamed(const std::array<MenuTableCommand, N>& list,
                                     std::string_view name) {
    for (const MenuTableCommand& c : list)
        if (c.Item == name) return c;
    qFatal("no command %s", std::string(name).c_str());
}

// Labels show a '&' as it is; menus and buttons write it doubled.
inline QString LabelText(const std::string& cp1254) {
    return ToQt(cp1254).replace(QLatin1String("&&"), QLatin1String("&"));
}

inline QLabel* MakeLabel(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace qor::app
