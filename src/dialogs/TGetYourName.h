#pragma once

#include "dialogs/CheckedDialog.h"
#include "settings/Settings.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the player's name. There is no Cancel and no check: every way out stores the name
// without surrounding blanks and control characters and saves the settings file.
class TGetYourName : public CheckedDialog {
    Q_OBJECT
public:
    explicit TGetYourName(Settings& settings, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* TheGuess = nullptr;
    QPushButton* OK = nullptr;

    static constexpr int kMaxName = 20;

private:
    void FormClose() override;

    Settings& settings_;
};
