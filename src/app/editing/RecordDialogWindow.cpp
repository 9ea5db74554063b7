#include "editing/RecordDialogWindow.h"

#include "dialogs/Prompts.h"
#include "editing/DialogParts.h"
#include "editing/EditCommands.h"
#include "mainwindow/QtText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qor::app {
namespace {

// The model's panel fields in the order of RecordDialogWindow::fields_.
constexpr std::array<std::string RecordDialog::*, 9> kFields = {
    &RecordDialog::Hours,          &RecordDialog::Minutes,       &RecordDialog::Seconds,
    &RecordDialog::Fraction,       &RecordDialog::BehindMinutes, &RecordDialog::BehindSeconds,
    &RecordDialog::BehindFraction, &RecordDialog::LapsBehind,    &RecordDialog::RetiredLap};

// Each style's panel: its fields (indexes into kFields) with their design names and the text
// between them.
struct PanelField {
    int Field;
    const char* Name;
    const char* After;
};
const std::array<std::vector<PanelField>, 4> kPanels = {{
    {{0, "Edit3", "hr"}, {1, "Edit4", ":"}, {2, "Edit5", "."}, {3, "Edit6", ""}},
    {{4, "Edit8", ":"}, {5, "Edit9", "."}, {6, "Edit11", ""}},
    {{7, "Edit14", "laps"}},
    {{8, "Edit7", ""}},
}};

} // namespace

RecordDialogWindow::RecordDialogWindow(MainSession& session, RecordDialog& model, Prompts& prompts,
                                       QWidget* parent)
    : QDialog(parent), session_(session), model_(model), prompts_(prompts) {
    setObjectName(QStringLiteral("Form10"));
    setModal(true);
    gpdesc_ = NamedLabel("gpdesc", this);
    QFont bold = gpdesc_->font();
    bold.setBold(true);
    gpdesc_->setFont(bold);
    gpdate_ = NamedLabel("gpdate", this);
    recno_ = NamedLabel("recno", this);
    auto* head = new QHBoxLayout;
    head->addWidget(gpdesc_, 1);
    head->addWidget(gpdate_);
    head->addWidget(recno_);

    auto* form = new QFormLayout;
    driver_ = NamedCombo("ComboBox1", model_.DriverNames, this);
    team_ = NamedCombo("ComboBox2",
                       std::vector<std::string>(RecordDialogTeams.begin(), RecordDialogTeams.end()),
                       this);
    position_ = NamedEdit("Edit2", this);
    grid_ = NamedEdit("Edit10", this);
    for (QLineEdit* e : {position_, grid_})
        e->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), e));
    style_ = NamedCombo(
        "ComboBox3", std::vector<std::string>(TimeStyleItems.begin(), TimeStyleItems.end()), this);
    style_->setEditable(false);
    panels_ = new QStackedWidget(this);
    for (std::size_t p = 0; p < kPanels.size(); ++p) {
        auto* panel = new QWidget(panels_);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        auto* row = new QHBoxLayout(panel);
        row->setContentsMargins(0, 0, 0, 0);
        if (p == StyleBehind || p == StyleLapsDown)
            row->addWidget(new QLabel(QStringLiteral("+"), panel));
        if (p == StyleRetired) row->addWidget(new QLabel(QStringLiteral("lap"), panel));
        for (const PanelField& f : kPanels[p]) {
            QLineEdit* e = NamedEdit(f.Name, panel);
            e->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), e));
            e->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
            fields_[static_cast<std::size_t>(f.Field)] = e;
            row->addWidget(e);
            if (*f.After) row->addWidget(new QLabel(QString::fromLatin1(f.After), panel));
            connect(e, &QLineEdit::textEdited, this, &RecordDialogWindow::PanelEdited);
        }
        row->addStretch(1);
        panels_->addWidget(panel);
    }
    timeToSave_ = NamedEdit("Edit1", this);
    notes_ = NamedEdit("Edit12", this);
    // The notes may not hold the characters the data's texts reserve.
    notes_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^&*]*")), notes_));
    form->addRow(NamedLabel("Label4", this), driver_);
    form->addRow(NamedLabel("Label5", this), team_);
    form->addRow(NamedLabel("Label2", this), position_);
    form->addRow(NamedLabel("Label3", this), grid_);
    form->addRow(NamedLabel("Label7", this), style_);
    form->addRow(NamedLabel("Label8", this), panels_);
    form->addRow(NamedLabel("Label9", this), timeToSave_);
    form->addRow(NamedLabel("Label6", this), notes_);

    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("Button1"));
    save->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* v = new QVBoxLayout(this);
    v->addLayout(head);
    v->addLayout(form);
    v->addLayout(buttons);
    StyleDialog(*this, session, RecordDialogCaptions);

    connect(save, &QPushButton::clicked, this, &RecordDialogWindow::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(driver_, qOverload<int>(&QComboBox::activated), this, [this](int) {
        model_.ChooseDriver(session_.db, FromQt(driver_->currentText()));
        SetBoxText(*team_, model_.Team);
    });
    connect(style_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        panels_->setCurrentIndex(index);
        panels_->setVisible(true);
    });
    Load();
}

void RecordDialogWindow::Load() {
    setWindowTitle(ToQt(model_.Caption));
    gpdesc_->setText(ToQt(model_.gpdesc));
    gpdate_->setText(ToQt(model_.gpdate));
    recno_->setText(ToQt(model_.recno));
    SetBoxText(*driver_, model_.Driver);
    SetBoxText(*team_, model_.Team);
    position_->setText(ToQt(model_.Position));
    position_->setEnabled(model_.PositionEnabled);
    grid_->setText(ToQt(model_.Grid));
    style_->setCurrentIndex(model_.Style);
    panels_->setVisible(model_.Style >= 0);
    if (model_.Style >= 0) panels_->setCurrentIndex(model_.Style);
    for (std::size_t i = 0; i < kFields.size(); ++i)
        fields_[i]->setText(ToQt(model_.*kFields[i]));
    timeToSave_->setText(ToQt(model_.TimeToSave));
    notes_->setText(ToQt(model_.Notes));
}

void RecordDialogWindow::Store() {
    model_.Driver = FromQt(driver_->currentText());
    model_.Team = FromQt(team_->currentText());
    model_.Position = FromQt(position_->text());
    model_.Grid = FromQt(grid_->text());
    model_.Style = style_->currentIndex();
    for (std::size_t i = 0; i < kFields.size(); ++i)
        model_.*kFields[i] = FromQt(fields_[i]->text());
    model_.TimeToSave = FromQt(timeToSave_->text());
    model_.Notes.clear();
    model_.TypeNotes(FromQt(notes_->text()));
}

void RecordDialogWindow::PanelEdited() {
    Store();
    model_.ComposeTime();
    fields_[0]->setText(ToQt(model_.Hours));
    timeToSave_->setText(ToQt(model_.TimeToSave));
}

void RecordDialogWindow::Save() {
    Store();
    const DialogSaveResult r = SaveRecordDialog(session_, model_);
    if (!r.Saved()) {
        prompts_.Inform(this, ToQt(r.Message));
        return;
    }
    accept();
}

} // namespace qor::app
