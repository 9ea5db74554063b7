#pragma once
// Small pieces the edit dialogs share: named labels and boxes, the theme's colours, the
// captions from the string table and the zoom.

#include "lang/DefaultStrings.h"
#include "mainwindow/MainSession.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include <span>
#include <string>
#include <vector>

namespace qor::app {

QLabel* NamedLabel(const char* name, QWidget* parent);
QLineEdit* NamedEdit(const char* name, QWidget* parent);
// An editable list box holding `items` (Windows-1254).
QComboBox* NamedCombo(const char* name, const std::vector<std::string>& items, QWidget* parent);
// Sets a box's text without running its handlers.
void SetBoxText(QComboBox& box, const std::string& cp1254);
// The window background and the edit colours of the theme, the dialog's captions from the
// string table (by object name; the dialog's own name gives its title) and the zoom.
void StyleDialog(QDialog& dialog, const MainSession& session,
                 std::span<const ControlSlot> captions);

} // namespace qor::app
