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

TMainWin::TMainWin(const AppContext& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context) {
    setWindowTitle(QStringLiteral("Ropewit"));
    FormCreate();
    qApp->installEventFilter(this);
}

TMainWin::~TMainWin() {
    qApp->removeEventFilter(this);
    peerSettingsSave_->flush();
}

void TMainWin::FormCreate() {
    pictures_.EmptyGallows = pictures::emptyGallows(devicePixelRatioF());
    pictures_.NoHangPicture = pictures_.EmptyGallows;
    pictures_.YesHang = pictures::hangedFigure(devicePixelRatioF());
    pictures_.AlphaImage = pictures::builtinAlphabetTile();
    pictures_.WordImage = pictures::builtinWordTile();

    soloGame_ = true;

    settings_.ProgramDir = ctx_.programDir;
    settings_.IniPath = QDir(ctx_.configDir).filePath(QStringLiteral("ROPEWIT.INI"));
    // A settings file that cannot be read or written is told once, after the handler that met it.
    settings_.ReportProblem = [this](const QString& problem) {
        QTimer::singleShot(0, this, [this, problem] {
            ctx_.prompts->message(this, QStringLiteral("Error"), problem);
        });
    };
    LoadSettings(settings_);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        screenWidth_ = screen->geometry().width();
        screenHeight_ = screen->geometry().height();
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

    ui_.MenuUpper->setChecked(settings_.UseUpper);
    ui_.MenuHints->setChecked(settings_.UseHints);
    ui_.MenuScramble->setChecked(settings_.ScrambleList);
    if (auto* router = findChild<QAction*>(QStringLiteral("MenuRouter"))) {
        router->setChecked(settings_.OpenPortOnRouter);
    }

    LoadTileBackgrounds();
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        ui_.AlphabetTiles[i]->setPixmap(QPixmap::fromImage(pictures_.SavedAlpha));
    }
    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        ui_.WordTiles[p]->setPixmap(QPixmap::fromImage(pictures_.SavedWord));
    }

    ui_.FlashTimer = new QTimer(this);
    ui_.FlashTimer->setInterval(1000);
    connect(ui_.FlashTimer, &QTimer::timeout, this, &TMainWin::FlashTimerTimer);
    ui_.ConnectTimer = new QTimer(this);
    ui_.ConnectTimer->setInterval(1000);
    connect(ui_.ConnectTimer, &QTimer::timeout, this, &TMainWin::ConnectTimerTimer);

    DisplayHints();
    SetClientWidth(kClientWidthSolo);
}

