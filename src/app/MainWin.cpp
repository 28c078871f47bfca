#include "app/MainWin.h"
#include "app/NetworkSteps.h"
#include "app/OptionsMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

#include "app/CloseDown.h"
#include "app/HelpMenu.h"
#include "app/KeyPreview.h"
#include "app/MemoAppend.h"
#include "app/MemoBuffer.h"
#include "app/RouterMode.h"
#include "app/StartUpSettings.h"
#include "app/WindowWiring.h"
#include "matchmaking/MatchClient.h"

TMainWin::TMainWin(const AppContext& context, QWidget* parent)
    : QMainWindow(parent), ctx_(context) {
    setWindowTitle(QStringLiteral("Ropewit"));
    logLines_ = memoBufferFor(ui_.ConMemo, MainWinControls::kMemoLines, this);
    chatLines_ = memoBufferFor(ui_.MyMemo, MainWinControls::kMemoLines, this);
    FormCreate();
    keyPreview_ = std::make_unique<KeyPreview>(
        *this, [this](const QKeyEvent& key) { return FormKeyDown(key); });
}

TMainWin::~TMainWin() {
    peerSettingsSave_->flush();
}

void TMainWin::FormCreate() {
    pictures_ = BoardPictures::builtin(devicePixelRatioF());
    loadStartUpSettings(settings_, ctx_, *this);
    const QScreen* screen = QGuiApplication::primaryScreen();
    screen_ = screen ? screen->geometry().size() : QSize();
    ui_.setupUi(*this);
    board_.ShowPicture();
    BuildConnections();
    windowwiring::connectControls(*this, *options_);
    ui_.showOptionChecks(settings_);
    pictures_.loadTileBackgrounds(settings_.AlphabetBitmap, settings_.WordBitmap, [this] {
        ctx_.prompts->message(this, tr("Error"), tr("Bitmap image is not valid"));
    });
    ui_.showTileBackgrounds(pictures_.SavedAlpha, pictures_.SavedWord);
    board_.DisplayHints();
}

void TMainWin::BuildConnections() {
    peerSettingsSave_ = new SaveThrottle([this] { SaveSettings(settings_); },
                                         SaveThrottle::kDefaultIntervalMs, this);
    match_ = new MatchClient(settings_, gate_, this);
    options_ = std::make_unique<OptionsMenu>(OptionsMenu::Parts{
        *this, settings_, ctx_, *game_, *peer_, ui_, board_, pictures_,
        [this](const QString& line) { LogLine(line); }, [this] { return screen_; }});
    network_ = std::make_unique<NetworkSteps>(*this, settings_, ctx_, *peer_, *match_, ui_,
                                              [this](const QString& line) { LogLine(line); });
    windowwiring::connectServices(*this, *network_, *peer_, *match_);
    windowwiring::connectGame(*this, *game_, board_, opponentPanel_, sounds_, *peerSettingsSave_);
    starter_ = windowwiring::makeNewGameStarter(*this, *network_, *peer_, *match_);
}

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
    move((screen_.width() - frame.width()) / 2, (screen_.height() - frame.height()) / 2);
}

int TMainWin::clientWidth() const {
    return centralWidget()->width();
}

void TMainWin::EnableDisable() {
    // Before the first game the window counts as solo.
    if (game_->solo() || welcome_) {
        ui_.showMode(*this, WindowMode::Solo, true);
    } else if (peer_->connected()) {
        ui_.showMode(*this, WindowMode::Connected, game_->isPlayer1());
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

void TMainWin::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        FormClose();
    }
    event->accept();
}

void TMainWin::FormClose() {
    closeDown(
        *match_, [this] { network_->UnLog(); }, {ui_.FlashTimer, ui_.ConnectTimer},
        *peerSettingsSave_, settings_);
}
