#include "statistics/TopListWindow.h"

#include "mainwindow/Fonts.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowParts.h"
#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <cmath>

namespace qor::app {
namespace {

// Layout at zoom 1: each category is a band of 56 pixels below a top margin of 15, with its
// caption on the left and three rows of 16 pixels; the buttons sit below the last band.
constexpr int Top = 15, Band = 56, RowHeight = 16, Width = 470;
constexpr int CaptionX = 26, RankX = 140, NameX = 160, ValueRight = 400, YearX = 408;
constexpr int BorderRects = 16;

std::size_t At(TopListCategory c) {
    return static_cast<std::size_t>(c);
}

// The colour family of the border: the theme colour's component that exceeds the other two by
// more than 5, or grey when none does.
QColor BorderFamily(Colour theme) {
    const int r = RedOf(theme), g = GreenOf(theme), b = BlueOf(theme);
    if (r > g + 5 && r > b + 5) return QColor(140, 30, 30);
    if (g > r + 5 && g > b + 5) return QColor(30, 110, 40);
    if (b > r + 5 && b > g + 5) return QColor(30, 50, 140);
    return QColor(80, 80, 80);
}

QColor Blend(const QColor& from, const QColor& to, double t) {
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

} // namespace

TopListWindow::TopListWindow(MainWindow& main) : QWidget(&main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("Form12"));
    // FormCreate: a zoomed main window scales this one by its zoom rounded to hundredths.
    scale_ = std::round(100 * main_.Session().ZoomFactor()) / 100;
    setFixedSize(Scaled(Width), Scaled(Top + 5 * Band + 45));
    QFont font = MainFont(1.0);
    font.setPixelSize(Scaled(11));
    setFont(font);
    QFont bold = font;
    bold.setBold(true);

