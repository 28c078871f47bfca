#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "matchmaking/OpponentList.h"

class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;

// The players waiting on the matchmaking server, of whom the player picks one to call.
// The caller sets UserListText (the list reply's payload) before showing it and reads
// Aborted and ChosenAddress afterwards.
class TWebOpponent : public QDialog {
    Q_OBJECT
public:
    explicit TWebOpponent(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QListWidget* UserList = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Button1 = nullptr;

    QString UserListText;
    std::array<QString, opponents::kMaxEntries> Addresses;
    bool Aborted = true;
    QString ChosenAddress;

    // Fills the list from UserListText; runs when the dialog is shown.
    void FormShow();
    void OKClick();

protected:
    void showEvent(QShowEvent* event) override;
};
