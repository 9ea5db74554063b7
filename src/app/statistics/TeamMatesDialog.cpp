#include "statistics/TeamMatesDialog.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "statistics/DriverFrameWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace qor::app {
namespace {

// The count labels whose click compares the pair, and the figure each stands for; the
// frame's other labels keep their own lists.
constexpr std::pair<std::string_view, TeamMateFigure> ComparedLabels[] = {
    {"winslabel", TeamMateFigure::Wins},
    {"podiumslabel", TeamMateFigure::Podiums},
    {"allraceslabel", TeamMateFigure::AllRaces},
    {"poleslabel", TeamMateFigure::Poles},
    {"fastestlapslabel", TeamMateFigure::FastestLaps},
};

} // namespace

TeamMatesDialog::TeamMatesDialog(MainWindow& main) : QWidget(&main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("Form19"));
    setWindowTitle(QStringLiteral("TeamMates"));
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    // The window fits its frames, also when their pages change.
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // Over frame 1 the season and the team, over frame 2 the team-mate.
    auto* head1 = new QHBoxLayout;
    seasonbox_ = new QComboBox(this);
    seasonbox_->setObjectName(QStringLiteral("seasonbox"));
    seasonbox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label2_ = MakeLabel("Label2", this);
    QFont bold = label2_->font();
    bold.setBold(true);
    label2_->setFont(bold);
    head1->setSpacing(8);
    head1->addWidget(seasonbox_);
    head1->addWidget(label2_, 1);
    grid->addLayout(head1, 0, 0);

    auto* head2 = new QHBoxLayout;
    teammatebox_ = new QComboBox(this);
    teammatebox_->setObjectName(QStringLiteral("teammatebox"));
    teammatebox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label1_ = MakeLabel("Label1", this);
    label1_->setFont(bold);
    head2->addWidget(teammatebox_);
    head2->addWidget(label1_);
    head2->addStretch(1);
    grid->addLayout(head2, 0, 1);

    const char* panels[] = {"panF_1", "panF_2"};
    const char* names[] = {"teammate1_frame", "teammate2_frame"};
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QWidget(this);
        panel->setObjectName(QString::fromLatin1(panels[i]));
        auto* v = new QVBoxLayout(panel);
        v->setContentsMargins(0, 0, 0, 0);
        auto* frame = new DriverFrameWidget(main_, panel);
        frame->setObjectName(QString::fromLatin1(names[i]));
        frame->SetCompact();
        const int number = i + 1;
        frame->SetCountLabelHandler(
            [this, number](std::string_view label) { return CountLabelClicked(number, label); });
        connect(frame, &DriverFrameWidget::labelEntered, this,
                [this](DriverFrameWidget* f) { current_ = f; });
        v->addWidget(frame);
        grid->addWidget(panel, 1, i, Qt::AlignTop);
        frames_[static_cast<std::size_t>(i)] = frame;
    }
    frames_[0]->SetPartner(frames_[1]);
    frames_[1]->SetPartner(frames_[0]);

    state_.AnalyzeFrame = [this](int frame, std::uint16_t driver, int season) {
        Frame(frame).Analyze(driver, season, season, true);
    };
    connect(seasonbox_, &QComboBox::activated, this, [this](int index) {
        state_.seasonboxChange(main_.Session().db, index);
        Sync();
    });
    connect(teammatebox_, &QComboBox::activated, this, [this](int index) {
        state_.teammateboxChange(index);
        Sync();
    });
}

TeamMatesDialog::~TeamMatesDialog() = default;

bool TeamMatesDialog::Open() {
    if (!eamMate1Click(main_.Session().ctx, state_)) return false;
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(main_.Session().palette.WindowBackColor));
    setPalette(back);
    Sync();
    show();
    // Placed once shown: only then does the frame geometry include the window's borders.
    Place();
    raise();
    return true;
}

void TeamMatesDialog::Sync() {
    setWindowTitle(ToQt(state_.Caption));
    label2_->setText(LabelText(state_.TeamLabel));
    const QSignalBlocker blockSeasons(seasonbox_);
    seasonbox_->clear();
    for (const int year : state_.SeasonBox)
        seasonbox_->addItem(QString::number(year));
    seasonbox_->setCurrentIndex(state_.SeasonIndex);
    const QSignalBlocker blockMates(teammatebox_);
    teammatebox_->clear();
    for (const std::string& name : state_.TeamMateBox)
        teammatebox_->addItem(ToQt(name));
    teammatebox_->setCurrentIndex(state_.TeamMateIndex);
    teammatebox_->setVisible(state_.TeamMateBoxVisible);
    label1_->setText(LabelText(state_.Label1));
    label1_->setVisible(state_.Label1Visible);
}

void TeamMatesDialog::Place() {
    const ScreenSize& screen = main_.Session().Screen;
    move(screen.Width - frameGeometry().width() - 40,
         screen.Height - frameGeometry().height() - 80);
}

bool TeamMatesDialog::CountLabelClicked(int frame, std::string_view label) {
    for (const auto& [name, figure] : ComparedLabels) {
        if (name != label) continue;
        if (state_.TeamMate != 0) {
            const TeamMateFigure f = figure;
            main_.RunTable(
                [this, frame, f](TableContext& ctx) { state_.CompareClick(ctx, frame, f); });
        }
        return true;
    }
    return false;
}

} // namespace qor::app