void TMainWin::setTileBackgrounds(const QImage& alphabet, const QImage& word) {
    pictures_.SavedAlpha = alphabet;
    pictures_.SavedWord = word;
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
            ctx_.prompts->message(this, QStringLiteral("Error"),
                                  QStringLiteral("Bitmap image is not valid"));
        }
        return builtin;
    };
    pictures_.SavedAlpha = load(settings_.AlphabetBitmap, pictures_.AlphaImage);
    pictures_.SavedWord = load(settings_.WordBitmap, pictures_.WordImage);
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
    ui_.MenuPlayer = add(file, QStringLiteral("New &Player / Game"), QStringLiteral("Ctrl+P"),
                         &TMainWin::MenuPlayerClick);
    ui_.MenuWords = add(file, QStringLiteral("New &Words"), QStringLiteral("Ctrl+W"),
                        &TMainWin::MenuWordsClick);
    file->addSeparator();
    ui_.MenuExit =
        add(file, QStringLiteral("E&xit"), QStringLiteral("Ctrl+X"), &TMainWin::MenuExitClick);
    ui_.MenuExit->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q"))});

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    ui_.MenuUserName = add(options, QStringLiteral("User &Name"), QStringLiteral("Ctrl+N"),
                           &TMainWin::MenuUserNameClick);
    ui_.MenuGame = add(options, QStringLiteral("&Two Player Game Options"),
                       QStringLiteral("Ctrl+T"), &TMainWin::MenuGameClick);
    ui_.MenuSound = add(options, QStringLiteral("&Sound Effects"), QStringLiteral("Ctrl+S"),
                        &TMainWin::MenuSoundClick);
    ui_.MenuFonts =
        add(options, QStringLiteral("&Fonts"), QStringLiteral("Ctrl+F"), &TMainWin::MenuFontsClick);
    ui_.MenuGuesses = add(options, QStringLiteral("&Guess Attempts"), QStringLiteral("Ctrl+G"),
                          &TMainWin::MenuGuessesClick);
    options->addSeparator();
    ui_.MenuUpper =
        add(options, QStringLiteral("&Uppercase Answer"), QString(), &TMainWin::MenuUpperClick);
    ui_.MenuHints =
        add(options, QStringLiteral("Use &Hints"), QString(), &TMainWin::MenuHintsClick);
    ui_.MenuScramble = add(options, QStringLiteral("&Scramble Word List When Loading"), QString(),
                           &TMainWin::MenuScrambleClick);
    ui_.MenuUpper->setCheckable(true);
    ui_.MenuHints->setCheckable(true);
    ui_.MenuScramble->setCheckable(true);
    QAction* router = options->addAction(QStringLiteral("Open Port On &Router"));
    router->setObjectName(QStringLiteral("MenuRouter"));
    router->setCheckable(true);
    connect(router, &QAction::triggered, this, [this, router] {
        settings_.OpenPortOnRouter = !settings_.OpenPortOnRouter;
        router->setChecked(settings_.OpenPortOnRouter);
        SaveSettings(settings_);
        applyRouterMode(*peer_, ctx_, settings_, [this](const QString& l) { LogLine(l); });
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    ui_.DisplayyourIPAddress1 =
        add(tools, QStringLiteral("&Display your IP Address"), QStringLiteral("Ctrl+I"),
            &TMainWin::DisplayyourIPAddress1Click);
    tools->addSeparator();
    ui_.MenuCreateList = add(tools, QStringLiteral("&Create A Word List"), QStringLiteral("Ctrl+L"),
                             &TMainWin::MenuCreateListClick);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    ui_.MenuContents =
        add(help, QStringLiteral("&Contents"), QStringLiteral("F1"), &TMainWin::MenuContentsClick);
    ui_.MenuWebSite =
        add(help, QStringLiteral("&Web Site"), QString(), &TMainWin::MenuWebSiteClick);
    ui_.MenuAbout = add(help, QStringLiteral("&About"), QString(), &TMainWin::MenuAboutClick);
}

void TMainWin::BuildWelcomePanel() {
    ui_.BlankPanel = makePanel(centralWidget(), QRect(4, 0, 469, 313));
    ui_.Label4 = plainLabel(ui_.BlankPanel, QStringLiteral("Welcome To Ropewit"),
                            QRect(48, 24, 369, 37), Qt::AlignHCenter | Qt::AlignTop);
    ui_.Label4->setFont(arialFont(27, true));
    setColors(ui_.Label4, QColor(), Qt::red);
    ui_.Label5 = plainLabel(ui_.BlankPanel, QStringLiteral("The Internet Hangman Game!"),
                            QRect(36, 68, 401, 37), Qt::AlignHCenter | Qt::AlignTop);
    ui_.Label5->setFont(arialFont(27, true, true));
    setColors(ui_.Label5, QColor(), Qt::blue);
    ui_.StartGame = new QPushButton(QStringLiteral("&Start New Game"), ui_.BlankPanel);
    ui_.StartGame->setGeometry(184, 160, 113, 25);
    connect(ui_.StartGame, &QPushButton::clicked, this, &TMainWin::StartGameClick);
}

void TMainWin::BuildMainPanel() {
    ui_.MainPanel = makePanel(centralWidget(), QRect(4, 0, 469, 313));
    ui_.MainPanel->setFont(arialFont(13, true));
    setColors(ui_.MainPanel, QColor(), Qt::red);
    ui_.MainPanel->setFocusPolicy(Qt::ClickFocus);
    ui_.MainPanel->hide();
    ui_.MainPanel->setEnabled(false);

    for (int p = 1; p <= wordlist::kMaxWord; ++p) {
        auto* tile = new ClickLabel(ui_.MainPanel);
        tile->setGeometry(30 * p - 18, 4, 28, 28);
        tile->raise();
        ui_.WordTiles[p] = tile;
    }

    ui_.PlayerPanel = makeTextPanel(ui_.MainPanel, QRect(332, 36, 133, 21), QFrame::Raised);
    setColors(ui_.PlayerPanel, Qt::yellow);

    ui_.HintPanel = new QFrame(ui_.MainPanel);
    ui_.HintPanel->setGeometry(8, 36, 137, 32);
    ui_.Label8 = plainLabel(ui_.HintPanel, QStringLiteral("Hint:"), QRect(4, 0, 28, 16),
                            Qt::AlignLeft | Qt::AlignTop);
    ui_.Label8->setFont(arialFont(12, true));
    ui_.HintLabel =
        plainLabel(ui_.HintPanel, QString(), QRect(32, 0, 101, 33), Qt::AlignLeft | Qt::AlignTop);
    ui_.HintLabel->setWordWrap(true);
    ui_.HintLabel->setFont(arialFont(12));

    ui_.UsedPanel = makePanel(ui_.MainPanel, QRect(8, 40, 137, 97), QFrame::Sunken);
    ui_.Label3 = plainLabel(ui_.UsedPanel, QStringLiteral("Used Letters"), QRect(12, 4, 113, 17),
                            Qt::AlignHCenter | Qt::AlignTop);
    ui_.Label3->setFont(arialFont(15));
    ui_.UsedLettersLabel =
        plainLabel(ui_.UsedPanel, QString(), QRect(4, 20, 129, 73), Qt::AlignLeft | Qt::AlignTop);
    ui_.UsedLettersLabel->setWordWrap(true);
    ui_.UsedLettersLabel->setFont(arialFont(15, true));

    ui_.NoHang = new ClickLabel(ui_.MainPanel);
    ui_.NoHang->setGeometry(150, 40, pictures::kGallowsWidth, pictures::kGallowsHeight);
    connect(ui_.NoHang, &ClickLabel::pressed, this, [this] { ui_.MainPanel->setFocus(); });
    ShowPicture();

    ui_.Guesses = makeTextPanel(ui_.MainPanel, QRect(150, 284, 177, 25), QFrame::Sunken);
    ui_.Guesses->setFont(arialFont(12, true));
    ui_.WordNumPanel = makeTextPanel(ui_.MainPanel, QRect(332, 60, 133, 21), QFrame::Sunken);
    BuildScoreBox();

    for (int i = 1; i <= kAlphabetTiles; ++i) {
        auto* tile = new ClickLabel(ui_.MainPanel);
        tile->setGeometry(7 + 28 * ((i - 1) % 5), 140 + 28 * ((i - 1) / 5), 28, 28);
        tile->raise();
        connect(tile, &ClickLabel::pressed, this, [this, i] { AlphaClicked(i); });
        ui_.AlphabetTiles[i] = tile;
    }
    BuildConnectPanel();
}

// The connection log.
void TMainWin::BuildConnectPanel() {
    ui_.ConnectPanel = makePanel(ui_.MainPanel, QRect(332, 160, 133, 149), QFrame::Sunken);
    ui_.Label2 = plainLabel(ui_.ConnectPanel, QStringLiteral("Connection Status"),
                            QRect(4, 4, 125, 16), Qt::AlignHCenter | Qt::AlignTop);
    ui_.ConMemo = makeMemo(ui_.ConnectPanel, QRect(4, 24, 125, 121));
    ui_.ConMemo->setFont(arialFont(11));
    ui_.ConnectPanel->hide();
    ui_.ConnectPanel->setEnabled(false);
}

// The score box: the two players' names and totals.
void TMainWin::BuildScoreBox() {
    ui_.Bevel3 = makePanel(ui_.MainPanel, QRect(332, 84, 133, 73), QFrame::Sunken);
    ui_.Bevel3->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ui_.Label7 = plainLabel(ui_.MainPanel, QStringLiteral("Score"), QRect(356, 92, 89, 16),
                            Qt::AlignHCenter);
    ui_.Play1ScoreLab = new ElidingLabel(ui_.MainPanel, QStringLiteral("Player"),
                                         QRect(340, 112, 89, 16), Qt::AlignRight | Qt::AlignTop);
    ui_.Play1ScorePan = makeTextPanel(ui_.MainPanel, QRect(432, 108, 29, 21), QFrame::Raised);
    ui_.Play1ScorePan->setText(QStringLiteral("0"));
    ui_.Play2ScoreLab = new ElidingLabel(ui_.MainPanel, QStringLiteral("Word"),
                                         QRect(340, 136, 89, 16), Qt::AlignRight | Qt::AlignTop);
    ui_.Play2ScorePan = makeTextPanel(ui_.MainPanel, QRect(432, 132, 29, 21), QFrame::Raised);
    ui_.Play2ScorePan->setText(QStringLiteral("0"));
}

void TMainWin::BuildWebPanel() {
    ui_.WebPanel = makePanel(centralWidget(), QRect(476, 0, 153, 313));
    ui_.WebPanel->setFont(arialFont(13, true));
    ui_.Bevel2 = makePanel(ui_.WebPanel, QRect(4, 60, 145, 57), QFrame::Sunken);
    ui_.Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ui_.Bevel1 = makePanel(ui_.WebPanel, QRect(4, 148, 145, 161), QFrame::Sunken);
    ui_.Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ui_.OppPanel = makeTextPanel(ui_.WebPanel, QRect(8, 4, 133, 21), QFrame::Raised);
    setColors(ui_.OppPanel, Qt::yellow, Qt::red);
    ui_.WebWordlabel = plainLabel(ui_.WebPanel, QStringLiteral("_______________"),
                                  QRect(4, 36, 145, 21), Qt::AlignHCenter | Qt::AlignTop);
    ui_.WebWordlabel->setFont(arialFont(15, true));
    ui_.Label6 = plainLabel(ui_.WebPanel, QStringLiteral("Used Letters"), QRect(8, 64, 137, 16),
                            Qt::AlignHCenter | Qt::AlignTop);
    ui_.MissedWebLabel =
        plainLabel(ui_.WebPanel, QString(), QRect(8, 80, 137, 33), Qt::AlignLeft | Qt::AlignTop);
    ui_.MissedWebLabel->setWordWrap(true);
    ui_.WebGuesses = makeTextPanel(ui_.WebPanel, QRect(4, 120, 145, 25), QFrame::Sunken);
    ui_.Label1 = plainLabel(ui_.WebPanel, QStringLiteral("Communication"), QRect(8, 152, 137, 16),
                            Qt::AlignHCenter | Qt::AlignTop);
    ui_.MyMemo = makeMemo(ui_.WebPanel, QRect(8, 172, 137, 109));
    ui_.MyMemo->setFont(arialFont(11));
    ui_.MyMess = new QLineEdit(ui_.WebPanel);
    ui_.MyMess->setGeometry(8, 284, 97, 22);
    ui_.MyMess->setMaxLength(1000);
    ui_.MyMess->setFont(arialFont(12));
    ui_.SendButton = new QPushButton(QStringLiteral("&Send"), ui_.WebPanel);
    ui_.SendButton->setGeometry(108, 288, 37, 17);
    ui_.SendButton->setFont(arialFont(11));
    connect(ui_.SendButton, &QPushButton::clicked, this, &TMainWin::SendButtonClick);
    connect(ui_.MyMess, &QLineEdit::returnPressed, this, &TMainWin::SendButtonClick);
    ui_.WebPanel->hide();
    ui_.WebPanel->setEnabled(false);
}

void TMainWin::BuildControlPanel() {
    ui_.ControlPanel = new QFrame(centralWidget());
    ui_.ControlPanel->setGeometry(154, 40, 177, 241);
    ui_.ControlPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui_.ControlPanel->setLineWidth(2);
    setColors(ui_.ControlPanel, palette().color(QPalette::Button));
    ui_.ControlPanel->hide();
    ui_.ControlPanel->setEnabled(false);

    ui_.ActionButton = new QPushButton(QStringLiteral("Start &Game"), ui_.ControlPanel);
    ui_.ActionButton->setGeometry(24, 92, 129, 25);
    ui_.ActionButton->setFont(arialFont(15, true));
    {
        QPalette pal = ui_.ActionButton->palette();
        pal.setColor(QPalette::ButtonText, Qt::red);
        ui_.ActionButton->setPalette(pal);
    }
    ui_.ActionButton->hide();
    ui_.ActionButton->setEnabled(false);
    connect(ui_.ActionButton, &QPushButton::clicked, this, &TMainWin::ActionButtonClick);

    ui_.WaitStatus =
        plainLabel(ui_.ControlPanel, QString(), QRect(24, 128, 129, 33), Qt::AlignCenter);
    ui_.WaitStatus->setWordWrap(true);
    ui_.WaitStatus->setFont(arialFont(13, true));
    setColors(ui_.WaitStatus, Qt::black, Qt::white);
    ui_.WaitStatus->hide();
    ui_.WaitStatus->setEnabled(false);
}

void TMainWin::BuildConnections() {
    peerSettingsSave_ = new SaveThrottle([this] { SaveSettings(settings_); },
                                         SaveThrottle::kDefaultIntervalMs, this);
    peer_ = new PeerConnection(settings_, gate_, this);
    match_ = new MatchClient(settings_, gate_, this);
    connect(peer_, &PeerConnection::logLine, this, &TMainWin::LogLine);
    connect(peer_, &PeerConnection::sessionBegun, this, &TMainWin::CliWSocketSessionConnected);
    connect(peer_, &PeerConnection::sessionEnded, this, &TMainWin::CliWSocketSessionClosed);
    ConnectTwoPlayerGame();
    connect(peer_, &PeerConnection::callEnded, this, [this] { ui_.MenuPlayer->setEnabled(true); });
    // A call that ends before it connects never reaches callEnded. A dotted address ends
    // inside ConnectToIP itself, before its caller has taken the menu away, so the menu
    // comes back once the caller is done.
    connect(peer_, &PeerConnection::callFailed, this,
            [this] { QTimer::singleShot(0, this, [this] { ui_.MenuPlayer->setEnabled(true); }); });
    connect(match_, &MatchClient::logLine, this, &TMainWin::LogLine);
    applyRouterMode(*peer_, ctx_, settings_, [this](const QString& l) { LogLine(l); });
    connect(match_, &MatchClient::notice, this,
            [this](const QString& caption, const QString& text) {
                ctx_.prompts->message(this, caption, text);
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
    move((screenWidth_ - frame.width()) / 2, (screenHeight_ - frame.height()) / 2);
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
    if (soloGame_ || welcome_) {
        ui_.MenuGuesses->setEnabled(true);
        ui_.MenuWords->setEnabled(true);
        ui_.ConnectPanel->setEnabled(false);
        ui_.ConnectPanel->hide();
        ui_.WebPanel->setEnabled(false);
        ui_.WebPanel->hide();
        SetClientWidth(kClientWidthSolo);
    } else if (peer_->connected()) {
        ui_.MenuGuesses->setEnabled(true);
        ui_.MenuWords->setEnabled(peer_->isPlayer1());
        ui_.ConnectPanel->setEnabled(true);
        ui_.ConnectPanel->show();
        ui_.PlayerPanel->setEnabled(true);
        ui_.PlayerPanel->show();
        ui_.WebPanel->setEnabled(true);
        ui_.WebPanel->show();
        SetClientWidth(kClientWidthWide);
    } else {
        ui_.MenuGuesses->setEnabled(true);
        ui_.MenuWords->setEnabled(true);
        ui_.ConnectPanel->setEnabled(true);
        ui_.ConnectPanel->show();
        ui_.WebPanel->setEnabled(false);
        ui_.WebPanel->hide();
        SetClientWidth(kClientWidthSolo);
    }
}

void TMainWin::SetControlState() {
    const bool show = !ui_.WaitStatus->isHidden() || !ui_.ActionButton->isHidden();
    ui_.ControlPanel->setEnabled(show);
    ui_.ControlPanel->setVisible(show);
    if (show) {
        ui_.ControlPanel->raise();
    }
}

QColor TMainWin::controlPanelColor() const {
    return ui_.ControlPanel->palette().color(QPalette::Window);
}

void TMainWin::SetMainWin() {
    // Qt has no foreground-lock time-out to lower: raising and activating is the whole job.
    show();
    raise();
    activateWindow();
}

void TMainWin::LogLine(const QString& line) {
    ui_.ConMemo->appendPlainText(line);
}

void TMainWin::ChatLine(const QString& line) {
    ui_.MyMemo->appendPlainText(line);
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
    ui_.FlashTimer->stop();
    ui_.ConnectTimer->stop();
    // This save carries whatever the opponent changed and is still owed.
    peerSettingsSave_->discard();
    SaveSettings(settings_);
}

void TMainWin::MenuExitClick() {
    close();
}

// --- Help and About ---

void TMainWin::MenuContentsClick() {
    const QString path = QDir(settings_.ProgramDir).filePath(QStringLiteral("ROPEWIT.HTML"));
    if (!QFileInfo(path).isFile() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ctx_.prompts->message(this, QStringLiteral("Error"),
                              QStringLiteral("The help file could not be opened: ") + path);
    }
}

void TMainWin::MenuWebSiteClick() {
    if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite)))) {
        ctx_.prompts->message(
            this, QStringLiteral("Error"),
            QStringLiteral("The web site could not be opened: ") + QString::fromLatin1(kWebSite));
    }
}

void TMainWin::MenuAboutClick() {
    ctx_.prompts->message(this, QStringLiteral("About Ropewit"),
                          QStringLiteral("Ropewit %1\n\nThe Internet Hangman Game!\n\n"
                                         "Guess the word before the figure is complete, alone "
                                         "or against an opponent over the network.")
                              .arg(QStringLiteral(ROPEWIT_VERSION)));
}
