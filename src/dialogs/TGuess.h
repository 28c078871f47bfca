#pragma once

#include <QDialog>

#include "settings/Settings.h"

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class Prompts;

// Edits the number of missed letters allowed per word. There is no Cancel: every way out
// checks the count, stores it as typed and saves the settings file.
class TGuess : public QDialog {
    Q_OBJECT
public:
    TGuess(Settings& settings, Prompts& prompts, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* TheGuess = nullptr;
    QPushButton* OK = nullptr;

    static constexpr int kMinGuesses = 1;
    static constexpr int kMaxGuesses = 20;

    // The range check; shows the information box and returns false when it fails.
    bool FormCloseQuery();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormClose();
    bool CloseChecked();

    Settings& settings_;
    Prompts& prompts_;
    bool closing_ = false;
};
