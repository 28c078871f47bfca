#pragma once

#include <QByteArray>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "core/AppContext.h"
#include "core/WordList.h"
#include "game/Round.h"
#include "game/Scores.h"
#include "game/WordSource.h"
#include "net/MessageFraming.h"
#include "settings/Settings.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class ClickLabel;
class TWSocket;
struct FileDialogSpec;

// The chooser for a word list to play from.
// Opens where the lists that come with the game lie (`directory`).
FileDialogSpec openWordListSpec(bool mustExist, const QString& directory);

// The main window: the whole visible game and the owner of the game state, the settings
// record, the sockets and the timers. The rules it applies live in game/, core/, net/ and
// matchmaking/; the handlers here wire them to the controls.
//
// State and controls are public so that tests can look at them the way a player would.
class TMainWin : public QMainWindow {
    Q_OBJECT
public:
    // The word tiles: as many as a word may have letters.
    static constexpr int kMaxWord = wordlist::kMaxWord;
    static constexpr int kAlphabetTiles = Round::kTiles;
    static constexpr int kClientWidthSolo = 476;
    static constexpr int kClientWidthWide = 632;
    static constexpr int kClientHeight = 316;

    explicit TMainWin(const AppContext& context, QWidget* parent = nullptr);
    ~TMainWin() override;

    // --- Settings and context ---
    Settings settings;
    AppContext ctx;

    // --- The game: the word in play, the word list, the scores ---
    const Round& round() const { return round_; }
    WordSource& wordSource() { return wordSource_; }
    const WordSource& wordSource() const { return wordSource_; }
    Scores& scores() { return scores_; }
    const Scores& scores() const { return scores_; }

private:
    Round round_;
    WordSource wordSource_;
    Scores scores_;

public:
    // Read-only views under their former names, for the peer and two-player handlers that
    // still read them.
    const long long& Player1Score = scores_.player1();
    const long long& Player2Score = scores_.player2();
    const int& GuessesAllowed = round_.guessesAllowed();

    // --- Game state ---
    bool SoloGame = true;
    bool Connected = false;
    bool IsPlayer1 = false;
    bool TwoPlayerStarted = false;
    bool Player1Posted = false, Player2Posted = false;
    bool OpponentReady = false, IAmReady = false;
    bool OpponentWordReceived = false, MyWordSent = false;
    bool OpponentScoreReceived = false, MyScoreSent = false;
    bool WordFinished = false;
    bool LoggedOnServer = false;
    bool UnLogDone = true;
    // The word dealt to this player for the next two-player word (by the opponent, or by
    // this side when the program chooses); DoNextWord puts it in play.
    QString CurrentWord;
    QString CurrentHint;
    int OpponentGuessesLeft = 0;
    QString Player1Name, Player2Name;
    QImage EmptyGallows;
    int ScreenWidth = 0, ScreenHeight = 0;

    // Peer protocol and two-player flow.
    QString OpponentWord;
    QString OpponentProgress;
    int OpponentGameType = 0;
    int OpponentWordType = 0;
    MessageBuffer PeerReceiveBuffer;

    // Matchmaking client.
    int ServerRequest = 0;
    QString ServerLetters;
    QString OwnAddress;
    QString PeerAddress;
    MessageBuffer ServerReceiveBuffer;
    bool Listening = false;

    // --- Controls (children of the window) ---
    QFrame* BlankPanel = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* StartGame = nullptr;
    QFrame* MainPanel = nullptr;
    std::array<ClickLabel*, kMaxWord + 1> WordTiles{};            // 1..15
    std::array<ClickLabel*, kAlphabetTiles + 1> AlphabetTiles{};  // 1..27
    QLabel* PlayerPanel = nullptr;
    QFrame* HintPanel = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* HintLabel = nullptr;
    QFrame* UsedPanel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* UsedLettersLabel = nullptr;
    ClickLabel* NoHang = nullptr;
    QLabel* Guesses = nullptr;
    QLabel* WordNumPanel = nullptr;
    QFrame* Bevel3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Play1ScoreLab = nullptr;
    QLabel* Play1ScorePan = nullptr;
    QLabel* Play2ScoreLab = nullptr;
    QLabel* Play2ScorePan = nullptr;
    QFrame* ConnectPanel = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* ConMemo = nullptr;
    QFrame* WebPanel = nullptr;
    QLabel* OppPanel = nullptr;
    QLabel* WebWordlabel = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* MissedWebLabel = nullptr;
    QLabel* WebGuesses = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* MyMemo = nullptr;
    QLineEdit* MyMess = nullptr;
    QPushButton* SendButton = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* ControlPanel = nullptr;
    QPushButton* ActionButton = nullptr;
    QLabel* WaitStatus = nullptr;

    // Hidden pictures.
    QImage NoHangPicture;  // what NoHang shows (177 x 241)
    QImage YesHang;
    QImage AlphaImage, WordImage;  // built-in tile backgrounds
    QImage SavedAlpha, SavedWord;  // tile backgrounds in use

    QTimer* FlashTimer = nullptr;
    QTimer* ConnectTimer = nullptr;

    TWSocket* CliWSocket = nullptr;
    TWSocket* SrvWSocket = nullptr;
    TWSocket* TmpWSocket = nullptr;
    TWSocket* CliSrvWSocket = nullptr;

