#include "dialogs/TDoNewGame.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/Prompts.h"
#include "core/Text.h"
#include "dialogs/TGetYourName.h"
#include "dialogs/WordListRequest.h"
#include "net/PeerAddress.h"
#include "settings/Settings.h"
#include "widgets/ClickLabel.h"
#include "widgets/Ui.h"

namespace {

QFrame* makeStepPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(2, 2, 349, 157);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QLabel* makeHeading(QWidget* parent, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    // A reader names the step by its heading as the keyboard enters it.
    parent->setAccessibleName(text);
    QLabel* label = plainLabel(parent, text, {16, 10, 317, 22}, align | Qt::AlignVCenter);
    label->setFont(arialFont(15, true));
    return label;
}

QRadioButton* makeRadio(QWidget* parent, const QString& caption, int y) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setGeometry(24, y, 317, 20);
    return radio;
}

// The keyboard starts on a step's choice, where the arrows move to the others; without this
// it would stay on a hidden step's button, or on Next.
void focusChoice(QWidget* panel) {
    const QList<QRadioButton*> radios = panel->findChildren<QRadioButton*>();
    const auto checked =
        std::find_if(radios.begin(), radios.end(), [](QRadioButton* r) { return r->isChecked(); });
    if (checked != radios.end()) {
        (*checked)->setFocus();
    } else if (!radios.isEmpty()) {
        radios.constFirst()->setFocus();
    }
}

}  // namespace

TDoNewGame::TDoNewGame(Settings& settings, Prompts& prompts, NewGameHooks hooks, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), hooks_(std::move(hooks)) {
    setWindowTitle(tr("New Player"));
    setFont(arialFont(13));
    setFixedSize(353, 188);

    Panel1 = makeStepPanel(this);
    makeHeading(Panel1, tr("Would you like to"));
    PlaySol = makeRadio(Panel1, tr("&Play against the computer (solitaire)"), 48);
    PlayOpp = makeRadio(Panel1, tr("Pl&ay against an opponent over the Web"), 76);

    Panel2 = makeStepPanel(this);
    makeHeading(Panel2, tr("What would you like to do?"));
    KnowIp = makeRadio(Panel2, tr("&Enter your opponent's IP Address"), 40);
    WaitIP = makeRadio(Panel2, tr("&Wait for your opponent to enter your IP Address"), 66);
    LogServer = makeRadio(Panel2, tr("&Log into our server and check for players"), 92);
    RegServer = makeRadio(Panel2, tr("&Register into our server and wait for a player"), 118);

    Panel3 = makeStepPanel(this);
    auto* heading3 = new ClickLabel(Panel3);
    heading3->setText(tr("Enter your opponent's IP Address"));
    heading3->setTextFormat(Qt::PlainText);
    heading3->setFont(arialFont(15, true));
    heading3->setGeometry(16, 30, 317, 22);
    heading3->setAlignment(Qt::AlignCenter);
    Label3 = heading3;
    Panel3->setAccessibleName(heading3->text());
    connect(heading3, &ClickLabel::pressed, this, &TDoNewGame::CancelButtonClick);
    IPAdd = new QComboBox(Panel3);
    IPAdd->setEditable(true);
    IPAdd->setMaxVisibleItems(10);
    IPAdd->setInsertPolicy(QComboBox::NoInsert);
    IPAdd->setGeometry(64, 70, 221, 24);
    // What a reader calls the address box and the field inside it.
    IPAdd->setAccessibleName(Label3->text());
    IPAdd->lineEdit()->setAccessibleName(Label3->text());

    Panel4 = makeStepPanel(this);
    makeHeading(Panel4, tr("Would you like to"));
    LongestWait = makeRadio(Panel4, tr("&Obtain Longest Waiting Players"), 48);
    AlphaNames = makeRadio(Panel4, tr("O&btain Players Starting With The Letters"), 80);
    AlphaNames->setGeometry(24, 80, 250, 20);
    TheLetters = new QLineEdit(Panel4);
    TheLetters->setMaxLength(20);
    TheLetters->setGeometry(276, 78, 61, 22);
    TheLetters->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Letters the players' names start with"));

    BuildButtons();
    FormShow();
}

