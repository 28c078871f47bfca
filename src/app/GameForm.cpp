#include "app/GameForm.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/BoardAccess.h"
#include "app/Language.h"
#include "app/TileGrid.h"
#include "core/Pictures.h"
#include "settings/Settings.h"
#include "widgets/ClickLabel.h"
#include "widgets/ElidingLabel.h"
#include "widgets/MarkedLetters.h"
#include "widgets/Ui.h"

namespace {

constexpr int kTimerMs = 1000;

void setColors(QWidget* w, const QColor& background, const QColor& foreground = QColor()) {
    QPalette pal = w->palette();
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    if (foreground.isValid()) {
        pal.setColor(QPalette::WindowText, foreground);
    }
    w->setPalette(pal);
}

QFrame* makePanel(QWidget* parent, const QRect& place, QFrame::Shadow shadow = QFrame::Raised) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(1);
    return panel;
}

QFrame* makeBevel(QWidget* parent, const QRect& place) {
    QFrame* bevel = makePanel(parent, place, QFrame::Sunken);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return bevel;
}

// A panel that shows one line of text in its middle.
QLabel* makeTextPanel(QWidget* parent, const QRect& place, QFrame::Shadow shadow) {
    QLabel* label = plainLabel(parent, QString(), place, Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | shadow);
    return label;
}

// A title over a panel's contents.
QLabel* makeCaption(QWidget* parent, const QString& text, const QRect& place) {
    return plainLabel(parent, text, place, Qt::AlignHCenter | Qt::AlignTop);
}

