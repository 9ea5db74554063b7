// The "Update" menu through the real window and dialogs on a copy of the shipped data: what a
// user types reaches the data file, refusals and "No" change nothing, a failed save keeps the
// edits, and the import window takes a season back from an older file.

#include "mainwindow/Fonts.h"
#include "support/AppFixture.h"

#include "mainwindow/QtText.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace qor;
using namespace qor::app;
using namespace qor::app::testing;

class EditingWindowsTest : public AppTest {
    Q_OBJECT

    const The_Class& Db() { return f->session->db; }
    bool SaveEnabled() { return Action(W(), "Savechanges1")->isEnabled(); }
    using Fields = std::vector<std::pair<const char*, QString>>;
    // The next modal dialog gets its boxes and edits filled by design name (typed, so that
    // their handlers run), then `button` pressed.
    void Answer(Fields fields, const char* button) {
        f->prompts.onModal = [fields, button](QDialog& d) {
            for (const auto& [name, text] : fields) {
                if (auto* box = d.findChild<QComboBox*>(QString::fromLatin1(name))) {
                    const int index = box->findText(text);
                    box->setCurrentIndex(index);
                    if (box->isEditable()) box->setEditText(text);
                    emit box->activated(index);
                } else if (auto* edit = d.findChild<QLineEdit*>(QString::fromLatin1(name))) {
                    edit->clear();
                    QTest::keyClicks(edit, text);
                } else {
                    qFatal("no field %s", name);
                }
            }
            d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
            return d.result();
        };
    }

  private slots:
    void aNewGPWithTwoResultsIsSavedAndShownAfterARestart() {
        Answer({{"Edit3", "29.10.2006"},
                {"ComboBox8", "Portugal"},
                {"ComboBox7", "Estoril"},
                {"Edit4", "70"}},
               "Button2");
        Action(W(), "NewGP1")->trigger();
        QCOMPARE(f->prompts.messages, QStringList());
        QVERIFY(SaveEnabled());
        QVERIFY(Child<QLabel>(W(), "label5")->text().contains(QStringLiteral("Estoril")));
        for (const auto& [driver, pos, seconds] :
             {std::tuple{"Fernando Alonso", "1", "5"}, std::tuple{"Felipe Massa", "2", "75"}}) {
            Answer({{"ComboBox1", QString::fromLatin1(driver)},
                    {"Edit2", QString::fromLatin1(pos)},
                    {"ComboBox3", QString::fromLatin1(pos[0] == '1' ? TimeStyleItems[0].data()
                                                                    : TimeStyleItems[1].data())},
                    {pos[0] == '1' ? "Edit3" : "Edit8", "1"},
                    {pos[0] == '1' ? "Edit5" : "Edit9", QString::fromLatin1(seconds)},
                    {pos[0] == '1' ? "Edit6" : "Edit11", "5"}},
                   "Button1");
            Action(W(), "NewRecord1")->trigger();
        }
        QCOMPARE(f->prompts.messages, QStringList());
        QCOMPARE(W().Grid1().Grid().RowCount(), 3);
        QCOMPARE(W().Grid1().Grid().Cell(4, 2), std::string("+ 02:15.50"));
        Action(W(), "Savechanges1")->trigger();
        QVERIFY(!SaveEnabled());
        f->window.reset();
        QVERIFY(f->Start());
        QVERIFY(Child<QLabel>(W(), "label5")->text().contains(QStringLiteral("Estoril")));
        QCOMPARE(W().Grid1().Grid().RowCount(), 3);
    }

    void recordsAreUpdatedAndDeletedAndGPsDeleted() {
        GridTable& t = W().Grid1().Grid();
        t.Row = 1;
        Answer({{"Edit1", "1 hr 32:00.12"}}, "Button1");
        Action(W(), "UpdateRecord1")->trigger();
        QCOMPARE(Db().FormatTime(Db().Results[Db().GPs[Db().GPCount].FirstResult].Time),
                 std::string("1 hr 32:00.12"));
        // "No" to a deletion changes nothing; "Yes" removes the last row, then the GP.
        const int results = Db().ResultCount;
        t.Row = 22;
        f->prompts.answers = {false, true};
        Action(W(), "DeleteRecord1")->trigger();
        QCOMPARE(Db().ResultCount, results);
        Action(W(), "DeleteRecord1")->trigger();
        QCOMPARE(Db().ResultCount, results - 1);
        QVERIFY(
            f->prompts.questions.last().startsWith(QStringLiteral("(Nico Rosberg - Williams)")));
        const int gps = Db().GPCount;
        f->prompts.answers = {true};
        Action(W(), "DeleteGP1")->trigger();
        QCOMPARE(Db().GPCount, gps - 1);
        QVERIFY(Child<QLabel>(W(), "label5")->text().contains(QStringLiteral("Suzuka")));
    }

