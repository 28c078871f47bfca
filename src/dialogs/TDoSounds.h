#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Prompts;
struct Settings;

// The sound effect settings: sound on or off, the lists of sounds for a correct and a missed
// letter, and the sounds of a solved and a lost word. The dialog edits its own controls and
// stores them in the settings only on Save. It centres on the screen of the given size (none
// when empty).
class TDoSounds : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 374;
    static constexpr int kClientHeight = 420;

    TDoSounds(Settings& settings, Prompts& prompts, QSize screen, QWidget* parent);

    QCheckBox* UseSounds = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* CompBox = nullptr;
    QPushButton* AddComp = nullptr;
    QPushButton* DeleteComp = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* WordComplete = nullptr;
    QPushButton* BrowseComp = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* MissBox = nullptr;
    QPushButton* AddMiss = nullptr;
    QPushButton* DeleteMiss = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* WordMissed = nullptr;
    QPushButton* BrowseMiss = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* Button1 = nullptr;

    void AddCompClick();
    void AddMissClick();
    void DeleteCompClick();
    void DeleteMissClick();
    void BrowseCompClick();
    void BrowseMissClick();
    void SaveButtonClick();
    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    std::optional<QString> chooseWave();
    void addTo(QListWidget* box, QPushButton* addButton);
    void deleteFrom(QListWidget* box, QPushButton* addButton);
    void browseInto(QLineEdit* edit);

    Settings& settings_;
    Prompts& prompts_;
    QSize screen_;
};