// A label of several lines, from its top left.
QLabel* makeWrappingLabel(QWidget* parent, const QRect& place) {
    QLabel* label = plainLabel(parent, QString(), place, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPlainTextEdit* makeMemo(QWidget* parent, const QRect& place) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(place);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setMaximumBlockCount(MainWinControls::kMemoLines);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setFont(arialFont(11));
    return memo;
}

QTimer* makeTimer(QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setInterval(kTimerMs);
    return timer;
}

void disable(QWidget* w) {
    w->hide();
    w->setEnabled(false);
}

QAction* addItem(QMenu* menu, const char* caption, const char* keys = "") {
    QAction* action = menu->addAction(QCoreApplication::translate("TMainWin", caption));
    if (*keys != '\0') {
        action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    }
    return action;
}

QAction* addCheckItem(QMenu* menu, const char* caption) {
    QAction* action = addItem(menu, caption);
    action->setCheckable(true);
    return action;
}

void buildLanguageMenu(MainWinControls& ui, QMenu& options) {
    ui.MenuLanguage = options.addMenu(QCoreApplication::translate("TMainWin", "&Language"));
    auto* group = new QActionGroup(ui.MenuLanguage);
    QList<std::pair<QString, QString>> entries{
        {QString(), QCoreApplication::translate("TMainWin", "&System Language")}};
    entries += language::offered();
    for (const auto& [code, name] : entries) {
        QAction* action = addCheckItem(ui.MenuLanguage, "");
        action->setText(name);
        action->setData(code);
        group->addAction(action);
    }
}

void buildMenus(MainWinControls& ui, QMenuBar& bar) {
    bar.setAccessibleName(QCoreApplication::translate("Accessibility", "Menu bar"));
    QMenu* file = bar.addMenu(QCoreApplication::translate("TMainWin", "&File"));
    ui.MenuPlayer = addItem(file, QT_TRANSLATE_NOOP("TMainWin", "New &Player / Game"), "Ctrl+P");
    ui.MenuWords = addItem(file, QT_TRANSLATE_NOOP("TMainWin", "New &Words"), "Ctrl+W");
    ui.MenuSkip = addItem(file, QT_TRANSLATE_NOOP("TMainWin", "S&kip Word"), "Ctrl+K");
    ui.MenuDaily = addItem(file, QT_TRANSLATE_NOOP("TMainWin", "Word of the &Day"), "Ctrl+D");
    ui.MenuByName = addItem(file, QT_TRANSLATE_NOOP("TMainWin", "Open &List by Name..."), "Ctrl+O");
    file->addSeparator();
    ui.MenuExit = addItem(file, QT_TRANSLATE_NOOP("TMainWin", "E&xit"));
    ui.MenuExit->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q"))});

    QMenu* options = bar.addMenu(QCoreApplication::translate("TMainWin", "&Options"));
    ui.MenuUserName = addItem(options, QT_TRANSLATE_NOOP("TMainWin", "User &Name"), "Ctrl+N");
    ui.MenuGame =
        addItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Two Player Game Options"), "Ctrl+T");
    ui.MenuSound = addItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Sound Effects"), "Ctrl+S");
    ui.MenuFonts = addItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Fonts"), "Ctrl+F");
    ui.MenuGuesses = addItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Guess Attempts"), "Ctrl+G");
    options->addSeparator();
    ui.MenuUpper = addCheckItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Uppercase Answer"));
    ui.MenuHints = addCheckItem(options, QT_TRANSLATE_NOOP("TMainWin", "Use &Hints"));
    ui.MenuScramble =
        addCheckItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Scramble Word List When Loading"));
    ui.MenuRouter = addCheckItem(options, QT_TRANSLATE_NOOP("TMainWin", "Open Port On &Router"));
    ui.MenuRouter->setObjectName(QStringLiteral("MenuRouter"));
    ui.MenuServer = addItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Matchmaking Server"));
    buildLanguageMenu(ui, *options);
    ui.MenuLength = options->addMenu(QCoreApplication::translate("TMainWin", "Solo Word &Length"));
    ui.MenuContrast = addCheckItem(options, QT_TRANSLATE_NOOP("TMainWin", "High &Contrast Look"));
    ui.MenuFold =
        addCheckItem(options, QT_TRANSLATE_NOOP("TMainWin", "&Accents Count as Base Letters"));

    QMenu* tools = bar.addMenu(QCoreApplication::translate("TMainWin", "&Tools"));
    ui.DisplayyourIPAddress1 =
        addItem(tools, QT_TRANSLATE_NOOP("TMainWin", "&Display your IP Address"), "Ctrl+I");
    tools->addSeparator();
    ui.MenuCreateList =
        addItem(tools, QT_TRANSLATE_NOOP("TMainWin", "&Create A Word List"), "Ctrl+L");
    ui.MenuStatistics = addItem(tools, QT_TRANSLATE_NOOP("TMainWin", "&Statistics"), "Ctrl+R");

    QMenu* help = bar.addMenu(QCoreApplication::translate("TMainWin", "&Help"));
    ui.MenuContents = addItem(help, QT_TRANSLATE_NOOP("TMainWin", "&Contents"), "F1");
    ui.MenuWebSite = addItem(help, QT_TRANSLATE_NOOP("TMainWin", "&Web Site"));
    ui.MenuAbout = addItem(help, QT_TRANSLATE_NOOP("TMainWin", "&About"));
}

void buildWelcomePanel(MainWinControls& ui, QWidget* central) {
    ui.BlankPanel = makePanel(central, QRect(4, 0, 469, 313));
    ui.Label4 =
        makeCaption(ui.BlankPanel, QCoreApplication::translate("TMainWin", "Welcome To Ropewit"),
                    QRect(48, 24, 369, 37));
    ui.Label4->setFont(arialFont(27, true));
    setColors(ui.Label4, QColor(), Qt::red);
    ui.Label5 = makeCaption(ui.BlankPanel,
                            QCoreApplication::translate("TMainWin", "The Internet Hangman Game!"),
                            QRect(36, 68, 401, 37));
    ui.Label5->setFont(arialFont(27, true, true));
    setColors(ui.Label5, QColor(), Qt::blue);
    ui.StartGame =
        new QPushButton(QCoreApplication::translate("TMainWin", "&Start New Game"), ui.BlankPanel);
    ui.StartGame->setGeometry(184, 160, 113, 25);
    // Return presses a focused button outside dialogs too, as a keyboard player expects.
    ui.StartGame->setAutoDefault(true);
}

// The hint and the used letters, left of the gallows.
void buildLetterPanels(MainWinControls& ui) {
    ui.HintPanel = new QFrame(ui.MainPanel);
    ui.HintPanel->setGeometry(8, 36, 137, 32);
    ui.Label8 = plainLabel(ui.HintPanel, QCoreApplication::translate("TMainWin", "Hint:"),
                           QRect(4, 0, 28, 16), Qt::AlignLeft | Qt::AlignTop);
    ui.Label8->setFont(arialFont(12, true));
    ui.HintLabel = makeWrappingLabel(ui.HintPanel, QRect(32, 0, 101, 33));
    ui.HintLabel->setFont(arialFont(12));

    ui.UsedPanel = makePanel(ui.MainPanel, QRect(8, 40, 137, 97), QFrame::Sunken);
    ui.Label3 = makeCaption(ui.UsedPanel, QCoreApplication::translate("TMainWin", "Used Letters"),
                            QRect(12, 4, 113, 17));
    ui.Label3->setFont(arialFont(15));
    ui.UsedLettersLabel = new MarkedLetters(ui.UsedPanel);
    ui.UsedLettersLabel->setGeometry(4, 20, 129, 73);
    ui.UsedLettersLabel->setFont(arialFont(15, true));
}

// The score box: the two players' names and totals.
void buildScoreBox(MainWinControls& ui) {
    ui.Bevel3 = makeBevel(ui.MainPanel, QRect(332, 84, 133, 73));
    ui.Label7 = plainLabel(ui.MainPanel, QCoreApplication::translate("TMainWin", "Score"),
                           QRect(356, 92, 89, 16), Qt::AlignHCenter);
    ui.Play1ScoreLab =
        new ElidingLabel(ui.MainPanel, QCoreApplication::translate("TMainWin", "Player"),
                         QRect(340, 112, 89, 16), Qt::AlignRight | Qt::AlignTop);
    ui.Play1ScorePan = makeTextPanel(ui.MainPanel, QRect(432, 108, 29, 21), QFrame::Raised);
    ui.Play1ScorePan->setText(QStringLiteral("0"));
    ui.Play2ScoreLab =
        new ElidingLabel(ui.MainPanel, QCoreApplication::translate("TMainWin", "Word"),
                         QRect(340, 136, 89, 16), Qt::AlignRight | Qt::AlignTop);
    ui.Play2ScorePan = makeTextPanel(ui.MainPanel, QRect(432, 132, 29, 21), QFrame::Raised);
    ui.Play2ScorePan->setText(QStringLiteral("0"));
}

// The connection log.
void buildConnectPanel(MainWinControls& ui) {
    ui.ConnectPanel = makePanel(ui.MainPanel, QRect(332, 160, 133, 149), QFrame::Sunken);
    ui.Label2 =
        makeCaption(ui.ConnectPanel, QCoreApplication::translate("TMainWin", "Connection Status"),
                    QRect(4, 4, 125, 16));
    ui.ConMemo = makeMemo(ui.ConnectPanel, QRect(4, 24, 125, 121));
    disable(ui.ConnectPanel);
}

void buildMainPanel(MainWinControls& ui, QWidget* central) {
    ui.MainPanel = makePanel(central, QRect(4, 0, 469, 313));
    ui.MainPanel->setFont(arialFont(13, true));
    setColors(ui.MainPanel, QColor(), Qt::red);
    ui.MainPanel->setFocusPolicy(Qt::ClickFocus);
    disable(ui.MainPanel);
    // Under the word tiles, where a reader looks for the word.
    ui.SpokenWord = new QLabel(ui.MainPanel);
    ui.SpokenWord->setGeometry(12, 4, 448, 28);
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ui.WordTiles[p] = new ClickLabel(ui.MainPanel);
        ui.WordTiles[p]->setGeometry(30 * p - 18, 4, 28, 28);
    }
    ui.PlayerPanel = makeTextPanel(ui.MainPanel, QRect(332, 36, 133, 21), QFrame::Raised);
    setColors(ui.PlayerPanel, Qt::yellow);
    buildLetterPanels(ui);
    ui.NoHang = new ClickLabel(ui.MainPanel);
    ui.NoHang->setGeometry(150, 40, pictures::kGallowsWidth, pictures::kGallowsHeight);
    // A click on the gallows gives the board the keyboard focus.
    QObject::connect(ui.NoHang, &ClickLabel::pressed, ui.MainPanel,
                     [panel = ui.MainPanel] { panel->setFocus(); });
    ui.Guesses = makeTextPanel(ui.MainPanel, QRect(150, 284, 177, 25), QFrame::Sunken);
    ui.Guesses->setFont(arialFont(12, true));
    ui.WordNumPanel = makeTextPanel(ui.MainPanel, QRect(332, 60, 133, 21), QFrame::Sunken);
    buildScoreBox(ui);
    for (int i = 1; i <= Alphabet::kMaxTiles; ++i) {
        ui.AlphabetTiles[i] = new ClickLabel(ui.MainPanel);
        ui.AlphabetTiles[i]->setGeometry(tilegrid::cell(tilegrid::Layout(), i));
        // One Tab stop for the whole grid; the arrow keys move within it.
        ui.AlphabetTiles[i]->setButton(true);
        ui.AlphabetTiles[i]->setFocusPolicy(i == 1 ? Qt::TabFocus : Qt::NoFocus);
        if (i > Round::kTiles) {
            // The letters beyond A..Z show once a list or a word brings them.
            disable(ui.AlphabetTiles[i]);
        }
    }
    buildConnectPanel(ui);
}

