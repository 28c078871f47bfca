#pragma once

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/BoardPictures.h"
#include "app/BoardView.h"
#include "app/ControlPanelView.h"
#include "app/GameForm.h"
#include "app/OpponentPanel.h"
#include "app/SoundEffects.h"
#include "core/AppContext.h"
#include "core/Prompts.h"
#include "net/MessageGate.h"
#include "net/PeerConnection.h"
#include "play/GameController.h"
#include "settings/SaveThrottle.h"
#include "settings/Settings.h"

class MatchClient;
class MemoBuffer;
class NewGameStarter;
class NetworkSteps;
class OptionsMenu;
class KeyPreview;
class QKeyEvent;
struct NewGameChoice;
struct NewGameHooks;

// The main window: the whole visible game, the settings record and the timers. The game, the
// opponent's connection and the matchmaking client are objects of their own; the handlers here
// forward to them and show what they report. Tests see the controls through ui().
class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kAlphabetTiles = Alphabet::kMaxTiles;

    explicit TMainWin(const AppContext& context, QWidget* parent = nullptr);
    ~TMainWin() override;

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    // What the program was started with (tests replace its prompts and addresses).
    AppContext& context() { return ctx_; }
    const MainWinControls& ui() const { return ui_; }
    const BoardPictures& pictures() const { return pictures_; }
    BoardPictures& pictures() { return pictures_; }
    OptionsMenu& options() { return *options_; }
    ControlPanelView& controlPanel() { return controlPanel_; }
    // Listening, calling and the matchmaking server's requests and replies.
    NetworkSteps& network() { return *network_; }
    // The screen the dialogs centre on (0 x 0 before the window is shown).
    QSize screenSize() const { return screen_; }

    // The game on the board, alone or against an opponent: its rules, round, list and scores.
    GameController& game() { return *game_; }
    const GameController& game() const { return *game_; }

    PeerConnection& peer() { return *peer_; }
    const PeerConnection& peer() const { return *peer_; }
    MatchClient& match() { return *match_; }

    BoardView& board() { return board_; }
    const BoardView& board() const { return board_; }

    void FormShow();
    void EnableDisable();
    void SetControlState();
    void SetMainWin();
    void CentreWindow();
    int clientWidth() const;
    QColor controlPanelColor() const;
    // Adds one line to the connection log (bounded, oldest lines dropped).
    void LogLine(const QString& line);
    void ChatLine(const QString& line);

    bool GuessingAllowed() const;
    void AlphaClicked(int index);
    bool FormKeyDown(const QKeyEvent& key);
    void TestIt2(int index);
    // The end of this player's word, solved or hanged, with its points.
    void FinishWord(int points, const QString& soloMessage);
    void ShowScores();

    void DoANewGame();
    // The welcome panel, or the board once a game has been set up.
    void ShowWelcome(bool on);
    void StartIt();
    void DoNextWord();
    void CheckComplete();
    void CalcTheScore(int points);
    bool WehaveWinner();
    // The wizard; false when it was cancelled.
    bool RunNewGameWizard();
    // What the wizard needs from the window (the choice comes back to CarryOutNewGame).
    NewGameHooks NewGameWizardHooks();
    void CarryOutNewGame(const NewGameChoice& choice);

    // A connection was made: greet the opponent (sounds, names, the wide window).
    void CliWSocketSessionConnected(bool asPlayer1);
    void CliWSocketSessionClosed(bool gameLost);
    void DoStartMessage();
    // The opponent's name, in the panel; a first name opens the start summary, a new one
    // goes on the score box.
    void ShowOpponentName(const QString& name, bool renamed);

    void ActionButtonClick();
    void ConnectTimerTimer();
    void DoAWebWord();
    void SendButtonClick();
    // The connection went away in the middle of a game: stop waiting and say so.
    void GameInterrupted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void BuildConnections();

    Settings settings_;
    AppContext ctx_;
    MessageGate gate_;
    PeerConnection* peer_ = new PeerConnection(gate_, this);              // child
    GameController* game_ = new GameController(settings_, *peer_, this);  // child
    MainWinControls ui_;
    BoardPictures pictures_;
    BoardView board_{ui_, pictures_, settings_, game_->round(), *this};
    OpponentPanel opponentPanel_{ui_};
    SoundEffects sounds_{ctx_, settings_};
    ControlPanelView controlPanel_{ui_, *this, *game_, [this] { SetControlState(); }};
    bool summaryOpen_ = false;      // the start summary box is open (see DoStartMessage)
    bool welcome_ = true;           // the welcome panel is up: no game has been set up yet
    QSize screen_;                  // 0 x 0 before the window is shown
    MatchClient* match_ = nullptr;  // child
    // Option changes from the opponent reach the settings file at most about once a second.
    SaveThrottle* peerSettingsSave_ = nullptr;  // child
    NewGameStarter* starter_ = nullptr;         // child, carries out the wizard's choice
    std::unique_ptr<KeyPreview> keyPreview_;
    std::unique_ptr<OptionsMenu> options_;
    std::unique_ptr<NetworkSteps> network_;
    bool closing_ = false;
    bool shownOnce_ = false;
    // Lines for the connection log and the chat, laid out a turn at a time.
    MemoBuffer* logLines_ = nullptr;   // child
    MemoBuffer* chatLines_ = nullptr;  // child
};
