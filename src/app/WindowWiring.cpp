#include "app/WindowWiring.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "app/BoardAccess.h"
#include "app/ContrastLook.h"
#include "app/HelpMenu.h"
#include "app/MainWin.h"
#include "app/NetworkSteps.h"
#include "app/NewGameStarter.h"
#include "app/OpponentPanel.h"
#include "app/OptionsMenu.h"
#include "app/RouterMode.h"
#include "app/SoloRecords.h"
#include "app/SoundEffects.h"
#include "dialogs/TDoNewGame.h"
#include "game/ListCatalog.h"
#include "matchmaking/MatchClient.h"
#include "play/GameController.h"
#include "settings/SaveThrottle.h"
#include "widgets/ClickLabel.h"

namespace {

// The close box and Exit alike: a game against an opponent is not left by a quick click or
// Ctrl+Q without asking first.
class LeaveGuard : public QObject {
public:
    explicit LeaveGuard(TMainWin& w) : QObject(&w), w_(w) { w.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &w_ || event->type() != QEvent::Close || confirmed_ ||
            !w_.game().gameInProgress()) {
            return false;
        }
        confirmed_ = w_.context().prompts->question(
            &w_, QCoreApplication::translate("WindowWiring", "Exit"),
            QCoreApplication::translate("WindowWiring", "Leave the game against %1 and exit?")
                .arg(w_.game().opponentName()));
        if (confirmed_) {
            return false;
        }
        event->ignore();
        return true;
    }

private:
    TMainWin& w_;
    bool confirmed_ = false;
};

// The word ends lost and shows itself as after the last miss; then the next word comes.
void skipWord(TMainWin& w) {
    if (!w.game().skipWord()) {
        return;
    }
    w.board().ShowHanged();
    w.board().DisplayWord();
    boardaccess::announce(w.ui(), boardaccess::endNews(w.game().round()));
    w.ShowScores();
    w.context().prompts->message(
        &w, QCoreApplication::translate("WindowWiring", "More"),
        QCoreApplication::translate("WindowWiring", "Word skipped.  Click for next word."));
    w.DoNextWord();
}

}  // namespace

