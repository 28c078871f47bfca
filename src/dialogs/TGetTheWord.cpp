#include "dialogs/TGetTheWord.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Prompts.h"
#include "core/Text.h"
#include "core/WordList.h"
#include "game/Alphabet.h"
#include "game/WordSource.h"
#include "widgets/Ui.h"

namespace {

constexpr int kWidth = 254;
constexpr int kHeightWithClue = 131;
// Without the clue line the button moves up under the word and the form shrinks with it.
constexpr int kHeightWithoutClue = 80;
constexpr int kOkTopWithClue = 106;
constexpr int kOkTopWithoutClue = 54;

}  // namespace

TGetTheWord::TGetTheWord(const Settings& settings, int wordsPlayed, Prompts& prompts,
                         QWidget* parent)
    : CheckedDialog(parent), settings_(settings), prompts_(prompts), wordsPlayed_(wordsPlayed) {
    setWindowTitle(tr("Enter Word"));
    setFont(arialFont(13));
    setFixedSize(kWidth, kHeightWithClue);

    Label1 = plainLabel(this, tr("Enter a word for your opponent"), {4, 4, kWidth - 8, 18},
                        Qt::AlignCenter);
    AWord = new QLineEdit(this);
    AWord->setMaxLength(wordlist::kMaxWord);
    AWord->setGeometry(56, 24, 142, 22);
    ClueLabel = plainLabel(this, tr("Enter a clue for your opponent"), {4, 56, kWidth - 8, 18},
                           Qt::AlignCenter);
    Clue = new QLineEdit(this);
    Clue->setGeometry(8, 76, kWidth - 16, 22);
    // What a reader calls the fields.
    Label1->setBuddy(AWord);
    ClueLabel->setBuddy(Clue);

    OK = new QPushButton(tr("&Ok"), this);
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
        RequiredLength = WordSource::typedWordLength(wordsPlayed_);
        Label1->setText(tr("Enter a %1 lettered word for your opponent").arg(RequiredLength));
    }
}

bool TGetTheWord::ValidWordCharacters(const QString& word) {
    for (const QChar c : word) {
        const QChar u = text::asciiUpper(c);
        if (u != QLatin1Char(' ') && (u < QLatin1Char('A') || u > QLatin1Char('Z')) &&
            !Alphabet::isExtra(c)) {
            return false;
        }
    }
    return true;
}

QChar TGetTheWord::UnsendableLetter(const QString& word) {
    for (const QChar c : word) {
        if (!text::fitsAnsi(QString(c))) {
            return c;
        }
    }
    return {};
}

bool TGetTheWord::FormCloseQuery() {
    bool canClose = true;
    TheWord = text::trimSpaces(AWord->text());
    if (TheWord.isEmpty()) {
        prompts_.message(this, tr("Error"), tr("No word entered.  Please correct"));
        canClose = false;
    }
    if (CheckLength && TheWord.size() != RequiredLength) {
        prompts_.message(this, tr("Error"), tr("Invalid length of word entered.  Please correct"));
        canClose = false;
    }
    if (!ValidWordCharacters(TheWord)) {
        prompts_.message(this, tr("Error"),
                         tr("An invalid character has be used in the word.  Please correct"));
        canClose = false;
    } else if (const QChar c = UnsendableLetter(TheWord); !c.isNull()) {
        prompts_.message(
            this, tr("Error"),
            tr("The letter %1 cannot be sent to your opponent.  Please correct").arg(c));
        canClose = false;
    }
    if (canClose && settings_.UseHints) {
        TheWord =
            text::bounded(TheWord + QLatin1Char(':') + text::trimSpaces(Clue->text()), kMaxResult);
    }
    return canClose;
}