// The opponent's name, progress and letters, and the chat.
void buildWebPanel(MainWinControls& ui, QWidget* central) {
    ui.WebPanel = makePanel(central, QRect(476, 0, 153, 313));
    ui.WebPanel->setFont(arialFont(13, true));
    ui.Bevel2 = makeBevel(ui.WebPanel, QRect(4, 60, 145, 57));
    ui.Bevel1 = makeBevel(ui.WebPanel, QRect(4, 148, 145, 161));
    ui.OppPanel = makeTextPanel(ui.WebPanel, QRect(8, 4, 133, 21), QFrame::Raised);
    setColors(ui.OppPanel, Qt::yellow, Qt::red);
    ui.WebWordlabel =
        makeCaption(ui.WebPanel, QStringLiteral("_______________"), QRect(4, 36, 145, 21));
    ui.WebWordlabel->setFont(arialFont(15, true));
    ui.Label6 = makeCaption(ui.WebPanel, QCoreApplication::translate("TMainWin", "Used Letters"),
                            QRect(8, 64, 137, 16));
    ui.MissedWebLabel = makeWrappingLabel(ui.WebPanel, QRect(8, 80, 137, 33));
    ui.WebGuesses = makeTextPanel(ui.WebPanel, QRect(4, 120, 145, 25), QFrame::Sunken);
    ui.Label1 = makeCaption(ui.WebPanel, QCoreApplication::translate("TMainWin", "Communication"),
                            QRect(8, 152, 137, 16));
    ui.MyMemo = makeMemo(ui.WebPanel, QRect(8, 172, 137, 109));
    ui.MyMess = new QLineEdit(ui.WebPanel);
    ui.MyMess->setGeometry(8, 284, 97, 22);
    ui.MyMess->setMaxLength(1000);
    ui.MyMess->setFont(arialFont(12));
    ui.SendButton = new QPushButton(QCoreApplication::translate("TMainWin", "&Send"), ui.WebPanel);
    ui.SendButton->setGeometry(108, 288, 37, 17);
    ui.SendButton->setFont(arialFont(11));
    disable(ui.WebPanel);
}

