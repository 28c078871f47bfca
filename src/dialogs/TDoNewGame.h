#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "dialogs/NewGameChoice.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Prompts;
struct Settings;

// What the wizard needs from the program around it.
struct NewGameHooks {
    // This machine's addresses in dotted form.
    std::function<QStringList()> localAddresses;
    // Stops network play at once (play alone is chosen, before the word list is asked for).
    std::function<void()> stopNetworkPlay;
    // The player finished the wizard (every way out but Cancel).
    std::function<void(const NewGameChoice&)> chosen;
    QSize screen;
    QString ownLists;  // the folder of the player's own word lists
};

// The new game wizard: alone against the program, or against an opponent found by address,
// by waiting for a call, or through the matchmaking server. It returns the player's choice
// (chosen, and choice()) and touches no connection; every way of closing except Cancel
// counts as finishing.
class TDoNewGame : public QDialog {
    Q_OBJECT
public:
    TDoNewGame(Settings& settings, Prompts& prompts, NewGameHooks hooks, QWidget* parent);

    const NewGameChoice& choice() const { return choice_; }

    bool Cancelled = false;

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QRadioButton* PlaySol = nullptr;
    QRadioButton* PlayOpp = nullptr;
    QRadioButton* KnowIp = nullptr;
    QRadioButton* WaitIP = nullptr;
    QRadioButton* LogServer = nullptr;
    QRadioButton* RegServer = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* IPAdd = nullptr;
    QRadioButton* LongestWait = nullptr;
    QRadioButton* AlphaNames = nullptr;
    QLineEdit* TheLetters = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The step on show: the first enabled panel (1..4).
    int currentStep() const;

    void NextButtonClick();
    void CancelButtonClick();
    // Chooses the address this player registers with; false when the machine has none.
    bool GetMyIP();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    // The buttons, and the settings each choice is remembered in.
    void BuildButtons();
    void ShowStep(int step);
    void Choose(NewGameChoice::Action action);
    // Next on each step: alone or an opponent; how to find one; the address; what to ask.
    void NextFromStep1();
    void NextFromStep2();
    void NextFromStep3();
    void NextFromStep4();

    Settings& settings_;
    Prompts& prompts_;
    NewGameHooks hooks_;
    NewGameChoice choice_;
    bool finished_ = false;
};
