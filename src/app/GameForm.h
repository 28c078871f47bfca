#pragma once

#include <QImage>
#include <array>

#include "core/WordList.h"
#include "game/Round.h"
#include "widgets/MarkedLetters.h"  // the used letters, which tests read as a label

class QAction;
class QMenu;
class QFrame;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class ClickLabel;
struct Settings;

// How much of the window shows: alone, connected to an opponent (wide, with the opponent
// panel), or waiting for one (the connection log, not yet the opponent panel).
enum class WindowMode { Solo, Connected, Waiting };

// The main window's controls, timers and menu items under their inherited names (see
// docs/GLOSSARY.md), and where they sit. Like a form designer's generated class, setupUi
// builds them all as children of the window, which then connects them to its handlers.
struct MainWinControls {
    static constexpr int kClientWidthSolo = 476;
    static constexpr int kClientWidthWide = 632;
    static constexpr int kClientHeight = 316;
    // Lines the connection log and the chat keep; older lines are dropped.
    static constexpr int kMemoLines = 500;

    QFrame* BlankPanel = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* StartGame = nullptr;
    QFrame* MainPanel = nullptr;
    std::array<ClickLabel*, wordlist::kMaxWord + 1> WordTiles{};  // 1..15
    QLabel* SpokenWord = nullptr;  // shows nothing: the word and its news, for a reader
    std::array<ClickLabel*, Alphabet::kMaxTiles + 1> AlphabetTiles{};  // 1..27, then extras
    QLabel* PlayerPanel = nullptr;
    QFrame* HintPanel = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* HintLabel = nullptr;
    QFrame* UsedPanel = nullptr;
    QLabel* Label3 = nullptr;
    MarkedLetters* UsedLettersLabel = nullptr;
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

    QTimer* FlashTimer = nullptr;
    QTimer* ConnectTimer = nullptr;

    // Menu items.
    QAction* MenuPlayer = nullptr;
    QAction* MenuWords = nullptr;
    QAction* MenuSkip = nullptr;  // solo play: gives up the word
    QAction* MenuExit = nullptr;
    QAction* MenuUserName = nullptr;
    QAction* MenuGame = nullptr;
    QAction* MenuSound = nullptr;
    QAction* MenuFonts = nullptr;
    QAction* MenuGuesses = nullptr;
    QAction* MenuUpper = nullptr;
    QAction* MenuHints = nullptr;
    QAction* MenuScramble = nullptr;
    QAction* MenuRouter = nullptr;
    QAction* MenuServer = nullptr;
    // One checkable entry per language; its data is the code, empty for the system's.
    QMenu* MenuLanguage = nullptr;
    QAction* MenuContrast = nullptr;
    QAction* MenuFold = nullptr;  // accented letters count as their base letter
    QAction* DisplayyourIPAddress1 = nullptr;
    QAction* MenuCreateList = nullptr;
    QAction* MenuStatistics = nullptr;
    QAction* MenuDaily = nullptr;
    QAction* MenuByName = nullptr;  // solo play with a list chosen by its title
    QMenu* MenuLength = nullptr;    // the solo word lengths, filled by SoloRecords
    QAction* MenuContents = nullptr;
    QAction* MenuWebSite = nullptr;
    QAction* MenuAbout = nullptr;

    // Builds the menus, the panels and their controls, and the timers, at the solo width.
    void setupUi(QMainWindow& window);
    // The options of the Options menu checked as the settings have them.
    void showOptionChecks(const Settings& settings);
    // Every letter and word tile shows its bare background.
    void showTileBackgrounds(const QImage& alphabet, const QImage& word);
    // The panels, the menu items that depend on the mode, and the width that goes with it.
    void showMode(QMainWindow& window, WindowMode mode, bool wordsMenu);
    void showScores(long long player1, long long player2);
    // The welcome panel, or the board once a game has been set up.
    void showWelcome(bool on);
    // The control panel shows exactly while its button or its wait label does.
    void fitControlPanel();
    void setClientWidth(QMainWindow& window, int width);
};
