#pragma once

#include <QDialog>

#include "settings/Settings.h"

class QCheckBox;
class QCloseEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShowEvent;
class Prompts;

// Edits the five two-player options in the settings record. There is no Cancel: every way
// out (Ok, Enter, Esc, the close box) first checks the winning score and then stores the
// options; Ok and Esc also save the settings file.
class TGameOptions : public QDialog {
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

    static constexpr int kMinWinScore = 10;

    void EnableDisable();
    void OKClick();
    // The winning score check; shows the error box and returns false when it fails.
    bool FormCloseQuery();

    // Every close goes through here, whatever result was asked for.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void FormClose();
    // Checks, stores and closes; false when the dialog stays open.
    bool CloseChecked();
    int EnteredWinScore() const;

    Settings& settings_;
    Prompts& prompts_;
    bool closing_ = false;
};