    const auto label = [this](QString name, int x, int y, int w) {
        QLabel* l = MakeLabel("", this);
        l->setObjectName(name);
        l->setGeometry(Scaled(x), Scaled(y), Scaled(w), Scaled(RowHeight));
        return l;
    };
    int labelNumber = 1;
    for (int c = 0; c < TopListCategoryCount; ++c) {
        const int y0 = Top + c * Band;
        captions_[static_cast<std::size_t>(c)] = label(
            QStringLiteral("Caption%1").arg(labelNumber++), CaptionX, y0 + 5, RankX - CaptionX - 4);
        captions_[static_cast<std::size_t>(c)]->setFont(bold);
        const auto category = static_cast<TopListCategory>(c);
        for (int p = 0; p < TopListPlaces; ++p) {
            const int y = y0 + 5 + p * RowHeight;
            const auto place = static_cast<std::size_t>(p);
            QLabel* rank = label(QStringLiteral("Rank%1%2").arg(c).arg(p), RankX, y, 18);
            rank->setText(QStringLiteral("%1.").arg(p + 1));
            ranks_[At(category)][place] = rank;
            QLabel* value = label(ToQt(std::string(TopListValueLabels[At(category)][place])), NameX,
                                  y, ValueRight - NameX);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            values_[At(category)][place] = value;
            // The name lies over the left part of the value's dots and hides them.
            QLabel* name =
                label(ToQt(std::string(TopListNameLabels[At(category)][place])), NameX, y, 10);
            name->setAutoFillBackground(true);
            name->setCursor(Qt::PointingHandCursor);
            name->installEventFilter(this);
            names_[At(category)][place] = name;
            if (category == TopListCategory::ConsecutiveWins)
                years_[place] = label(ToQt(std::string(TopListYearLabels[place])), YearX, y, 40);
        }
    }
    const int buttonY = Top + 5 * Band + 8;
    speedButton1_ = new QToolButton(this);
    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setCheckable(true);
    speedButton1_->setAutoExclusive(true);
    speedButton1_->setGeometry(Scaled(Width / 2 - 125), Scaled(buttonY), Scaled(120), Scaled(24));
    connect(speedButton1_, &QToolButton::clicked, this, &TopListWindow::ShowDrivers);
    speedButton2_ = new QToolButton(this);
    speedButton2_->setObjectName(QStringLiteral("SpeedButton2"));
    speedButton2_->setCheckable(true);
    speedButton2_->setAutoExclusive(true);
    speedButton2_->setGeometry(Scaled(Width / 2 + 5), Scaled(buttonY), Scaled(120), Scaled(24));
    connect(speedButton2_, &QToolButton::clicked, this, &TopListWindow::ShowTeams);
}

int TopListWindow::Scaled(double v) const {
    return RoundHalfEven(v * scale_);
}

QLabel& TopListWindow::NameLabel(TopListCategory category, int place) const {
    return *names_[At(category)][static_cast<std::size_t>(place)];
}

void TopListWindow::ApplyCaptions() {
    const TopListCaptions c = TopListWindowCaptions(main_.Session().langs);
    setWindowTitle(ToQt(c.Window));
    speedButton1_->setText(ToQtCaption(c.Drivers));
    speedButton2_->setText(ToQtCaption(c.Teams));
    for (std::size_t i = 0; i < captions_.size(); ++i)
        captions_[i]->setText(LabelText(c.Categories[i]));
}

void TopListWindow::Open() {
    ApplyCaptions();
    speedButton1_->setChecked(true);
    ShowDrivers();
}

void TopListWindow::ShowDrivers() {
    speedButton1_->setChecked(true);
    Fill(opLists1Click(main_.Session().db));
}

void TopListWindow::ShowTeams() {
    speedButton2_->setChecked(true);
    Fill(opListsteamClick(main_.Session().db));
}

void TopListWindow::Fill(TopLists lists) {
    lists_ = std::move(lists);
    QPalette back = palette();
    back.setColor(QPalette::Window, ToQColor(main_.Session().palette.WindowBackColor));
    setPalette(back);
    for (int c = 0; c < TopListCategoryCount; ++c) {
        const auto category = static_cast<TopListCategory>(c);
        for (int p = 0; p < TopListPlaces; ++p) {
            const TopListRow& row = lists_.Row(category, p);
            const auto place = static_cast<std::size_t>(p);
            ranks_[At(category)][place]->setText(LabelText(row.Rank));
            values_[At(category)][place]->setText(LabelText(row.ValueLabel()));
            QLabel* name = names_[At(category)][place];
            name->setText(LabelText(row.Name));
            name->resize(name->sizeHint().width(), name->height());
            name->raise();
            if (category == TopListCategory::ConsecutiveWins)
                years_[place]->setText(LabelText(row.Year));
        }
    }
    update();
    show();
    raise();
}

void TopListWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor back = ToQColor(main_.Session().palette.WindowBackColor);
    painter.fillRect(rect(), back);
    // The border: nested rectangles fading from the theme's colour family into the background.
    const QColor family = BorderFamily(main_.Session().palette.WindowBackColor);
    for (int i = 0; i < BorderRects; ++i) {
        painter.setPen(Blend(family, back, static_cast<double>(i) / BorderRects));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(i, i, -i - 1, -i - 1));
    }
    // A red line between each pair of categories.
    painter.setPen(QPen(QColor(200, 23, 23), 2));
    for (int i = 1; i < TopListCategoryCount; ++i) {
        const int y = RoundHalfEven(Band * i * scale_) + Scaled(Top);
        painter.drawLine(Scaled(20), y, width() - Scaled(25), y);
    }
}

bool TopListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int c = 0; c < TopListCategoryCount; ++c)
            for (int p = 0; p < TopListPlaces; ++p)
                if (watched == names_[static_cast<std::size_t>(c)][static_cast<std::size_t>(p)]) {
                    ClickName(static_cast<TopListCategory>(c), p);
                    return true;
                }
    }
    return QWidget::eventFilter(watched, event);
}

void TopListWindow::ClickName(TopListCategory category, int place) {
    const MenuItemCall call = TopListNameClick(main_.Session().db, lists_, category, place);
    if (call.Empty()) return;
    main_.RunTable([call](TableContext& ctx) { RunMenuItemCall(ctx, call); });
}

} // namespace qor::app
