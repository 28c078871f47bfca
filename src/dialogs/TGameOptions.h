#pragma once

#include "dialogs/CheckedDialog.h"
#include "game/Scoring.h"
#include "settings/Settings.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Prompts;

// Edits the five two-player options in the settings record. There is no Cancel: every way
// out (Ok, Enter, Esc, the close box) first checks the winning score and then stores the
// options; Ok and Esc also save the settings file.
class TGameOptions : public CheckedDialog {
    Q_OBJECT
public:
    TGameOptions(Settings& settings, Prompts& prompts, QWidget* parent = nullptr);

    QRadioButton* PlayerChoose = nullptr;
    QRadioButton* ProgChoose = nullptr;
    QFrame* Panel1 = nullptr;
    QRadioButton* DiffWord = nullptr;
    QRadioButton* SameWord = nullptr;
    QCheckBox* SameLength = nullptr;
    QCheckBox* Play1Choose = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* WinScore = nullptr;
    QPushButton* OK = nullptr;

    static constexpr int kMinWinScore = scoring::kMinWinScore;

    void EnableDisable();
    void OKClick();
    // The winning score check; shows the error box and returns false when it fails.
    bool FormCloseQuery() override;

private:
    void FormShow();
    void FormClose() override;
    int EnteredWinScore() const;

    Settings& settings_;
    Prompts& prompts_;
};