// The small panel over the gallows: the action button and the wait label.
void buildControlPanel(MainWinControls& ui, QWidget* central, const QColor& face) {
    ui.ControlPanel = new QFrame(central);
    ui.ControlPanel->setGeometry(154, 40, 177, 241);
    ui.ControlPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.ControlPanel->setLineWidth(2);
    setColors(ui.ControlPanel, face);
    disable(ui.ControlPanel);

    ui.ActionButton =
        new QPushButton(QCoreApplication::translate("TMainWin", "Start &Game"), ui.ControlPanel);
    ui.ActionButton->setGeometry(24, 92, 129, 25);
    ui.ActionButton->setAutoDefault(true);
    ui.ActionButton->setFont(arialFont(15, true));
    QPalette pal = ui.ActionButton->palette();
    pal.setColor(QPalette::ButtonText, Qt::red);
    ui.ActionButton->setPalette(pal);
    disable(ui.ActionButton);

    ui.WaitStatus =
        plainLabel(ui.ControlPanel, QString(), QRect(24, 128, 129, 33), Qt::AlignCenter);
    ui.WaitStatus->setWordWrap(true);
    ui.WaitStatus->setFont(arialFont(13, true));
    setColors(ui.WaitStatus, Qt::black, Qt::white);
    disable(ui.WaitStatus);
}

}  // namespace

