#pragma once

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TMainWin;

// The new game wizard: alone against the program, or against an opponent found by address,
// by waiting for a call, or through the matchmaking server. It starts the chosen action
// itself and closes; every way of closing except Cancel counts as finishing.
class TDoNewGame : public QDialog {
    Q_OBJECT
public:
    explicit TDoNewGame(TMainWin& main);

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
    void ShowStep(int step);
    void StopNetworkPlay();

    TMainWin& main_;
    bool finished_ = false;
};
