#include "dialogs/TGetTheWord.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/Prompts.h"
#include "core/Text.h"

namespace {

constexpr int kWidth = 254;
constexpr int kHeightWithClue = 131;
// Without the clue line the button moves up under the word and the form shrinks with it.
constexpr int kHeightWithoutClue = 80;
constexpr int kOkTopWithClue = 106;
constexpr int kOkTopWithoutClue = 54;

void centreOnScreen(QWidget& w) {
    if (const QScreen* screen = w.screen()) {
        const QRect area = screen->geometry();
        const QSize outer = w.frameGeometry().size();
        w.move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
    }
}

QLabel* centredLabel(QWidget* parent, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(4, top, kWidth - 8, 18);
    return label;
}

}  // namespace

TGetTheWord::TGetTheWord(const Settings& settings, int wordIndex, Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), wordIndex_(wordIndex) {
    setWindowTitle(QStringLiteral("Enter Word"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(kWidth, kHeightWithClue);

    Label1 = centredLabel(this, QStringLiteral("Enter a word for your opponent"), 4);
    AWord = new QLineEdit(this);
    AWord->setMaxLength(kMaxWord);
    AWord->setGeometry(56, 24, 142, 22);
    ClueLabel = centredLabel(this, QStringLiteral("Enter a clue for your opponent"), 56);
    Clue = new QLineEdit(this);
    Clue->setGeometry(8, 76, kWidth - 16, 22);

    OK = new QPushButton(QStringLiteral("&Ok"), this);
    OK->setGeometry(90, kOkTopWithClue, 75, 23);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { done(Accepted); });

    FormCreate();
    FormShow();
}

void TGetTheWord::FormCreate() {
    if (!settings_.UseHints) {
        Clue->setEnabled(false);
        Clue->hide();
        ClueLabel->setEnabled(false);
        ClueLabel->hide();
        OK->move(OK->x(), kOkTopWithoutClue);
        setFixedSize(kWidth, kHeightWithoutClue);
    }
}

void TGetTheWord::FormShow() {
    CheckLength = settings_.SameWordLength;
    if (CheckLength) {
        RequiredLength = RequiredLengthFor(wordIndex_);
        Label1->setText(QStringLiteral("Enter a ") + QString::number(RequiredLength) +
                        QStringLiteral(" lettered word for your opponent"));
    }
}

int TGetTheWord::RequiredLengthFor(int wordIndex) {
    // Widened first: the magnitude of the lowest int does not fit in an int.
    const long long magnitude = wordIndex < 0 ? -static_cast<long long>(wordIndex) : wordIndex;
    return static_cast<int>(magnitude % 5) + 5;
}

bool TGetTheWord::ValidWordCharacters(const QString& word) {
    for (const QChar c : word) {
        const QChar u = text::asciiUpper(c);
        if (u != QLatin1Char(' ') && (u < QLatin1Char('A') || u > QLatin1Char('Z'))) {
            return false;
        }
    }
    return true;
}

bool TGetTheWord::FormCloseQuery() {
    bool canClose = true;
    TheWord = text::trimSpaces(AWord->text());
    if (TheWord.isEmpty()) {
        prompts_.message(this, QStringLiteral("Error"),
                         QStringLiteral("No word entered.  Please correct"));
        canClose = false;
    }
    if (CheckLength && TheWord.size() != RequiredLength) {
        prompts_.message(this, QStringLiteral("Error"),
                         QStringLiteral("Invalid length of word entered.  Please correct"));
        canClose = false;
    }
    if (!ValidWordCharacters(TheWord)) {
        prompts_.message(
            this, QStringLiteral("Error"),
            QStringLiteral("An invalid character has be used in the word.  Please correct"));
        canClose = false;
    }
    if (canClose && settings_.UseHints) {
        TheWord =
            text::bounded(TheWord + QLatin1Char(':') + text::trimSpaces(Clue->text()), kMaxResult);
    }
    return canClose;
}

bool TGetTheWord::CloseChecked() {
    // Closing the dialog may send it a close event of its own; that one is already checked.
    if (closing_) {
        return true;
    }
    if (!FormCloseQuery()) {
        return false;
    }
    closing_ = true;
    // Every way out that passes the checks hands back a word: there is nothing to cancel.
    QDialog::done(Accepted);
    closing_ = false;
    return true;
}

void TGetTheWord::done(int) {
    CloseChecked();
}

void TGetTheWord::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void TGetTheWord::closeEvent(QCloseEvent* event) {
    if (CloseChecked()) {
        event->accept();
    } else {
        event->ignore();
    }
}
