#include "editing/DialogParts.h"

#include "mainwindow/Fonts.h"
#include "mainwindow/QtText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QSignalBlocker>

namespace qor::app {

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit* NamedEdit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QComboBox* NamedCombo(const char* name, const std::vector<std::string>& items, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items)
        c->addItem(ToQt(item));
    c->setCurrentIndex(-1);
    return c;
}

void SetBoxText(QComboBox& box, const std::string& cp1254) {
    const QSignalBlocker block(&box);
    const int index = box.findText(ToQt(cp1254));
    box.setCurrentIndex(index);
    box.setEditText(ToQt(cp1254));
}

void StyleDialog(QDialog& dialog, const MainSession& session,
                 std::span<const ControlSlot> captions) {
    dialog.setFont(MainFont(session.ZoomFactor()));
    QPalette p = dialog.palette();
    p.setColor(QPalette::Window, ToQColor(session.palette.WindowBackColor));
    p.setColor(QPalette::Base, ToQColor(session.palette.ListBack));
    dialog.setPalette(p);
    dialog.setAutoFillBackground(true);
    for (const ControlSlot& c : captions) {
        const QString name =
            QString::fromUtf8(c.Control.data(), static_cast<qsizetype>(c.Control.size()));
        const QString text = ToQt(session.langs.Text(c.Slot));
        if (dialog.objectName() == name)
            dialog.setWindowTitle(text);
        else if (auto* label = dialog.findChild<QLabel*>(name))
            label->setText(text);
        else if (auto* button = dialog.findChild<QAbstractButton*>(name))
            button->setText(text);
        else if (auto* group = dialog.findChild<QGroupBox*>(name))
            group->setTitle(text);
    }
}

} // namespace qor::app
