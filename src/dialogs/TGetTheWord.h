#pragma once

#include <QString>

#include "dialogs/CheckedDialog.h"
#include "settings/Settings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Prompts;

// Asks this player for the word the opponent must guess and, with hints in use, a clue.
// There is no Cancel: the dialog can only be left with a word that passes every check.
// The caller reads TheWord afterwards: the word, or the word, ':' and the clue.
class TGetTheWord : public CheckedDialog {
    Q_OBJECT
public:
    // wordsPlayed, the words played in this game, picks the length required when both
    // players must use words of the same length.
    TGetTheWord(const Settings& settings, int wordsPlayed, Prompts& prompts,
                QWidget* parent = nullptr);

    static constexpr int kMaxResult = 255;

    bool CheckLength = false;
    int RequiredLength = 0;
    QString TheWord;

    QLabel* Label1 = nullptr;
    QLineEdit* AWord = nullptr;
    QLabel* ClueLabel = nullptr;
    QLineEdit* Clue = nullptr;
    QPushButton* OK = nullptr;

    // Letters (A..Z and those beyond) and the space only.
    static bool ValidWordCharacters(const QString& word);
    // The first letter the 8-bit wire cannot carry; a null character when all fit.
    static QChar UnsendableLetter(const QString& word);

    // Runs the checks in order, one box for each that fails; false keeps the dialog open.
    // Esc is checked like every other way out.
    bool FormCloseQuery() override;

private:
    void FormCreate();
    void FormShow();

    const Settings& settings_;
    Prompts& prompts_;
    int wordsPlayed_;
};