    // Menu items.
    QAction* MenuPlayer = nullptr;
    QAction* MenuWords = nullptr;
    QAction* MenuExit = nullptr;
    QAction* MenuUserName = nullptr;
    QAction* MenuGame = nullptr;
    QAction* MenuSound = nullptr;
    QAction* MenuFonts = nullptr;
    QAction* MenuGuesses = nullptr;
    QAction* MenuUpper = nullptr;
    QAction* MenuHints = nullptr;
    QAction* MenuScramble = nullptr;
    QAction* DisplayyourIPAddress1 = nullptr;
    QAction* MenuCreateList = nullptr;
    QAction* MenuContents = nullptr;
    QAction* MenuWebSite = nullptr;
    QAction* MenuAbout = nullptr;

    // --- Window, layout and enabling rules ---
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

    // --- Word lists ---
    void LoadGame(const QString& path);
    void MenuWordsClick();
    void MenuScrambleClick();
    void SetWordListMenuItem();

    // --- Guessing and display ---
    bool GuessingAllowed() const;
    void AlphaClicked(int index);
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void TestIt2(int index);
    void DisplayWord();
    void DisplayLetter(int position);
    void DisplayHints();
    void MenuUpperClick();
    void MenuHintsClick();
    void UncoverFigure();
    void ShowPicture();
    // The board after a guess: the letter's tile gone, the used letters, what it uncovered.
    void ShowGuess(const Round::Guess& guess);
    // The end of this player's word, solved or hanged, with its points.
    void FinishWord(int points, const QString& soloMessage);
    void ShowScores();

    // --- Progression, scoring, game end ---
    void StartGameClick();
    void MenuPlayerClick();
    void DoANewGame();
    void StartIt();
    void DoNextWord();
    void CheckComplete();
    void CalcTheScore(int points, bool twoPlayer);
    bool WehaveWinner();
    void FlashIt(bool on);
    void FlashTimerTimer();
    // The wizard; false when it was cancelled.
    bool RunNewGameWizard();

    // --- Sound ---
    void DoWave(const QString& path, bool wait);
    void PlayRandomSound(const std::array<QString, Settings::kSoundSlots>& list, int count);
    void PlayIfExists(const QString& path);

    // --- Peer protocol and connections ---
    void SendPeer(int code, const QString& payload = {});
    void CliWSocketDataAvailable(int error);
    void HandlePeerMessage(int code, const QString& payload);
    void StartServer();
    void ConnectToIP();
    void CliWSocketDnsLookupDone(int error);
    void CliWSocketSessionConnected(int error);
    void SrvWSocketSessionAvailable(int error);
    void CliWSocketSessionClosed(int error);
    void DisplayyourIPAddress1Click();
    void DoStartMessage();
    QString OwnName() const;
    QString OpponentName() const;

    // --- Two-player flow, chat and option changes ---
    void ActionButtonClick();
    void ConnectTimerTimer();
    void DoAWebWord();
    // Word and clue at the first unused position after p whose word has n characters;
    // an empty word when there is none.
    std::pair<QString, QString> FindSameLengthWord(int p, int n);
    void SendButtonClick();
    void MenuGameClick();
    void MenuGuessesClick();
    void MenuUserNameClick();
    // The connection went away in the middle of a game: stop waiting and say so.
    void GameInterrupted();
    // Set when this side closes the peer connection itself (a new game is being set up),
    // until the end of that connection has been reported.
    bool LeavingPeer = false;
    // Shows the user name dialog (TGetYourName), which saves the settings.
    void RunUserNameDialog();
    void ShowWaitStatus(const QString& text);
    void HideWaitStatus();
    void OfferAction(const QString& caption);

    // --- Matchmaking client ---
    void BeginServerRequest(int request);
    void UnLog();
    void CliSrvWSocketDnsLookupDone(int error);
    void CliSrvWSocketSessionConnected(int error);
    void CliSrvWSocketDataAvailable(int error);
    void CliSrvWSocketSessionClosed(int error);
    void AddressHistory(const QString& address);
    QStringList LocalAddresses() const;

    // --- Other menu commands ---
    void MenuExitClick();
    void MenuSoundClick();
    void MenuFontsClick();
    void MenuCreateListClick();
    void MenuContentsClick();
    void MenuWebSiteClick();
    void MenuAboutClick();

    // The font colours and backgrounds of the two tile looks as the board draws them.
    QImage AlphabetTile(QChar c) const;
    QImage WordTile(QChar c) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void BuildMenus();
    void BuildWelcomePanel();
    void BuildMainPanel();
    void BuildScoreBox();
    void BuildConnectPanel();
    void BuildWebPanel();
    void BuildControlPanel();
    void BuildSockets();
    void SetClientWidth(int width);
    void LoadTileBackgrounds();
    QString ShowOpenWordList(bool mustExist);
    // Marks player 1's or player 2's readiness as posted and says so in the log.
    // A new opponent connection: a clean receive buffer, the connect sound, the game board.
    void BeginPeerSession();
    void PostReadyToStart(bool player1);
    // Adds a word's points to player 1's or player 2's score and marks it posted.
    void PostScore(bool player1, long long points);
    // The opponent's new word: all of it still to guess, a full count of guesses.
    void SetOpponentWord(const QString& word);
    void ShowOpponentGuesses();
    // Stores the opponent's name (the player's number for none) and shows it; returns it.
    const QString& TakeOpponentName(const QString& payload);
    // Moves what the socket has into the buffer; false when there was nothing to read.
    bool ReceiveInto(TWSocket& socket, MessageBuffer& buffer, const QString& from);

    bool closing_ = false;
    bool shownOnce_ = false;
};
