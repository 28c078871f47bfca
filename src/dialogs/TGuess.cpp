#include "dialogs/TGuess.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/Prompts.h"
#include "core/Text.h"

namespace {

constexpr int kGuessChars = 2;

void centreOnScreen(QWidget& w) {
    if (const QScreen* screen = w.screen()) {
        const QRect area = screen->geometry();
        const QSize outer = w.frameGeometry().size();
        w.move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
    }
}

}  // namespace

TGuess::TGuess(Settings& settings, Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    // The caption's spelling is the one players have always seen.
    setWindowTitle(QStringLiteral("Guess Attemps"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(162, 50);

    Label1 = new QLabel(QStringLiteral("Guess Attempts"), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setGeometry(0, 2, 109, 19);
    TheGuess = new QLineEdit(this);
    TheGuess->setMaxLength(kGuessChars);
    TheGuess->setGeometry(114, 0, 41, 21);

    OK = new QPushButton(QStringLiteral("&Ok"), this);
    OK->setGeometry(44, 25, 75, 23);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { done(Accepted); });

    TheGuess->setText(settings_.NumGuesses);
}

bool TGuess::FormCloseQuery() {
    const int value = text::leadingInt(TheGuess->text());
    if (value < kMinGuesses || value > kMaxGuesses) {
        prompts_.message(this, QStringLiteral("Information"),
                         QStringLiteral("Guesses should be between 1 and 20.  Please Correct."));
        TheGuess->setFocus();
        return false;
    }
    return true;
}

void TGuess::FormClose() {
    settings_.NumGuesses = text::bounded(TheGuess->text(), kGuessChars);
    SaveSettings(settings_);
}

bool TGuess::CloseChecked() {
    // Closing the dialog may send it a close event of its own; that one is already checked.
    if (closing_) {
        return true;
    }
    if (!FormCloseQuery()) {
        return false;
    }
    FormClose();
    closing_ = true;
    QDialog::done(Accepted);
    closing_ = false;
    return true;
}

void TGuess::done(int) {
    CloseChecked();
}

void TGuess::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void TGuess::closeEvent(QCloseEvent* event) {
    if (CloseChecked()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TGuess::keyPressEvent(QKeyEvent* event) {
    // Esc presses Ok: the same check, the same storing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
