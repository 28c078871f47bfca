#pragma once

#include <QDialog>

#include "settings/Settings.h"

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// Edits the player's name. There is no Cancel and no check: every way out stores the name
// without surrounding blanks and control characters and saves the settings file.
class TGetYourName : public QDialog {
    Q_OBJECT
public:
    explicit TGetYourName(Settings& settings, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* TheGuess = nullptr;
    QPushButton* OK = nullptr;

    static constexpr int kMaxName = 20;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormClose();
    void CloseStored();

    Settings& settings_;
    bool closing_ = false;
};
