#include "app/MainWin.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/ClickLabel.h"
#include "app/ElidingLabel.h"
#include "app/RouterMode.h"
#include "app/Ui.h"
#include "core/Pictures.h"
#include "core/Text.h"
#include "matchmaking/MatchClient.h"
#include "net/TWSocket.h"

namespace {

constexpr int kMemoLines = 500;
constexpr int kUnLogWaitMs = 3000;
const char* const kWebSite = "https://ropewit.example.org/";

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

// A panel that shows one line of text in its middle.
QLabel* makeTextPanel(QWidget* parent, const QRect& place, QFrame::Shadow shadow) {
    QLabel* label = plainLabel(parent, QString(), place, Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | shadow);
    return label;
}

QPlainTextEdit* makeMemo(QWidget* parent, const QRect& place) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(place);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setMaximumBlockCount(kMemoLines);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}

}  // namespace

TMainWin::TMainWin(const AppContext& context, QWidget* parent) : QMainWindow(parent), ctx(context) {
    setWindowTitle(QStringLiteral("Ropewit"));
    FormCreate();
    qApp->installEventFilter(this);
}

TMainWin::~TMainWin() {
    qApp->removeEventFilter(this);
}

void TMainWin::FormCreate() {
    EmptyGallows = pictures::emptyGallows(devicePixelRatioF());
    NoHangPicture = EmptyGallows;
    YesHang = pictures::hangedFigure(devicePixelRatioF());
    AlphaImage = pictures::builtinAlphabetTile();
    WordImage = pictures::builtinWordTile();

    SoloGame = true;

    settings.ProgramDir = ctx.programDir;
    settings.IniPath = QDir(ctx.configDir).filePath(QStringLiteral("ROPEWIT.INI"));
    // A settings file that cannot be read or written is told once, after the handler that met it.
    settings.ReportProblem = [this](const QString& problem) {
        QTimer::singleShot(0, this, [this, problem] {
            ctx.prompts->message(this, QStringLiteral("Error"), problem);
        });
    };
    LoadSettings(settings);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        ScreenWidth = screen->geometry().width();
        ScreenHeight = screen->geometry().height();
    }

    auto* central = new QWidget(this);
    central->setFont(arialFont(13));
    setColors(central, QColor(), Qt::black);
    setCentralWidget(central);
    BuildMenus();
    BuildWelcomePanel();
    BuildMainPanel();
    BuildWebPanel();
    BuildControlPanel();
    BuildConnections();

    MenuUpper->setChecked(settings.UseUpper);
    MenuHints->setChecked(settings.UseHints);
    MenuScramble->setChecked(settings.ScrambleList);
    if (auto* router = findChild<QAction*>(QStringLiteral("MenuRouter"))) {
        router->setChecked(settings.OpenPortOnRouter);
    }

    LoadTileBackgrounds();
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        AlphabetTiles[i]->setPixmap(QPixmap::fromImage(SavedAlpha));
    }
    for (int p = 1; p <= kMaxWord; ++p) {
        WordTiles[p]->setPixmap(QPixmap::fromImage(SavedWord));
    }

    FlashTimer = new QTimer(this);
    FlashTimer->setInterval(1000);
    connect(FlashTimer, &QTimer::timeout, this, &TMainWin::FlashTimerTimer);
    ConnectTimer = new QTimer(this);
    ConnectTimer->setInterval(1000);
    connect(ConnectTimer, &QTimer::timeout, this, &TMainWin::ConnectTimerTimer);

    DisplayHints();
    SetClientWidth(kClientWidthSolo);
}

void TMainWin::LoadTileBackgrounds() {
    // A picture named in the settings that has gone missing falls back silently; one that
    // exists but cannot be read is reported, and the built-in picture is used.
    auto load = [this](const QString& path, const QImage& builtin) {
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            QImage image = pictures::loadBitmap(path);
            if (!image.isNull()) {
                return image;
            }
            ctx.prompts->message(this, QStringLiteral("Error"),
                                 QStringLiteral("Bitmap image is not valid"));
        }
        return builtin;
    };
    SavedAlpha = load(settings.AlphabetBitmap, AlphaImage);
    SavedWord = load(settings.WordBitmap, WordImage);
}

