#pragma once
// The main window (TForm1): menus, the two result grids with their history, copy, HTML and
// filter controls, the season and GP browser with the championship panel, the status line.
// It turns user actions into MainSession calls and shows the state they leave.

#include "database/Import.h"
#include "editing/GPDialog.h"
#include "editing/RecordDialog.h"
#include "mainwindow/MainSession.h"
#include "statistics/MenuTableCommand.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QActionGroup;
class QComboBox;
class QDialog;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QTimer;
class QToolButton;

namespace qor::app {

class AnalyzeWindows;
class FilterBox;
class GridView;
class ListDelegate;
class Prompts;
class TeamMatesDialog; // compare list and team-mates
// The statistics windows and small dialogs (MainWindowStatistics.cpp).
class AboutBox;
class FindNameDialog;
class HelpWindow;
class TopListWindow;
class TrackStatisticsWindow;
// The online windows (MainWindowOnline.cpp).
class LoginWindow;
class NewsWindow;
class PasswordWindow;
// The shared-results window (MainWindowSharedGP.cpp).
class SharedResultsWindow;
class WindowRequest;
// The message board and guess game windows (MainWindowMessaging.cpp).
class GuessWindow;
class MessagingWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(MainSession& session, SettingsStore& settings, Prompts& prompts,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    MainSession& Session() { return session_; }
    GridView& Grid1() { return *tablo1_; }
    GridView& Grid2() { return *tablo2_; }
    // The second table's grid, built on first use (Grid2() is valid once the table was shown).
    GridView& SecondGrid();
    FilterBox& Filter() { return *filterBox_; }
    // The popup opened by the last right click on a grid (null when none opened).
    QMenu* OpenedPopup() const { return openedPopup_; }
    // The history menu (PopupBack) as the "|" button opens it.
    QMenu& HistoryMenu() { return *popupBack_; }

    // Shows every piece of state again: tables, labels, lists, panel, buttons, status line.
    void SyncAll();
    // Puts the language's texts on the menus, labels and buttons.
    void ApplyCaptions();
    // Colours, pictures and popup looks of the current palette.
    void ApplyTheme();
    // Opens a table by name (see ShowNamedView); returns what was wrong, or an empty text.
    QString ShowView(const QStringList& args);
    // Runs a command that builds a table in tablo1 and shows it (statistics windows use it).
    void RunTable(const std::function<void(TableContext&)>& command);
    // The driver box (ComboBox2): its text is the name "Analyze driver" works on.
    QComboBox& DriverBox() { return *comboBox2_; }
    void SetDriverBox(const QString& name);
    // Rows of tablo1 in view (a GP shown for a driver scrolls his row into them).
    int VisibleGridRows() const;
    // "---->   hint   <----" in the status line; cleared when the status still shows it.
    void ShowHint(const QString& hint);
    void ClearHint(const QString& hint);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // ---- Building ----------------------------------------------------------------------------
    void BuildMenus();
    void BuildCentral();
    // The table area: title, history and copy buttons, the two grids and the filter box.
    void BuildGridPanel();
    // The right-hand panel: season and GP browser, GP information, championship panel.
    void BuildRightPanel();
    void BuildPopups();
    QAction* AddAction(QMenu& menu, const char* name, const QString& text,
                       QActionGroup* group = nullptr, bool checkable = false);
    QToolButton* MakeButton(const char* name, const QString& text, QWidget* parent);
    void LayoutPanels();

    // ---- Editing (MainWindowEditing.cpp) ------------------------------------------------
    // The "Update" menu: records, GPs, the import and "Save changes" with their shortcuts.
    void BuildEditing();
    void SyncSaveChanges();
    // Runs a prepared dialog modally; true when it saved.
    bool RunEditDialog(QDialog& dialog);
    void ImportOldDB();
    void SaveChanges();
    // `--show new-gp [NAME]`, `update-record ROW` and `import FILE`: the dialog open beside the
    // window (not modal, for pictures and scripts); empty when the view is none of them.
    std::optional<QString> ShowEditView(const QStringList& args);

    // ---- Showing state -------------------------------------------------------------------
    void SyncTables();
    void SyncLabels();
    void SyncBrowser();
    void SyncInfoPanel();
    void SyncHistoryButtons();
    void SyncMenuTicks();
    void SyncDriverBox();
    // A command rebuilt tablo1.
    void TableRebuilt();

    // ---- Grid handlers -------------------------------------------------------------------
    void OnCellPressed(GridView* view, int col, int row, Qt::MouseButton button, bool ctrl,
                       QPoint globalPos);
    void OnCellDoubleClicked(GridView* view);
    void OnCellSelected(GridView* view, int col, int row);
    void OnFilterChosen(int index);
    void OpenPopup(GridPopup popup, const std::vector<MenuCaption>& captions, QPoint globalPos);

    // ---- Commands ------------------------------------------------------------------------
    // Runs a table command (a producer's handler) and shows the table it built.
    void RunCommand(void (*command)(TableContext&));
    // A button or menu item for a table command of the core's command lists.
    QToolButton* CommandButton(const MenuTableCommand& command, QWidget* parent);
    QAction* CommandItem(const MenuTableCommand& command, QMenu& menu);
    void OnYearChosen(int index);
    void OnGPChosen(int row);
    void OpenGPListMenu(QPoint pos);
    void Back();
    void Next();
    void OpenHistoryMenu();
    void CopyToNewTable();
    void CloseSecondTable();
    void ExportHtml();
    void ChooseLanguage(std::uint8_t mode);
    void ChooseLanguageFile();
    void StartWidening(bool widen);
    void WideTick();
    void StartChampionshipSlide(bool open);
    void ChampionshipTick();
    // Puts a text (Unicode) into the status line.
    void ShowStatus(const QString& text);

    MainSession& session_;
    SettingsStore& settings_;
    Prompts& prompts_;

    // Menu items and other controls by their design names (captions, ticks, tests).
    std::map<std::string, QAction*> actions_;

    QWidget* central_ = nullptr;
    QLabel* image1_ = nullptr;
    QWidget* panel8_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QToolButton* backButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QToolButton* speedButton17_ = nullptr;
    QToolButton* kopyala_ = nullptr;
    QToolButton* button9_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QSplitter* splitter1_ = nullptr;
    QWidget* panel13_ = nullptr;
    QWidget* panel12_ = nullptr;
    QLabel* label29_ = nullptr;
    QLabel* label31_ = nullptr;
    QLabel* label4_ = nullptr;
    QToolButton* speedButton12_ = nullptr;
    GridView* tablo1_ = nullptr;
    GridView* tablo2_ = nullptr;
    FilterBox* filterBox_ = nullptr;

    QWidget* panel2_ = nullptr;
    QWidget* panel3_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QListWidget* gpListBox1_ = nullptr;
    ListDelegate* gpListDelegate_ = nullptr;
    QWidget* gpbilgipanel_ = nullptr;
    std::map<std::string, QLabel*> infoLabels_;
    QWidget* panel4_ = nullptr;
    QListWidget* listBox2_ = nullptr;
    QListWidget* listBox3_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QToolButton* speedButton4_ = nullptr;
    QLabel* status_ = nullptr;
    QComboBox* comboBox2_ = nullptr;
    QToolButton* button8_ = nullptr;
    QToolButton* speedButton13_ = nullptr;
    QMenu* overallMenu_ = nullptr;
    QMenu* analyzesMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;

    QMenu* popupBack_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
    std::map<GridPopup, QMenu*> gridPopups_;
    QMenu* openedPopup_ = nullptr;

    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    bool widening_ = false;
    bool wide_ = false;
    bool opening_ = false;
    int normalTableWidth_ = 0;
    int panel4Top_ = 0;
    bool panel4Placed_ = false;
    // Lists shown, to refill widgets only when the core lists changed.
    std::vector<std::string> shownYears_;
    std::vector<std::string> shownGPs_;
    std::vector<std::string> shownDriverYears_;
    std::vector<std::string> shownTeamYears_;
    std::vector<std::string> shownDriverItems_;
    // The two edit dialogs' models: a new record keeps the last "Time to save".
    GPDialog gpDialog_;
    RecordDialog recordDialog_;
    // The import a `--show import` view keeps open.
    std::unique_ptr<ImportSession> shownImport_;

    // ---- Top lists, track statistics, Find Name, Help, About (MainWindowStatistics.cpp) ------
  public:
    // "Top Lists" with the drivers' or teams' lists; "Statistics for Pists"; the Find Name
    // window (speedButton13); "Help" (shown modal); "About". Each opens its window and
    // returns it.
    TopListWindow& OpenTopLists(bool teams = false);
    TrackStatisticsWindow& OpenTrackStatistics();
    FindNameDialog& OpenFindName();
    HelpWindow& OpenHelp();
    AboutBox& OpenAbout();
    // A message box over the main window.
    void Inform(const QString& text);

  private:
    void BuildStatistics();
    // ShowView's names for these windows: "toplist drivers|teams", "tracks", "find TEXT",
    // "help", "about". False when the view is none of them.
    bool ShowStatisticsView(const QStringList& args, QString& error);
    TopListWindow* topListWindow_ = nullptr;
    TrackStatisticsWindow* trackWindow_ = nullptr;
    FindNameDialog* findNameDialog_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    AboutBox* aboutBox_ = nullptr;

    // ---- Driver analysis windows (MainWindowAnalysis.cpp) ------------------------------------
  public:
    // "Analyze driver" (button8): the driver named in the driver box in his statistics window;
    // an unknown name only puts the closest names into the status line.
    void AnalyzeDriverBox();
    AnalyzeWindows& Analyzes() { return *analyzeWindows_; }
    // Runs a command that shows a table and chooses its current row itself (a GP shown with
    // a driver's row selected).
    void RunTableAt(const std::function<void(TableContext&)>& command);

  private:
    void BuildAnalysis();
    // `--show analyze NAME`; empty when the view is not an analysis.
    std::optional<QString> ShowAnalyzeView(const QStringList& args);
    AnalyzeWindows* analyzeWindows_ = nullptr;

    // ---- Compare list and team-mates window ------------------------------------------------
  public:
    // The team-mates window (null until "TeamMate Compare" first opens it).
    TeamMatesDialog* TeamMates() const { return teamMates_; }

  private:
    void BuildCompare();
    // ComboBox6's items and Panel5's visibility from the compare list.
    void SyncCompareList();
    // `compare NAME NAME...` and `teammates NAME TEAM` of ShowView.
    QString ShowCompareView(const QStringList& args);
    // "TeamMate Compare": the window for the driver and team of SelectedRecord.
    void OpenTeamMates();
    QWidget* panel5_ = nullptr;
    QAction* panel5Action_ = nullptr;
    QComboBox* comboBox6_ = nullptr;
    QToolButton* speedButton5_ = nullptr;
    std::vector<std::string> shownCompareItems_;
    TeamMatesDialog* teamMates_ = nullptr;

    // ---- Online: log-in, password and news windows (MainWindowOnline.cpp) -------------------
  public:
    // "Login to Qor" (Login1) and the log-in button Sbt26: the log-in window shown.
    LoginWindow& OpenLogin();
    // "Change My Password" of the log-in window: the password window, modal.
    PasswordWindow& OpenPassword();
    // "Qor News" (LookforNewVersion1) and Sbt23: the news check.
    NewsWindow& OpenNews();
    // onlinelabel: the message of the last accepted log-in (empty after a refusal).
    void SetOnlineLabel(const QString& text);
    // An online update added drivers: the driver box lists them.
    void DriversChanged();

  private:
    void BuildOnline();
    // A button of the online row in tool bar Panel1, placed after those made before it.
    QToolButton* AddOnlineButton(const char* name, const QString& caption);
    // `login` and `news` of ShowView; empty when the view is neither.
    std::optional<QString> ShowOnlineView(const QStringList& args);
    LoginWindow* loginWindow_ = nullptr;
    PasswordWindow* passwordWindow_ = nullptr;
    NewsWindow* newsWindow_ = nullptr;
    QLabel* onlineLabel_ = nullptr;

    // ---- Online: shared GP results (MainWindowSharedGP.cpp) ---------------------------------
  public:
    // "Qor GP Updates" (UpdatefromQorsharing1) and Sbt25 (which stops its flashing first):
    // the window shown modally.
    SharedResultsWindow& OpenSharedResults();
    // The window, created with the main window (Timer_updater presses its refresh button).
    SharedResultsWindow& SharedResults();
    // A listed GP the database lacks: Sbt25's tag becomes 1.
    void SetGPUpdatesWaiting(bool waiting);
    // Timer4 started: Sbt25's text colour toggled every 500 ms while its tag is 1.
    void FlashGPUpdates();
    // The day a list request ended, kept for the once-a-day check.
    void ListChecked(double day);
    void ShowUpdatesStatus(const QString& text);
    // A shared GP saved: the browser on its year and GP; "Save changes" off when the files
    // were written.
    void ShowSharedGP(std::uint16_t gp, bool written);
    // "Share This GP" (ShareGPResults1): the shown GP sent to the pool; false when the item
    // is disabled (no GP of the database shown, or logged out).
    bool ShareShownGP();

  private:
    void BuildSharedResults();
    // ShareGPResults1: the caption of the shown GP, enabled while logged in.
    void SyncShare();
    // Timer_updater: the once-a-day list request, in the hidden window.
    void CheckForUpdates();
    // `gp-updates [sources|content]` of ShowView.
    QString ShowSharedResultsView(const QStringList& args);
    SharedResultsWindow* sharedResults_ = nullptr;
    QToolButton* sbt25_ = nullptr;
    int sbt25Tag_ = 0;
    bool sbt25Lit_ = false;
    QTimer* flashTimer_ = nullptr;
    QTimer* timerUpdater_ = nullptr;
    WindowRequest* shareRequest_ = nullptr;

    // ---- Online: message board and guess game (MainWindowMessaging.cpp) -------------------
  public:
    // "Qor Messaging" (ReviewsandMessages1) and Sbt24: the board window, built when first
    // opened.
    MessagingWindow& OpenMessaging();
    // "<F1 Guess Game>" (Sbt28): the guess game window, built when first opened.
    GuessWindow& OpenGuess();
    // A question with Yes and No over the main window; true for Yes.
    bool Ask(const QString& question);

  private:
    void BuildMessaging();
    // `board [USER PASSWORD]` and `guess [history] [USER PASSWORD]` of ShowView; empty when
    // the view is neither.
    std::optional<QString> ShowMessagingView(const QStringList& args);
    MessagingWindow* messagingWindow_ = nullptr;
    GuessWindow* guessWindow_ = nullptr;
};

} // namespace qor::app