    void everyCommandRefusesAViewItCannotEdit() {
        const QString firstSelect = ToQt(f->session->langs.MsgFirstSelectRace);
        const QString lastSeason = ToQt(f->session->langs.MsgOnlyLastSeason);
        ChooseYearAndGP(W(), QStringLiteral("1988"), 0);
        for (const char* command :
             {"UpdateRecord1", "NewRecord1", "DeleteRecord1", "UpdateGP1", "DeleteGP1"})
            Action(W(), command)->trigger();
        QCOMPARE(f->prompts.messages, QStringList(5, lastSeason));
        QTest::mouseClick(Child<QToolButton>(W(), "SpeedButton10"), Qt::LeftButton); // winners
        Action(W(), "DeleteGP1")->trigger();
        QCOMPARE(f->prompts.messages.last(), firstSelect);
        QVERIFY(f->prompts.dialogs.isEmpty());
        QVERIFY(!SaveEnabled());
    }

    void aFailedSaveKeepsTheEdits() {
        W().Grid1().Grid().Row = 22;
        f->prompts.answers = {true};
        Action(W(), "DeleteRecord1")->trigger();
        // The data file's place taken by a folder: the save cannot replace it.
        const QString data = f->Folder() + QStringLiteral("f1data5.dat");
        QVERIFY(QFile::remove(data));
        QVERIFY(QDir().mkpath(data + QStringLiteral("/keep")));
        Action(W(), "Savechanges1")->trigger();
        QCOMPARE(f->prompts.messages.last(), ToQt(f->session->langs.MsgWriteError));
        QVERIFY(SaveEnabled());
        QVERIFY(QFileInfo(data + QStringLiteral("/keep")).isDir());
    }

    void theImportWindowTakesASeasonBack() {
        QTemporaryDir old;
        QVERIFY(QFile::copy(f->Folder() + QStringLiteral("f1data5.dat"),
                            old.path() + QStringLiteral("/f1data5.dat")));
        f->prompts.answers = {true};
        Action(W(), "DeleteGP1")->trigger(); // the open data lacks the Brazilian GP now
        Action(W(), "Savechanges1")->trigger();
        const int gps = Db().GPCount;
        f->prompts.importFile = old.path() + QStringLiteral("/f1data5.dat");
        f->prompts.onModal = [](QDialog& d) {
            auto* left = d.findChild<QListWidget*>(QStringLiteral("ListBox1"));
            auto* right = d.findChild<QListWidget*>(QStringLiteral("ListBox2"));
            [&] {
                QCOMPARE(left->item(0)->text(), QStringLiteral("2006"));
                QVERIFY(left->item(1)->text().startsWith(QStringLiteral("22 Oct 2006")));
                emit left->itemDoubleClicked(left->item(0)); // the year moves its GP along
                QCOMPARE(right->count(), 3);                 // with the year items of 2006 and 2005
            }();
            d.findChild<QPushButton*>(QStringLiteral("ImportButton"))->click();
            return 0;
        };
        Action(W(), "ImportOldDB1")->trigger();
        QCOMPARE(Db().GPCount, gps + 1);
        QCOMPARE(f->prompts.messages.last(), ToQt(f->session->langs.MsgImportCompleted));
        QVERIFY(SaveEnabled());
        // The open file itself is refused.
        f->prompts.importFile = f->Folder() + QStringLiteral("f1data5.dat");
        Action(W(), "ImportOldDB1")->trigger();
        QCOMPARE(f->prompts.messages.last(),
                 QStringLiteral("You have selected the file that Qor is currently using"));
    }
};

QTEST_MAIN(EditingWindowsTest)
#include "EditingWindowsTest.moc"