void TMainWin::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& caption, const QString& keys,
                      void (TMainWin::*handler)()) {
        QAction* action = menu->addAction(caption);
        if (!keys.isEmpty()) {
            action->setShortcut(QKeySequence(keys));
        }
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    MenuPlayer = add(file, QStringLiteral("New &Player / Game"), QStringLiteral("Ctrl+P"),
                     &TMainWin::MenuPlayerClick);
    MenuWords = add(file, QStringLiteral("New &Words"), QStringLiteral("Ctrl+W"),
                    &TMainWin::MenuWordsClick);
    file->addSeparator();
    MenuExit =
        add(file, QStringLiteral("E&xit"), QStringLiteral("Ctrl+X"), &TMainWin::MenuExitClick);
    MenuExit->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q"))});

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    MenuUserName = add(options, QStringLiteral("User &Name"), QStringLiteral("Ctrl+N"),
                       &TMainWin::MenuUserNameClick);
    MenuGame = add(options, QStringLiteral("&Two Player Game Options"), QStringLiteral("Ctrl+T"),
                   &TMainWin::MenuGameClick);
    MenuSound = add(options, QStringLiteral("&Sound Effects"), QStringLiteral("Ctrl+S"),
                    &TMainWin::MenuSoundClick);
    MenuFonts =
        add(options, QStringLiteral("&Fonts"), QStringLiteral("Ctrl+F"), &TMainWin::MenuFontsClick);
    MenuGuesses = add(options, QStringLiteral("&Guess Attempts"), QStringLiteral("Ctrl+G"),
                      &TMainWin::MenuGuessesClick);
    options->addSeparator();
    MenuUpper =
        add(options, QStringLiteral("&Uppercase Answer"), QString(), &TMainWin::MenuUpperClick);
    MenuHints = add(options, QStringLiteral("Use &Hints"), QString(), &TMainWin::MenuHintsClick);
    MenuScramble = add(options, QStringLiteral("&Scramble Word List When Loading"), QString(),
                       &TMainWin::MenuScrambleClick);
    MenuUpper->setCheckable(true);
    MenuHints->setCheckable(true);
    MenuScramble->setCheckable(true);
    QAction* router = options->addAction(QStringLiteral("Open Port On &Router"));
    router->setObjectName(QStringLiteral("MenuRouter"));
    router->setCheckable(true);
    connect(router, &QAction::triggered, this, [this, router] {
        settings.OpenPortOnRouter = !settings.OpenPortOnRouter;
        router->setChecked(settings.OpenPortOnRouter);
        SaveSettings(settings);
        applyRouterMode(*peer_, ctx, settings, [this](const QString& l) { LogLine(l); });
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    DisplayyourIPAddress1 = add(tools, QStringLiteral("&Display your IP Address"),
                                QStringLiteral("Ctrl+I"), &TMainWin::DisplayyourIPAddress1Click);
    tools->addSeparator();
    MenuCreateList = add(tools, QStringLiteral("&Create A Word List"), QStringLiteral("Ctrl+L"),
                         &TMainWin::MenuCreateListClick);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    MenuContents =
        add(help, QStringLiteral("&Contents"), QStringLiteral("F1"), &TMainWin::MenuContentsClick);
    MenuWebSite = add(help, QStringLiteral("&Web Site"), QString(), &TMainWin::MenuWebSiteClick);
    MenuAbout = add(help, QStringLiteral("&About"), QString(), &TMainWin::MenuAboutClick);
}

void TMainWin::BuildWelcomePanel() {
    BlankPanel = makePanel(centralWidget(), QRect(4, 0, 469, 313));
    Label4 = plainLabel(BlankPanel, QStringLiteral("Welcome To Ropewit"), QRect(48, 24, 369, 37),
                        Qt::AlignHCenter | Qt::AlignTop);
    Label4->setFont(arialFont(27, true));
    setColors(Label4, QColor(), Qt::red);
    Label5 = plainLabel(BlankPanel, QStringLiteral("The Internet Hangman Game!"),
                        QRect(36, 68, 401, 37), Qt::AlignHCenter | Qt::AlignTop);
    Label5->setFont(arialFont(27, true, true));
    setColors(Label5, QColor(), Qt::blue);
    StartGame = new QPushButton(QStringLiteral("&Start New Game"), BlankPanel);
    StartGame->setGeometry(184, 160, 113, 25);
    connect(StartGame, &QPushButton::clicked, this, &TMainWin::StartGameClick);
}

void TMainWin::BuildMainPanel() {
    MainPanel = makePanel(centralWidget(), QRect(4, 0, 469, 313));
    MainPanel->setFont(arialFont(13, true));
    setColors(MainPanel, QColor(), Qt::red);
    MainPanel->setFocusPolicy(Qt::ClickFocus);
    MainPanel->hide();
    MainPanel->setEnabled(false);

    for (int p = 1; p <= kMaxWord; ++p) {
        auto* tile = new ClickLabel(MainPanel);
        tile->setGeometry(30 * p - 18, 4, 28, 28);
        tile->raise();
        WordTiles[p] = tile;
    }

    PlayerPanel = makeTextPanel(MainPanel, QRect(332, 36, 133, 21), QFrame::Raised);
    setColors(PlayerPanel, Qt::yellow);

    HintPanel = new QFrame(MainPanel);
    HintPanel->setGeometry(8, 36, 137, 32);
    Label8 = plainLabel(HintPanel, QStringLiteral("Hint:"), QRect(4, 0, 28, 16),
                        Qt::AlignLeft | Qt::AlignTop);
    Label8->setFont(arialFont(12, true));
    HintLabel =
        plainLabel(HintPanel, QString(), QRect(32, 0, 101, 33), Qt::AlignLeft | Qt::AlignTop);
    HintLabel->setWordWrap(true);
    HintLabel->setFont(arialFont(12));

    UsedPanel = makePanel(MainPanel, QRect(8, 40, 137, 97), QFrame::Sunken);
    Label3 = plainLabel(UsedPanel, QStringLiteral("Used Letters"), QRect(12, 4, 113, 17),
                        Qt::AlignHCenter | Qt::AlignTop);
    Label3->setFont(arialFont(15));
    UsedLettersLabel =
        plainLabel(UsedPanel, QString(), QRect(4, 20, 129, 73), Qt::AlignLeft | Qt::AlignTop);
    UsedLettersLabel->setWordWrap(true);
    UsedLettersLabel->setFont(arialFont(15, true));

    NoHang = new ClickLabel(MainPanel);
    NoHang->setGeometry(150, 40, pictures::kGallowsWidth, pictures::kGallowsHeight);
    connect(NoHang, &ClickLabel::pressed, this, [this] { MainPanel->setFocus(); });
    ShowPicture();

    Guesses = makeTextPanel(MainPanel, QRect(150, 284, 177, 25), QFrame::Sunken);
    Guesses->setFont(arialFont(12, true));
    WordNumPanel = makeTextPanel(MainPanel, QRect(332, 60, 133, 21), QFrame::Sunken);
    BuildScoreBox();

    for (int i = 1; i <= kAlphabetTiles; ++i) {
        auto* tile = new ClickLabel(MainPanel);
        tile->setGeometry(7 + 28 * ((i - 1) % 5), 140 + 28 * ((i - 1) / 5), 28, 28);
        tile->raise();
        connect(tile, &ClickLabel::pressed, this, [this, i] { AlphaClicked(i); });
        AlphabetTiles[i] = tile;
    }
    BuildConnectPanel();
}

// The connection log.
void TMainWin::BuildConnectPanel() {
    ConnectPanel = makePanel(MainPanel, QRect(332, 160, 133, 149), QFrame::Sunken);
    Label2 = plainLabel(ConnectPanel, QStringLiteral("Connection Status"), QRect(4, 4, 125, 16),
                        Qt::AlignHCenter | Qt::AlignTop);
    ConMemo = makeMemo(ConnectPanel, QRect(4, 24, 125, 121));
    ConMemo->setFont(arialFont(11));
    ConnectPanel->hide();
    ConnectPanel->setEnabled(false);
}

// The score box: the two players' names and totals.
void TMainWin::BuildScoreBox() {
    Bevel3 = makePanel(MainPanel, QRect(332, 84, 133, 73), QFrame::Sunken);
    Bevel3->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Label7 =
        plainLabel(MainPanel, QStringLiteral("Score"), QRect(356, 92, 89, 16), Qt::AlignHCenter);
    Play1ScoreLab = new ElidingLabel(MainPanel, QStringLiteral("Player"), QRect(340, 112, 89, 16),
                                     Qt::AlignRight | Qt::AlignTop);
    Play1ScorePan = makeTextPanel(MainPanel, QRect(432, 108, 29, 21), QFrame::Raised);
    Play1ScorePan->setText(QStringLiteral("0"));
    Play2ScoreLab = new ElidingLabel(MainPanel, QStringLiteral("Word"), QRect(340, 136, 89, 16),
                                     Qt::AlignRight | Qt::AlignTop);
    Play2ScorePan = makeTextPanel(MainPanel, QRect(432, 132, 29, 21), QFrame::Raised);
    Play2ScorePan->setText(QStringLiteral("0"));
}

void TMainWin::BuildWebPanel() {
    WebPanel = makePanel(centralWidget(), QRect(476, 0, 153, 313));
    WebPanel->setFont(arialFont(13, true));
    Bevel2 = makePanel(WebPanel, QRect(4, 60, 145, 57), QFrame::Sunken);
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1 = makePanel(WebPanel, QRect(4, 148, 145, 161), QFrame::Sunken);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    OppPanel = makeTextPanel(WebPanel, QRect(8, 4, 133, 21), QFrame::Raised);
    setColors(OppPanel, Qt::yellow, Qt::red);
    WebWordlabel = plainLabel(WebPanel, QStringLiteral("_______________"), QRect(4, 36, 145, 21),
                              Qt::AlignHCenter | Qt::AlignTop);
    WebWordlabel->setFont(arialFont(15, true));
    Label6 = plainLabel(WebPanel, QStringLiteral("Used Letters"), QRect(8, 64, 137, 16),
                        Qt::AlignHCenter | Qt::AlignTop);
    MissedWebLabel =
        plainLabel(WebPanel, QString(), QRect(8, 80, 137, 33), Qt::AlignLeft | Qt::AlignTop);
    MissedWebLabel->setWordWrap(true);
    WebGuesses = makeTextPanel(WebPanel, QRect(4, 120, 145, 25), QFrame::Sunken);
    Label1 = plainLabel(WebPanel, QStringLiteral("Communication"), QRect(8, 152, 137, 16),
                        Qt::AlignHCenter | Qt::AlignTop);
    MyMemo = makeMemo(WebPanel, QRect(8, 172, 137, 109));
    MyMemo->setFont(arialFont(11));
    MyMess = new QLineEdit(WebPanel);
    MyMess->setGeometry(8, 284, 97, 22);
    MyMess->setMaxLength(1000);
    MyMess->setFont(arialFont(12));
    SendButton = new QPushButton(QStringLiteral("&Send"), WebPanel);
    SendButton->setGeometry(108, 288, 37, 17);
    SendButton->setFont(arialFont(11));
    connect(SendButton, &QPushButton::clicked, this, &TMainWin::SendButtonClick);
    connect(MyMess, &QLineEdit::returnPressed, this, &TMainWin::SendButtonClick);
    WebPanel->hide();
    WebPanel->setEnabled(false);
}

void TMainWin::BuildControlPanel() {
    ControlPanel = new QFrame(centralWidget());
    ControlPanel->setGeometry(154, 40, 177, 241);
    ControlPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ControlPanel->setLineWidth(2);
    setColors(ControlPanel, palette().color(QPalette::Button));
    ControlPanel->hide();
    ControlPanel->setEnabled(false);

    ActionButton = new QPushButton(QStringLiteral("Start &Game"), ControlPanel);
    ActionButton->setGeometry(24, 92, 129, 25);
    ActionButton->setFont(arialFont(15, true));
    {
        QPalette pal = ActionButton->palette();
        pal.setColor(QPalette::ButtonText, Qt::red);
        ActionButton->setPalette(pal);
    }
    ActionButton->hide();
    ActionButton->setEnabled(false);
    connect(ActionButton, &QPushButton::clicked, this, &TMainWin::ActionButtonClick);

    WaitStatus = plainLabel(ControlPanel, QString(), QRect(24, 128, 129, 33), Qt::AlignCenter);
    WaitStatus->setWordWrap(true);
    WaitStatus->setFont(arialFont(13, true));
    setColors(WaitStatus, Qt::black, Qt::white);
    WaitStatus->hide();
    WaitStatus->setEnabled(false);
}

void TMainWin::BuildConnections() {
    peer_ = new PeerConnection(settings, gate_, this);
    match_ = new MatchClient(settings, gate_, this);
    connect(peer_, &PeerConnection::logLine, this, &TMainWin::LogLine);
    connect(peer_, &PeerConnection::sessionBegun, this, &TMainWin::CliWSocketSessionConnected);
    connect(peer_, &PeerConnection::sessionEnded, this, &TMainWin::CliWSocketSessionClosed);
    connect(peer_, &PeerConnection::received, this, &TMainWin::HandlePeerMessage);
    connect(peer_, &PeerConnection::callEnded, this, [this] { MenuPlayer->setEnabled(true); });
    // A call that ends before it connects never reaches callEnded. A dotted address ends
    // inside ConnectToIP itself, before its caller has taken the menu away, so the menu
    // comes back once the caller is done.
    connect(peer_, &PeerConnection::callFailed, this,
            [this] { QTimer::singleShot(0, this, [this] { MenuPlayer->setEnabled(true); }); });
    connect(match_, &MatchClient::logLine, this, &TMainWin::LogLine);
    applyRouterMode(*peer_, ctx, settings, [this](const QString& l) { LogLine(l); });
    connect(match_, &MatchClient::notice, this,
            [this](const QString& caption, const QString& text) {
                ctx.prompts->message(this, caption, text);
            });
    connect(match_, &MatchClient::opponentsListed, this, &TMainWin::CliSrvWSocketDataAvailable);
    connect(match_, &MatchClient::registered, this, &TMainWin::CliSrvWSocketRegistered);
}

// --- Window, layout and enabling rules ---

void TMainWin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TMainWin::FormShow() {
    EnableDisable();
    CentreWindow();
}

void TMainWin::CentreWindow() {
    const QRect frame = frameGeometry();
    move((ScreenWidth - frame.width()) / 2, (ScreenHeight - frame.height()) / 2);
}

int TMainWin::clientWidth() const {
    return centralWidget()->width();
}

void TMainWin::SetClientWidth(int width) {
    centralWidget()->setFixedSize(width, kClientHeight);
    setFixedSize(width, kClientHeight + menuBar()->sizeHint().height());
}

void TMainWin::EnableDisable() {
    // Before the first game the window counts as solo.
    if (SoloGame || BlankPanel->isEnabled()) {
        MenuGuesses->setEnabled(true);
        MenuWords->setEnabled(true);
        ConnectPanel->setEnabled(false);
        ConnectPanel->hide();
        WebPanel->setEnabled(false);
        WebPanel->hide();
        SetClientWidth(kClientWidthSolo);
    } else if (peer_->connected()) {
        MenuGuesses->setEnabled(true);
        MenuWords->setEnabled(peer_->isPlayer1());
        ConnectPanel->setEnabled(true);
        ConnectPanel->show();
        PlayerPanel->setEnabled(true);
        PlayerPanel->show();
        WebPanel->setEnabled(true);
        WebPanel->show();
        SetClientWidth(kClientWidthWide);
    } else {
        MenuGuesses->setEnabled(true);
        MenuWords->setEnabled(true);
        ConnectPanel->setEnabled(true);
        ConnectPanel->show();
        WebPanel->setEnabled(false);
        WebPanel->hide();
        SetClientWidth(kClientWidthSolo);
    }
}

void TMainWin::SetControlState() {
    const bool show = !WaitStatus->isHidden() || !ActionButton->isHidden();
    ControlPanel->setEnabled(show);
    ControlPanel->setVisible(show);
    if (show) {
        ControlPanel->raise();
    }
}

QColor TMainWin::controlPanelColor() const {
    return ControlPanel->palette().color(QPalette::Window);
}

void TMainWin::SetMainWin() {
    // Qt has no foreground-lock time-out to lower: raising and activating is the whole job.
    show();
    raise();
    activateWindow();
}

void TMainWin::LogLine(const QString& line) {
    ConMemo->appendPlainText(line);
}

void TMainWin::ChatLine(const QString& line) {
    MyMemo->appendPlainText(line);
}

bool TMainWin::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: letters typed anywhere in this window reach the game first. Only the
    // event's first receiver counts, so a key that travels up to the parents is seen once.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        const bool first = focus ? widget == focus : widget == this;
        if (first && widget->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (FormKeyDown(key->key(), key->modifiers())) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Shutdown ---

void TMainWin::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        FormClose();
    }
    event->accept();
}

void TMainWin::FormClose() {
    if (match_->loggedOn()) {
        // The removal from the server must go out before the window closes, but a server
        // that never answers must not keep the player from quitting.
        match_->setUnLogDone(false);
        UnLog();
        QElapsedTimer waited;
        waited.start();
        while (!match_->unLogDone() && waited.elapsed() < kUnLogWaitMs) {
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    FlashTimer->stop();
    ConnectTimer->stop();
    SaveSettings(settings);
}

void TMainWin::MenuExitClick() {
    close();
}

// --- Help and About ---

void TMainWin::MenuContentsClick() {
    const QString path = QDir(settings.ProgramDir).filePath(QStringLiteral("ROPEWIT.HTML"));
    if (!QFileInfo(path).isFile() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ctx.prompts->message(this, QStringLiteral("Error"),
                             QStringLiteral("The help file could not be opened: ") + path);
    }
}

void TMainWin::MenuWebSiteClick() {
    if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite)))) {
        ctx.prompts->message(
            this, QStringLiteral("Error"),
            QStringLiteral("The web site could not be opened: ") + QString::fromLatin1(kWebSite));
    }
}

void TMainWin::MenuAboutClick() {
    ctx.prompts->message(this, QStringLiteral("About Ropewit"),
                         QStringLiteral("Ropewit %1\n\nThe Internet Hangman Game!\n\n"
                                        "Guess the word before the figure is complete, alone "
                                        "or against an opponent over the network.")
                             .arg(QStringLiteral(ROPEWIT_VERSION)));
}