void TDoNewGame::BuildButtons() {
    NextButton = new QPushButton(tr("&Next"), this);
    NextButton->setGeometry(184, 161, 75, 25);
    NextButton->setDefault(true);
    NextButton->setAutoDefault(true);
    CancelButton = new QPushButton(tr("&Cancel"), this);
    CancelButton->setGeometry(268, 161, 75, 25);
    CancelButton->setAutoDefault(false);
    connect(NextButton, &QPushButton::clicked, this, &TDoNewGame::NextButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TDoNewGame::CancelButtonClick);

    // Each group of choices is remembered as soon as it is clicked.
    Settings& s = settings_;
    auto remember = [this](QRadioButton* radio, int& setting, int value) {
        connect(radio, &QRadioButton::clicked, this, [&setting, value] { setting = value; });
    };
    remember(PlaySol, s.LastPanel1Option, 1);
    remember(PlayOpp, s.LastPanel1Option, 2);
    remember(KnowIp, s.LastPanel2Option, 1);
    remember(WaitIP, s.LastPanel2Option, 2);
    remember(LogServer, s.LastPanel2Option, 3);
    remember(RegServer, s.LastPanel2Option, 4);
    remember(LongestWait, s.LastPanel3Option, 1);
    remember(AlphaNames, s.LastPanel3Option, 2);
    connect(AlphaNames, &QRadioButton::clicked, this, [this] {
        // Shown as the current step, whether or not the dialog itself is on screen yet.
        if (!Panel4->isHidden()) {
            TheLetters->setFocus();
        }
    });
}

void TDoNewGame::FormShow() {
    Cancelled = false;
    if (hooks_.screen.width() > 0) {
        move((hooks_.screen.width() - width()) / 2, (hooks_.screen.height() - height()) / 2);
    }
    Panel2->setEnabled(false);
    Panel2->hide();
    Panel3->setEnabled(false);
    Panel3->hide();
    Panel1->setEnabled(true);
    Panel1->show();
    Panel4->hide();

    const Settings& s = settings_;
    // A remembered value out of range checks nothing in its group.
    auto check = [](std::initializer_list<QRadioButton*> group, int value) {
        int i = 1;
        for (QRadioButton* radio : group) {
            radio->setAutoExclusive(false);
            radio->setChecked(i++ == value);
            radio->setAutoExclusive(true);
        }
    };
    check({PlaySol, PlayOpp}, s.LastPanel1Option);
    check({KnowIp, WaitIP, LogServer, RegServer}, s.LastPanel2Option);
    check({LongestWait, AlphaNames}, s.LastPanel3Option);

    for (const QString& address : s.LastIpAddresses) {
        if (!address.isEmpty()) {
            IPAdd->addItem(address);
        }
    }
    IPAdd->setEditText(s.LastIpAddresses[0]);
    focusChoice(Panel1);
}

int TDoNewGame::currentStep() const {
    const QFrame* panels[] = {Panel1, Panel2, Panel3, Panel4};
    for (int i = 0; i < 4; ++i) {
        if (panels[i]->isEnabled()) {
            return i + 1;
        }
    }
    return 0;
}

void TDoNewGame::ShowStep(int step) {
    QFrame* panels[] = {Panel1, Panel2, Panel3, Panel4};
    for (int i = 0; i < 4; ++i) {
        panels[i]->setEnabled(i + 1 == step);
        panels[i]->setVisible(i + 1 == step);
    }
    if (step >= 1 && step <= 4) {
        focusChoice(panels[step - 1]);
    }
}

void TDoNewGame::Choose(NewGameChoice::Action action) {
    choice_.action = action;
    accept();
}

void TDoNewGame::NextButtonClick() {
    switch (currentStep()) {
        case 1:
            NextFromStep1();
            return;
        case 2:
            NextFromStep2();
            return;
        case 3:
            NextFromStep3();
            return;
        case 4:
            NextFromStep4();
            return;
        default:
            return;
    }
}

