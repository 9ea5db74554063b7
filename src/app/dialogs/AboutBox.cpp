#include "dialogs/AboutBox.h"

#include "database/Attribution.h"
#include "database/STheClass.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace qor::app {

AboutBox::AboutBox(QWidget* parent, const QString& title) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("Qor"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() * 2);
    product->setFont(big);
    layout->addWidget(product);
    auto* version = new QLabel(QStringLiteral("Version ") + QLatin1String(ProgramVersion), this);
    version->setObjectName(QStringLiteral("Version"));
    layout->addWidget(version);
    auto* credits = new QLabel(
        QString::fromStdString(AboutText()).replace(QLatin1Char('\n'), QStringLiteral("\n\n")),
        this);
    credits->setObjectName(QStringLiteral("Comments"));
    credits->setTextFormat(Qt::PlainText);
    credits->setWordWrap(true);
    credits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    credits->setMinimumWidth(420);
    layout->addWidget(credits);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok->setObjectName(QStringLiteral("OKButton"));
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(ok);
}

} // namespace qor::app
