#include "app/MainWin.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/ClickLabel.h"
#include "app/ElidingLabel.h"
#include "app/HelpMenu.h"
#include "app/KeyPreview.h"
#include "app/MemoAppend.h"
#include "app/MemoBuffer.h"
#include "app/NewGameStarter.h"
#include "app/RouterMode.h"
#include "app/WaitUntil.h"
#include "matchmaking/MatchClient.h"

namespace {
constexpr int kUnLogWaitMs = 3000;
}

TMainWin::TMainWin(const AppContext& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context) {
    setWindowTitle(QStringLiteral("Ropewit"));
    logLines_ = new MemoBuffer(
        MainWinControls::kMemoLines,
        [this](const QString& text) { appendToMemo(*ui_.ConMemo, text); }, this);
    chatLines_ = new MemoBuffer(
        MainWinControls::kMemoLines,
        [this](const QString& text) { appendToMemo(*ui_.MyMemo, text); }, this);
    FormCreate();
    keyPreview_ = std::make_unique<KeyPreview>(
        *this, [this](int key, Qt::KeyboardModifiers m) { return FormKeyDown(key, m); });
}

TMainWin::~TMainWin() {
    peerSettingsSave_->flush();
}

void TMainWin::FormCreate() {
    pictures_ = BoardPictures::builtin(devicePixelRatioF());
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

    ui_.setupUi(*this);
    ShowPicture();
    BuildConnections();
    ConnectControls();
    ui_.showOptionChecks(settings_);
    pictures_.loadTileBackgrounds(settings_.AlphabetBitmap, settings_.WordBitmap, [this] {
        ctx_.prompts->message(this, QStringLiteral("Error"),
                              QStringLiteral("Bitmap image is not valid"));
    });
    ui_.showTileBackgrounds(pictures_.SavedAlpha, pictures_.SavedWord);
    DisplayHints();
}

void TMainWin::setTileBackgrounds(const QImage& alphabet, const QImage& word) {
    pictures_.SavedAlpha = alphabet;
    pictures_.SavedWord = word;
}

void TMainWin::ConnectControls() {
    connect(ui_.MenuPlayer, &QAction::triggered, this, &TMainWin::MenuPlayerClick);
    connect(ui_.MenuWords, &QAction::triggered, this, &TMainWin::MenuWordsClick);
    connect(ui_.MenuExit, &QAction::triggered, this, &TMainWin::MenuExitClick);
    connect(ui_.MenuUserName, &QAction::triggered, this, &TMainWin::MenuUserNameClick);
    connect(ui_.MenuGame, &QAction::triggered, this, &TMainWin::MenuGameClick);
    connect(ui_.MenuSound, &QAction::triggered, this, &TMainWin::MenuSoundClick);
    connect(ui_.MenuFonts, &QAction::triggered, this, &TMainWin::MenuFontsClick);
    connect(ui_.MenuGuesses, &QAction::triggered, this, &TMainWin::MenuGuessesClick);
    connect(ui_.MenuUpper, &QAction::triggered, this, &TMainWin::MenuUpperClick);
    connect(ui_.MenuHints, &QAction::triggered, this, &TMainWin::MenuHintsClick);
    connect(ui_.MenuScramble, &QAction::triggered, this, &TMainWin::MenuScrambleClick);
    connect(ui_.MenuRouter, &QAction::triggered, this, &TMainWin::MenuRouterClick);
    connect(ui_.DisplayyourIPAddress1, &QAction::triggered, this,
            &TMainWin::DisplayyourIPAddress1Click);
    connect(ui_.MenuCreateList, &QAction::triggered, this, &TMainWin::MenuCreateListClick);
    connect(ui_.MenuContents, &QAction::triggered, this, &TMainWin::MenuContentsClick);
    connect(ui_.MenuWebSite, &QAction::triggered, this, &TMainWin::MenuWebSiteClick);
    connect(ui_.MenuAbout, &QAction::triggered, this, &TMainWin::MenuAboutClick);
    connect(ui_.StartGame, &QPushButton::clicked, this, &TMainWin::StartGameClick);
    connect(ui_.ActionButton, &QPushButton::clicked, this, &TMainWin::ActionButtonClick);
    connect(ui_.SendButton, &QPushButton::clicked, this, &TMainWin::SendButtonClick);
    connect(ui_.MyMess, &QLineEdit::returnPressed, this, &TMainWin::SendButtonClick);
    for (int i = 1; i <= kAlphabetTiles; ++i) {
        connect(ui_.AlphabetTiles[i], &ClickLabel::pressed, this, [this, i] { AlphaClicked(i); });
    }
    connect(ui_.FlashTimer, &QTimer::timeout, this, &TMainWin::FlashTimerTimer);
    connect(ui_.ConnectTimer, &QTimer::timeout, this, &TMainWin::ConnectTimerTimer);
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
    BuildNewGameStarter();
}

void TMainWin::BuildNewGameStarter() {
    NewGameStarter::Steps steps;
    steps.loadGame = [this](const QString& path) { LoadGame(path); };
    steps.startServer = [this] { StartServer(); };
    steps.connectToIP = [this] { ConnectToIP(); };
    steps.serverRequest = [this](MatchRequest r) { BeginServerRequest(static_cast<int>(r)); };
    steps.unLog = [this] { UnLog(); };
    steps.rememberAddress = [this](const QString& address) { AddressHistory(address); };
    starter_ = new NewGameStarter(*peer_, *match_, ctx_, std::move(steps), this);
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

void TMainWin::EnableDisable() {
    // Before the first game the window counts as solo.
    if (soloGame_ || welcome_) {
        ui_.showMode(*this, WindowMode::Solo, true);
    } else if (peer_->connected()) {
        ui_.showMode(*this, WindowMode::Connected, peer_->isPlayer1());
    } else {
        ui_.showMode(*this, WindowMode::Waiting, true);
    }
}

void TMainWin::SetControlState() {
    ui_.fitControlPanel();
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
    logLines_->add(line);
}

void TMainWin::ChatLine(const QString& line) {
    chatLines_->add(line);
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
        waitUntil([this] { return match_->unLogDone(); }, kUnLogWaitMs);
    }
    ui_.FlashTimer->stop();
    ui_.ConnectTimer->stop();
    // This save carries whatever the opponent changed and is still owed.
    peerSettingsSave_->discard();
    SaveSettings(settings_);
}

// --- Menu commands without a dialog of their own ---

void TMainWin::MenuExitClick() {
    close();
}

void TMainWin::MenuRouterClick() {
    settings_.OpenPortOnRouter = !settings_.OpenPortOnRouter;
    ui_.MenuRouter->setChecked(settings_.OpenPortOnRouter);
    SaveSettings(settings_);
    applyRouterMode(*peer_, ctx_, settings_, [this](const QString& l) { LogLine(l); });
}

void TMainWin::MenuContentsClick() {
    helpmenu::openContents(*ctx_.prompts, this, settings_.ProgramDir);
}

void TMainWin::MenuWebSiteClick() {
    helpmenu::openWebSite(*ctx_.prompts, this);
}

void TMainWin::MenuAboutClick() {
    helpmenu::showAbout(*ctx_.prompts, this);
}