void TDoNewGame::NextFromStep1() {
    if (PlaySol->isChecked()) {
        if (hooks_.stopNetworkPlay) {
            hooks_.stopNetworkPlay();
        }
        const auto path = prompts_.openFile(
            this, openWordListRequest(true, settings_.ProgramDir, hooks_.ownLists));
        if (path) {
            choice_.wordListPath = text::bounded(*path);
            Choose(NewGameChoice::Action::PlayAlone);
        }
        return;
    }
    if (settings_.UserName.isEmpty() &&
        prompts_.question(this, tr("Notice"),
                          tr("It appears that you have not entered a user name for "
                             "yourself yet. Would you like to do so now?"))) {
        TGetYourName dialog(settings_, this);
        prompts_.runDialog(dialog);
    }
    ShowStep(2);
}

void TDoNewGame::NextFromStep2() {
    if (KnowIp->isChecked()) {
        ShowStep(3);
        IPAdd->setFocus();
    } else if (WaitIP->isChecked()) {
        Choose(NewGameChoice::Action::WaitForCall);
    } else if (LogServer->isChecked()) {
        ShowStep(4);
        if (AlphaNames->isChecked()) {
            TheLetters->setFocus();
        }
    } else if (RegServer->isChecked()) {
        // Without an address of our own there is nothing to register.
        if (!GetMyIP()) {
            prompts_.message(this, tr("Error"),
                             tr("This computer has no network address to "
                                "register with the server."));
            return;
        }
        Choose(NewGameChoice::Action::Register);
    }
}

void TDoNewGame::NextFromStep3() {
    const QString address = text::bounded(text::trimSpaces(IPAdd->currentText()));
    if (address.isEmpty()) {
        prompts_.message(this, tr("Error"), tr("No IP Address has been entered."));
        IPAdd->setFocus();
        return;
    }
    // Refused here, with the reason, rather than after the wizard has gone: nothing is sent.
    const peeraddress::Parsed parsed = peeraddress::parse(address, peeraddress::kDefaultPort, 255);
    if (!parsed.target) {
        prompts_.message(this, tr("Error"), parsed.error);
        IPAdd->setFocus();
        return;
    }
    choice_.address = address;
    Choose(NewGameChoice::Action::CallAddress);
}

void TDoNewGame::NextFromStep4() {
    if (LongestWait->isChecked()) {
        Choose(NewGameChoice::Action::ListLongest);
    } else {
        choice_.letters = text::bounded(TheLetters->text());
        Choose(NewGameChoice::Action::ListByLetters);
    }
}

void TDoNewGame::CancelButtonClick() {
    Cancelled = true;
    reject();
}

bool TDoNewGame::GetMyIP() {
    const QStringList addresses = hooks_.localAddresses ? hooks_.localAddresses() : QStringList();
    choice_.ownAddress.clear();
    if (addresses.isEmpty()) {
        return false;
    }
    QString chosen = addresses.constFirst();
    if (addresses.size() >= 2) {
        for (qsizetype i = 0; i < addresses.size(); ++i) {
            const QString entry = addresses.at(i).trimmed();
            if (prompts_.question(
                    this, tr("Notice"),
                    tr("You have multiple IP Addresses.  Is the correct IP Address %1?")
                        .arg(entry))) {
                chosen = entry;
                break;
            }
            if (i == addresses.size() - 2) {
                chosen = addresses.constLast();
                break;
            }
        }
    }
    choice_.ownAddress = text::bounded(chosen.trimmed());
    return !choice_.ownAddress.isEmpty();
}

void TDoNewGame::done(int result) {
    // Every way out but Cancel, the close box included, counts as finishing.
    if (!finished_) {
        finished_ = true;
        if (!Cancelled && hooks_.chosen) {
            choice_.solo = PlaySol->isChecked();
            hooks_.chosen(choice_);
        }
    }
    QDialog::done(result);
}

void TDoNewGame::keyPressEvent(QKeyEvent* event) {
    // Escape is not bound to Cancel here.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
