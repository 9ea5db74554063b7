#include "online/GuessPanels.h"

#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qor::app {

namespace {
const char* const RowCaptions[10] = {"1.", "2.", "3.", "4.",           "5.",
                                     "6.", "7.", "8.", "Fastest Lap:", "Pole Position:"};
// A driver twice among positions 1 to 8 ($AAAAFF), a right guess ($BBFFBB).
const QColor DuplicateColour(0xFF, 0xAA, 0xAA);
const QColor RightColour(0xBB, 0xFF, 0xBB);

void SetBoxColours(QWidget& box, const QColor& back, const QColor& text) {
    QPalette p = box.palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Button, back);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    box.setPalette(p);
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel* BoldLabel(const char* name, QWidget* parent) {
    QLabel* l = MakeLabel(name, parent);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

std::string NameOf(const GuessDriverList& drivers, int id) {
    for (const auto& [driverId, name] : drivers)
        if (driverId == id) return name;
    return {};
}
} // namespace

// ---- Guess entry ---------------------------------------------------------------------------

GuessEntryPanel::GuessEntryPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    auto* grid = new QGridLayout(this);
    title_ = BoldLabel("Label49", this);
    title_->setWordWrap(true);
    grid->addWidget(title_, 0, 0, 1, 2);
    for (int k = 0; k < 10; ++k) {
        boxes_[k] = new QComboBox(this);
        boxes_[k]->setObjectName(QStringLiteral("Combobox%1").arg(k + 1));
        boxes_[k]->setMinimumContentsLength(22);
        grid->addWidget(Caption(QString::fromLatin1(RowCaptions[k]), this), k + 1, 0);
        grid->addWidget(boxes_[k], k + 1, 1);
        if (k < 8)
            connect(boxes_[k], &QComboBox::activated, this, &GuessEntryPanel::MarkDuplicates);
    }
    save_ = new QPushButton(QStringLiteral("SAVE"), this);
    save_->setObjectName(QStringLiteral("SpeedButton1"));
    save_->setAutoDefault(false);
    QFont bold = save_->font();
    bold.setBold(true);
    save_->setFont(bold);
    grid->addWidget(save_, 11, 1);
    grid->setRowStretch(12, 1);
}

void GuessEntryPanel::SetDrivers(const GuessDriverList& drivers) {
    const online::GuessIds chosen = Chosen();
    drivers_ = drivers;
    for (QComboBox* box : boxes_) {
        box->clear();
        for (const auto& d : drivers_)
            box->addItem(ToQt(d.second));
    }
    Select(chosen);
}

void GuessEntryPanel::Select(const online::GuessIds& ids) {
    for (int k = 0; k < 10; ++k) {
        int index = 0;
        for (std::size_t i = 0; i < drivers_.size(); ++i)
            if (drivers_[i].first == ids[k]) index = static_cast<int>(i);
        boxes_[k]->setCurrentIndex(drivers_.empty() ? -1 : index);
    }
}

online::GuessIds GuessEntryPanel::Chosen() const {
    online::GuessIds ids{};
    for (int k = 0; k < 10; ++k) {
        const int index = boxes_[k]->currentIndex();
        if (index >= 0 && static_cast<std::size_t>(index) < drivers_.size())
            ids[k] = drivers_[index].first;
    }
    return ids;
}

void GuessEntryPanel::SetTitle(const QString& text) {
    title_->setText(text);
}

void GuessEntryPanel::MarkDuplicates() {
    for (int a = 0; a < 8; ++a) {
        bool twice = false;
        for (int b = 0; b < 8; ++b)
            twice = twice || (a != b && !boxes_[a]->currentText().isEmpty() &&
                              boxes_[a]->currentText() == boxes_[b]->currentText());
        SetBoxColours(*boxes_[a], twice ? DuplicateColour : QColor(Qt::white), Qt::black);
    }
}

void GuessEntryPanel::ApplyTheme(const QColor& back, const QColor& text) {
    for (QComboBox* box : boxes_)
        SetBoxColours(*box, back, text);
}

// ---- Comparison ----------------------------------------------------------------------------

GuessComparePanel::GuessComparePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel3"));
    auto* grid = new QGridLayout(this);
    races_ = new QComboBox(this);
    races_->setObjectName(QStringLiteral("ComboBox11"));
    races_->setMinimumContentsLength(24);
    user_ = BoldLabel("Label55", this);
    grid->addWidget(Caption(QStringLiteral("Race:"), this), 0, 0);
    grid->addWidget(races_, 0, 1, 1, 2);
    grid->addWidget(Caption(QStringLiteral("Player:"), this), 1, 0);
    grid->addWidget(user_, 1, 1, 1, 2);
    grid->addWidget(Caption(QStringLiteral("Guess"), this), 2, 1);
    grid->addWidget(Caption(QStringLiteral("Result"), this), 2, 2);
    for (int k = 0; k < 10; ++k) {
        grid->addWidget(Caption(QString::fromLatin1(RowCaptions[k]), this), k + 3, 0);
        for (int side = 0; side < 2; ++side) {
            QLineEdit*& e = edits_[k + 10 * side];
            e = new QLineEdit(this);
            e->setObjectName(QStringLiteral("Edit%1").arg(k + 1 + 10 * side));
            e->setReadOnly(true);
            grid->addWidget(e, k + 3, side + 1);
        }
    }
    const char* const names[3] = {"Label79", "Label81", "Label82"};
    const char* const captions[3] = {"Positions 1-3:", "Positions 4-8:", "Total:"};
    for (int i = 0; i < 3; ++i) {
        points_[i] = BoldLabel(names[i], this);
        grid->addWidget(Caption(QString::fromLatin1(captions[i]), this), 13 + i, 0);
        grid->addWidget(points_[i], 13 + i, 1);
    }
    grid->setRowStretch(16, 1);
}

void GuessComparePanel::SetRaces(const std::vector<online::GuessRace>& races) {
    races_->clear();
    for (const online::GuessRace& r : races)
        races_->addItem(ToQt(r.Key) + QLatin1Char(' ') + ToQt(r.Name), r.Number);
}

void GuessComparePanel::SetUser(const QString& user) {
    user_->setText(user);
}

void GuessComparePanel::Compare(const online::GuessIds& result, const online::GuessIds& guess,
                                const GuessDriverList& drivers) {
    for (int k = 0; k < 10; ++k) {
        edits_[k + 10]->setText(ToQt(NameOf(drivers, result[k])));
        edits_[k]->setText(ToQt(NameOf(drivers, guess[k])));
        const bool right = result[k] != 0 && guess[k] == result[k];
        SetBoxColours(*edits_[k], right ? RightColour : back_, right ? QColor(Qt::black) : text_);
    }
    const online::GuessScore score = online::ScoreGuess(result, guess);
    const int values[3] = {score.Top, score.Rest, score.Total()};
    for (int i = 0; i < 3; ++i)
        points_[i]->setText(QString::number(values[i]) + QStringLiteral(" Points"));
}

void GuessComparePanel::ApplyTheme(const QColor& back, const QColor& text) {
    back_ = back;
    text_ = text;
    for (QLineEdit* e : edits_)
        SetBoxColours(*e, back, text);
    SetBoxColours(*races_, back, text);
}

} // namespace qor::app
