#include "dialogs/TGameOptions.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/Prompts.h"
#include "core/Text.h"
#include "widgets/Ui.h"

TGameOptions::TGameOptions(Settings& settings, Prompts& prompts, QWidget* parent)
    : CheckedDialog(parent), settings_(settings), prompts_(prompts) {
    setWindowTitle(tr("Two Player Game Options"));
    setFont(arialFont(13));
    setFixedSize(249, 181);

    PlayerChoose = new QRadioButton(tr("&Choose Opponent's Word"), this);
    PlayerChoose->setGeometry(8, 6, 233, 18);
    ProgChoose = new QRadioButton(tr("&Program Chooses Words"), this);
    ProgChoose->setGeometry(8, 26, 233, 18);

    // A panel of its own makes the second pair a radio group apart from the first.
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::NoFrame);
    Panel1->setGeometry(24, 46, 217, 38);
    DiffWord = new QRadioButton(tr("&Each Player Gets Different Word"), Panel1);
    DiffWord->setGeometry(0, 0, 217, 18);
    SameWord = new QRadioButton(tr("E&ach Player Gets Same Word"), Panel1);
    SameWord->setGeometry(0, 20, 217, 18);

    SameLength = new QCheckBox(tr("E&nsure Same Length Word Used"), this);
    SameLength->setGeometry(8, 88, 233, 18);
    Play1Choose = new QCheckBox(tr("\"&Server\" Player Chooses Word List"), this);
    Play1Choose->setGeometry(8, 108, 233, 18);

    Label1 = plainLabel(this, tr("Winning Score Value:"), {8, 134, 128, 18});
    WinScore = new QLineEdit(this);
    WinScore->setFont(arialFont(12));
    WinScore->setMaxLength(4);
    WinScore->setGeometry(140, 132, 41, 21);
    Label1->setBuddy(WinScore);  // what a reader calls the field

    OK = new QPushButton(tr("&Ok"), this);
    OK->setGeometry(87, 156, 75, 23);
    OK->setDefault(true);
    // Esc presses Ok rather than cancelling: Ok also saves the settings file.
    setEscapeButton(OK);

    for (QRadioButton* radio : {PlayerChoose, ProgChoose, DiffWord, SameWord}) {
        connect(radio, &QRadioButton::toggled, this, &TGameOptions::EnableDisable);
    }
    connect(OK, &QPushButton::clicked, this, &TGameOptions::OKClick);

    FormShow();
}

void TGameOptions::FormShow() {
    (settings_.GameType == 1 ? PlayerChoose : ProgChoose)->setChecked(true);
    (settings_.WordType == 1 ? DiffWord : SameWord)->setChecked(true);
    SameLength->setChecked(settings_.SameWordLength);
    Play1Choose->setChecked(settings_.Player1Chooses);
    WinScore->setText(QString::number(settings_.WinScore));
    EnableDisable();
}

void TGameOptions::EnableDisable() {
    if (PlayerChoose->isChecked()) {
        DiffWord->setEnabled(false);
        SameWord->setEnabled(false);
        SameLength->setEnabled(true);
        Play1Choose->setEnabled(false);
    } else {
        DiffWord->setEnabled(true);
        SameWord->setEnabled(true);
        SameLength->setEnabled(DiffWord->isChecked());
        Play1Choose->setEnabled(true);
    }
}

int TGameOptions::EnteredWinScore() const {
    return text::leadingInt(text::trimSpaces(WinScore->text()));
}

bool TGameOptions::FormCloseQuery() {
    if (EnteredWinScore() < kMinWinScore) {
        prompts_.message(this, tr("Error"), tr("Winning score value must be at least 10."));
        return false;
    }
    return true;
}

void TGameOptions::FormClose() {
    settings_.GameType = PlayerChoose->isChecked() ? 1 : 2;
    settings_.WordType = DiffWord->isChecked() ? 1 : 2;
    settings_.SameWordLength = SameLength->isChecked();
    settings_.Player1Chooses = Play1Choose->isChecked();
    settings_.WinScore = EnteredWinScore();
}

void TGameOptions::OKClick() {
    if (CloseChecked()) {
        SaveSettings(settings_);
    }
}