void MainWinControls::setupUi(QMainWindow& window) {
    auto* central = new QWidget(&window);
    central->setFont(arialFont(13));
    setColors(central, QColor(), Qt::black);
    window.setCentralWidget(central);
    buildMenus(*this, *window.menuBar());
    buildWelcomePanel(*this, central);
    buildMainPanel(*this, central);
    buildWebPanel(*this, central);
    buildControlPanel(*this, central, window.palette().color(QPalette::Button));
    FlashTimer = makeTimer(&window);
    ConnectTimer = makeTimer(&window);
    setClientWidth(window, kClientWidthSolo);
}

void MainWinControls::showOptionChecks(const Settings& settings) {
    MenuUpper->setChecked(settings.UseUpper);
    MenuHints->setChecked(settings.UseHints);
    MenuScramble->setChecked(settings.ScrambleList);
    MenuRouter->setChecked(settings.OpenPortOnRouter);
    for (QAction* action : MenuLanguage->actions()) {
        action->setChecked(action->data().toString() == settings.Language);
    }
    MenuContrast->setChecked(settings.HighContrast);
    MenuFold->setChecked(settings.FoldAccents);
}

void MainWinControls::showTileBackgrounds(const QImage& alphabet, const QImage& word) {
    for (int i = 1; i <= Round::kTiles; ++i) {
        AlphabetTiles[i]->setPixmap(QPixmap::fromImage(alphabet));
    }
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        WordTiles[p]->setPixmap(QPixmap::fromImage(word));
    }
}

void MainWinControls::showMode(QMainWindow& window, WindowMode mode, bool wordsMenu) {
    const bool log = mode != WindowMode::Solo;
    const bool opponent = mode == WindowMode::Connected;
    MenuGuesses->setEnabled(true);
    MenuWords->setEnabled(wordsMenu);
    MenuSkip->setEnabled(mode == WindowMode::Solo);
    ConnectPanel->setEnabled(log);
    ConnectPanel->setVisible(log);
    if (opponent) {
        PlayerPanel->setEnabled(true);
        PlayerPanel->show();
    }
    WebPanel->setEnabled(opponent);
    WebPanel->setVisible(opponent);
    setClientWidth(window, opponent ? kClientWidthWide : kClientWidthSolo);
}

void MainWinControls::fitControlPanel() {
    const bool show = !WaitStatus->isHidden() || !ActionButton->isHidden();
    ControlPanel->setEnabled(show);
    ControlPanel->setVisible(show);
    if (show) {
        ControlPanel->raise();
    }
}

void MainWinControls::setClientWidth(QMainWindow& window, int width) {
    window.centralWidget()->setFixedSize(width, kClientHeight);
    window.setFixedSize(width, kClientHeight + window.menuBar()->sizeHint().height());
}

void MainWinControls::showWelcome(bool on) {
    BlankPanel->setEnabled(on);
    BlankPanel->setVisible(on);
    MainPanel->setEnabled(!on);
    MainPanel->setVisible(!on);
}

void MainWinControls::showScores(long long player1, long long player2) {
    Play1ScorePan->setText(QString::number(player1));
    Play2ScorePan->setText(QString::number(player2));
    boardaccess::nameScores(*this);
}
