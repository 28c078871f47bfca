#pragma once

#include <array>

#include "core/WordList.h"
#include "game/Round.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class ClickLabel;

// The main window's controls, timers and menu items under their inherited names (see
// docs/GLOSSARY.md). All are children of the window, which builds them.
struct MainWinControls {
    QFrame* BlankPanel = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* StartGame = nullptr;
    QFrame* MainPanel = nullptr;
    std::array<ClickLabel*, wordlist::kMaxWord + 1> WordTiles{};  // 1..15
    std::array<ClickLabel*, Round::kTiles + 1> AlphabetTiles{};   // 1..27
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

    QTimer* FlashTimer = nullptr;
    QTimer* ConnectTimer = nullptr;

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
};
