#pragma once

#include <QDialog>

#include "settings/Settings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Prompts;

// Chooses the matchmaking server, HOST or HOST:PORT; empty leaves the built-in one. A text
// that names no one server is refused with an "Error" box and the dialog stays open; Ok with
// a good one stores it and saves the settings file, Cancel changes nothing.
class TMatchServer : public QDialog {
    Q_OBJECT
public:
    TMatchServer(Settings& settings, Prompts& prompts, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* ServerAddress = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;

    // The port of a server address that names none.
    static constexpr quint16 kServerPort = 52202;
    static constexpr int kMaxAddress = 255;

private:
    void OKClick();

    Settings& settings_;
    Prompts& prompts_;
};
