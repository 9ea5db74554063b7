#include "editing/GPDialogWindow.h"

#include "dialogs/Prompts.h"
#include "editing/DialogParts.h"
#include "editing/EditCommands.h"
#include "mainwindow/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor::app {
namespace {

std::vector<std::string> CalendarColumn(std::string_view CalendarRow::*column) {
    std::vector<std::string> items;
    for (const CalendarRow& row : LastSeasonCalendar)
        items.emplace_back(row.*column);
    return items;
}

} // namespace

GPDialogWindow::GPDialogWindow(MainSession& session, GPDialog& model, Prompts& prompts,
                               QWidget* parent)
    : QDialog(parent), session_(session), model_(model), prompts_(prompts) {
    setObjectName(QStringLiteral("Form9"));
    setModal(true);
    auto* form = new QFormLayout;
    edit3_ = NamedEdit("Edit3", this);
    edit3_->setPlaceholderText(QStringLiteral("dd.mm.yyyy"));
    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* dayMonth = new QHBoxLayout(panel1_);
    dayMonth->setContentsMargins(0, 0, 0, 0);
    std::vector<std::string> days, months(DialogMonthNames.begin(), DialogMonthNames.end());
    for (int d = 1; d <= 31; ++d)
        days.push_back(std::to_string(d));
    day_ = NamedCombo("ComboBox1", days, panel1_);
    month_ = NamedCombo("ComboBox2", months, panel1_);
    day_->setEditable(false);
    month_->setEditable(false);
    dayMonth->addWidget(day_);
    dayMonth->addWidget(month_);
    dayMonth->addWidget(new QLabel(QString::number(session.db.LastYear), panel1_));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(edit3_);
    dateRow->addWidget(panel1_);
    form->addRow(NamedLabel("Label1", this), dateRow);
    gpName_ = NamedCombo("ComboBox8", CalendarColumn(&CalendarRow::GPName), this);
    form->addRow(NamedLabel("Label2", this), gpName_);
    track_ = NamedCombo("ComboBox7", CalendarColumn(&CalendarRow::Track), this);
    label5_ = NamedLabel("Label5", this);
    auto* trackRow = new QHBoxLayout;
    trackRow->addWidget(track_, 1);
    trackRow->addWidget(label5_);
    form->addRow(new QLabel(QStringLiteral("Track:"), this), trackRow);
    laps_ = NamedEdit("Edit4", this);
    form->addRow(NamedLabel("Label3", this), laps_);

    // The fastest lap and the pole position: a name, a time and the time as it will be saved.
    const auto group = [&](const char* name, const char* nameLabel, const char* box,
                           const char* timeLabel, const char* edit, const char* preview,
                           QComboBox*& driver, QLineEdit*& time, QLabel*& shown) {
        auto* g = new QGroupBox(this);
        g->setObjectName(QString::fromLatin1(name));
        auto* f = new QFormLayout(g);
        driver = NamedCombo(box, model_.DriverNames, g);
        time = NamedEdit(edit, g);
        time->setToolTip(QStringLiteral("minute:second.milisecond, e.g. 03:12.761"));
        time->setPlaceholderText(QStringLiteral("03:12.761"));
        shown = NamedLabel(preview, g);
        auto* timeRow = new QHBoxLayout;
        timeRow->addWidget(time, 1);
        timeRow->addWidget(shown);
        f->addRow(NamedLabel(nameLabel, g), driver);
        f->addRow(NamedLabel(timeLabel, g), timeRow);
        return g;
    };
    auto* fl = group("GroupBox1", "Label4", "ComboBox4", "Label8", "Edit8", "Label6", flDriver_,
                     flTime_, label6_);
    auto* pole = group("GroupBox2", "Label9", "ComboBox5", "Label10", "Edit9", "Label7",
                       poleDriver_, poleTime_, label7_);

    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("Button2"));
    save->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("Button1"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(fl);
    v->addWidget(pole);
    v->addLayout(buttons);
    StyleDialog(*this, session, GPDialogCaptions);

    connect(save, &QPushButton::clicked, this, &GPDialogWindow::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(gpName_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        Store();
        model_.ChooseCalendarRow(index);
        Load();
    });
    connect(track_, &QComboBox::editTextChanged, label5_, &QLabel::setText);
    for (QLineEdit* e : {flTime_, poleTime_})
        connect(e, &QLineEdit::textEdited, this, &GPDialogWindow::ShowPreviews);
    Load();
}

void GPDialogWindow::Load() {
    edit3_->setText(ToQt(model_.DateText));
    edit3_->setEnabled(model_.NewMode);
    gpName_->setEnabled(model_.NewMode);
    panel1_->setVisible(model_.NewMode);
    day_->setCurrentIndex(model_.DayIndex);
    month_->setCurrentIndex(model_.MonthIndex);
    SetBoxText(*gpName_, model_.GPName);
    SetBoxText(*track_, model_.Track);
    label5_->setText(ToQt(model_.TrackPreview()));
    laps_->setText(ToQt(model_.Laps));
    SetBoxText(*flDriver_, model_.FLDriver);
    SetBoxText(*poleDriver_, model_.PoleDriver);
    flTime_->setText(ToQt(model_.FLTime));
    poleTime_->setText(ToQt(model_.PoleTime));
    ShowPreviews();
}

void GPDialogWindow::Store() {
    model_.DateText = FromQt(edit3_->text());
    model_.DayIndex = day_->currentIndex();
    model_.MonthIndex = month_->currentIndex();
    model_.GPName = FromQt(gpName_->currentText());
    model_.Track = FromQt(track_->currentText());
    model_.Laps = FromQt(laps_->text());
    model_.FLDriver = FromQt(flDriver_->currentText());
    model_.FLTime = FromQt(flTime_->text());
    model_.PoleDriver = FromQt(poleDriver_->currentText());
    model_.PoleTime = FromQt(poleTime_->text());
}

void GPDialogWindow::ShowPreviews() {
    label6_->setText(ToQt(GPDialog::TimePreview(FromQt(flTime_->text()))));
    label7_->setText(ToQt(GPDialog::TimePreview(FromQt(poleTime_->text()))));
}

void GPDialogWindow::Save() {
    Store();
    const DialogSaveResult r = SaveGPDialog(session_, model_);
    if (!r.Saved()) {
        prompts_.Inform(this, ToQt(r.Message));
        return;
    }
    accept();
}

} // namespace qor::app