namespace windowwiring {

void connectControls(TMainWin& w, OptionsMenu& options) {
    const MainWinControls& ui = w.ui();
    const std::pair<QAction*, void (TMainWin::*)()> menus[] = {
        {ui.MenuPlayer, &TMainWin::DoANewGame},
    };
    for (const auto& [action, handler] : menus) {
        QObject::connect(action, &QAction::triggered, &w, handler);
    }
    // The help menu and Exit need nothing but the window.
    QObject::connect(ui.MenuExit, &QAction::triggered, &w, &QWidget::close);
    new LeaveGuard(w);  // a child of the window
    QObject::connect(ui.MenuSkip, &QAction::triggered, &w, [&w] { skipWord(w); });
    QObject::connect(ui.MenuContents, &QAction::triggered, &w, [&w] {
        helpmenu::openContents(*w.context().prompts, &w, w.settings().ProgramDir);
    });
    QObject::connect(ui.MenuWebSite, &QAction::triggered, &w,
                     [&w] { helpmenu::openWebSite(*w.context().prompts, &w); });
    QObject::connect(ui.MenuAbout, &QAction::triggered, &w,
                     [&w] { helpmenu::showAbout(*w.context().prompts, &w); });
    const std::pair<QAction*, void (OptionsMenu::*)()> optionMenus[] = {
        {ui.MenuUserName, &OptionsMenu::MenuUserNameClick},
        {ui.MenuGame, &OptionsMenu::MenuGameClick},
        {ui.MenuSound, &OptionsMenu::MenuSoundClick},
        {ui.MenuFonts, &OptionsMenu::MenuFontsClick},
        {ui.MenuGuesses, &OptionsMenu::MenuGuessesClick},
        {ui.MenuUpper, &OptionsMenu::MenuUpperClick},
        {ui.MenuHints, &OptionsMenu::MenuHintsClick},
        {ui.MenuFold, &OptionsMenu::MenuFoldClick},
        {ui.MenuScramble, &OptionsMenu::MenuScrambleClick},
        {ui.MenuRouter, &OptionsMenu::MenuRouterClick},
        {ui.MenuServer, &OptionsMenu::MenuServerClick},
        {ui.MenuCreateList, &OptionsMenu::MenuCreateListClick},
        {ui.MenuWords, &OptionsMenu::MenuWordsClick},
    };
    for (const auto& [action, handler] : optionMenus) {
        QObject::connect(action, &QAction::triggered, &w,
                         [&options, handler = handler] { (options.*handler)(); });
    }
    for (QAction* action : ui.MenuLanguage->actions()) {
        QObject::connect(action, &QAction::triggered, &w, [&options, code = action->data()] {
            options.chooseLanguage(code.toString());
        });
    }
    QObject::connect(ui.StartGame, &QPushButton::clicked, &w, &TMainWin::DoANewGame);
    QObject::connect(ui.ActionButton, &QPushButton::clicked, &w, &TMainWin::ActionButtonClick);
    QObject::connect(ui.SendButton, &QPushButton::clicked, &w, &TMainWin::SendButtonClick);
    QObject::connect(ui.MyMess, &QLineEdit::returnPressed, &w, &TMainWin::SendButtonClick);
    for (int i = 1; i <= TMainWin::kAlphabetTiles; ++i) {
        QObject::connect(ui.AlphabetTiles[i], &ClickLabel::pressed, &w,
                         [&w, i] { w.AlphaClicked(i); });
    }
    QObject::connect(ui.FlashTimer, &QTimer::timeout, &w,
                     [&w] { w.controlPanel().FlashTimerTimer(); });
    QObject::connect(ui.ConnectTimer, &QTimer::timeout, &w, &TMainWin::ConnectTimerTimer);
    boardaccess::nameControls(ui);
    new BoardKeys(ui, &w);
    auto* contrast = new ContrastLook(w, w.settings(), ui, w.board(), w.pictures());
    QObject::connect(ui.MenuContrast, &QAction::triggered, contrast, &ContrastLook::toggle);
}

void connectServices(TMainWin& w, NetworkSteps& network, PeerConnection& peer, MatchClient& match) {
    QObject::connect(&peer, &PeerConnection::logLine, &w, &TMainWin::LogLine);
    QAction* menuPlayer = w.ui().MenuPlayer;
    QObject::connect(&peer, &PeerConnection::callEnded, &w,
                     [menuPlayer] { menuPlayer->setEnabled(true); });
    // A call that ends before it connects never reaches callEnded. A dotted address ends
    // inside ConnectToIP itself, before its caller has taken the menu away, so the menu
    // comes back once the caller is done.
    QObject::connect(&peer, &PeerConnection::callFailed, &w, [&w, menuPlayer] {
        QTimer::singleShot(0, &w, [menuPlayer] { menuPlayer->setEnabled(true); });
    });
    QObject::connect(&match, &MatchClient::logLine, &w, &TMainWin::LogLine);
    applyRouterMode(peer, w.context(), w.settings(), [&w](const QString& l) { w.LogLine(l); });
    QObject::connect(&match, &MatchClient::notice, &w,
                     [&w](const QString& caption, const QString& text) {
                         w.context().prompts->message(&w, caption, text);
                     });
    QObject::connect(&match, &MatchClient::opponentsListed, &w,
                     [&network](const QString& list) { network.CliSrvWSocketDataAvailable(list); });
    QObject::connect(&match, &MatchClient::registered, &w,
                     [&network] { network.CliSrvWSocketRegistered(); });
    QObject::connect(w.ui().DisplayyourIPAddress1, &QAction::triggered, &w,
                     [&network] { network.DisplayyourIPAddress1Click(); });
}

void connectGame(TMainWin& w, GameController& game, BoardView& board, OpponentPanel& opponent,
                 SoundEffects& sounds, SaveThrottle& save) {
    QObject::connect(&game, &GameController::sessionBegun, &w,
                     &TMainWin::CliWSocketSessionConnected);
    QObject::connect(&game, &GameController::sessionEnded, &w, &TMainWin::CliWSocketSessionClosed);
    QObject::connect(&game, &GameController::logLine, &w, &TMainWin::LogLine);
    QObject::connect(&game, &GameController::chatReceived, &w, [&w, &sounds](const QString& line) {
        w.ChatLine(line);
        sounds.Floop(false);
    });
    QObject::connect(&game, &GameController::stepOverdue, &w, &TMainWin::ConnectTimerTimer);
    QObject::connect(&game, &GameController::waitEnded, &w, [&w] {
        w.controlPanel().HideWaitStatus();
        w.controlPanel().FlashIt(false);
    });
    QObject::connect(&game, &GameController::wordDealt, &w, [&w, &game, &opponent] {
        w.controlPanel().OfferAction(ControlPanelView::playCaption());
        if (game.word().mine) {
            w.controlPanel().HideWaitStatus();
        }
        w.ui().HintLabel->setText(game.dealtWord().clue);
        opponent.ShowGuesses(game.opponent());
    });
    QObject::connect(&game, &GameController::opponentGuessed, &w,
                     [&game, &opponent] { opponent.ShowMissed(game.opponent()); });
    QObject::connect(&game, &GameController::opponentWordChanged, &w,
                     [&game, &opponent] { opponent.ShowNewWord(game.opponent()); });
    QObject::connect(&game, &GameController::opponentNamed, &w, &TMainWin::ShowOpponentName);
    QObject::connect(&game, &GameController::scoresChanged, &w, &TMainWin::ShowScores);
    QObject::connect(&game, &GameController::optionsChanged, &w,
                     [&w] { w.options().SetWordListMenuItem(); });
    QObject::connect(&game, &GameController::hintsChanged, &w, [&w, &board] {
        w.ui().MenuHints->setChecked(w.settings().UseHints);
        board.DisplayHints();
    });
    QObject::connect(&game, &GameController::settingsChanged, &save, &SaveThrottle::request);
    QObject::connect(&game, &GameController::titleChanged, &w, &QWidget::setWindowTitle);
    auto* records = new SoloRecords(w, game);  // a child of the window
    QObject::connect(w.ui().MenuByName, &QAction::triggered, records, &SoloRecords::playListByName);
}

NewGameHooks newGameHooks(TMainWin& w, NewGameStarter& starter) {
    NewGameHooks hooks;
    hooks.localAddresses = [&w] { return w.network().LocalAddresses(); };
    hooks.stopNetworkPlay = [&starter] { starter.stopNetworkPlay(); };
    hooks.chosen = [&w](const NewGameChoice& choice) { w.CarryOutNewGame(choice); };
    hooks.screen = w.screenSize();
    hooks.ownLists = listcatalog::ownFolder(w.context().dataDir);
    return hooks;
}

NewGameStarter* makeNewGameStarter(TMainWin& w, NetworkSteps& network, PeerConnection& peer,
                                   MatchClient& match) {
    NewGameStarter::Steps steps;
    steps.loadGame = [&w](const QString& path) { w.options().LoadGame(path); };
    steps.startServer = [&network] { network.StartServer(); };
    steps.connectToIP = [&network] { network.ConnectToIP(); };
    steps.serverRequest = [&network](MatchRequest r) {
        network.BeginServerRequest(static_cast<int>(r));
    };
    steps.unLog = [&network] { network.UnLog(); };
    steps.rememberAddress = [&network](const QString& a) { network.AddressHistory(a); };
    auto* starter = new NewGameStarter(peer, match, w.context(), std::move(steps), &w);
    network.setCall([starter](const QString& address) { starter->call(address); });
    return starter;
}

}  // namespace windowwiring
