#pragma once

#include "dialogs/CheckedDialog.h"
#include "game/Scoring.h"
#include "settings/Settings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Prompts;

// Edits the number of missed letters allowed per word. There is no Cancel: every way out
// checks the count, stores it as typed and saves the settings file.
class TGuess : public CheckedDialog {
    Q_OBJECT
public:
    TGuess(Settings& settings, Prompts& prompts, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* TheGuess = nullptr;
    QPushButton* OK = nullptr;

    static constexpr int kMinGuesses = scoring::kMinGuessAttempts;
    static constexpr int kMaxGuesses = scoring::kMaxGuessAttempts;

    // The range check; shows the information box and returns false when it fails.
    bool FormCloseQuery() override;

private:
    void FormClose() override;

    Settings& settings_;
    Prompts& prompts_;
};
