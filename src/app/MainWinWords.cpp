// Word lists: loading a list into play and the menu items around it.
#include <QAction>
#include <QLabel>

#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/Random.h"
#include "core/Text.h"
#include "core/WordList.h"

FileDialogSpec openWordListSpec(bool mustExist, const QString& directory) {
    FileDialogSpec spec;
    spec.directory = directory;
    spec.title = QStringLiteral("Open Text File of Words");
    spec.filter = QStringLiteral("Text Files (*.TXT *.txt);;All Files (*)");
    spec.defaultSuffix = QStringLiteral("TXT");
    spec.mustExist = mustExist;
    return spec;
}

QString TMainWin::ShowOpenWordList(bool mustExist) {
    const auto path = ctx.prompts->openFile(this, openWordListSpec(mustExist, settings.ProgramDir));
    return path ? text::bounded(*path) : QString();
}

void TMainWin::LoadGame(const QString& path) {
    WordListLoaded = true;
    Words.clear();
    Hints.clear();

    // Scrambling happens while the file is read, so that a big list is built in its final
    // order; the fallback list is scrambled like any other.
    Random* scramble = settings.ScrambleList ? &programRandom() : nullptr;
    wordlist::FileResult file = wordlist::readFile(path, scramble);
    if (file.status == wordlist::Status::ReadError) {
        // What could be read before the error is kept.
        ctx.prompts->message(
            this, QStringLiteral("Error"),
            QStringLiteral("The word list could not be read to its end: ") + file.errorString);
    }
    // A list without a single word would leave nothing to play: it is refused like a
    // file that cannot be opened.
    if (file.status == wordlist::Status::CannotOpen || file.status == wordlist::Status::TooLarge ||
        file.list.words.isEmpty()) {
        ctx.prompts->message(this, QStringLiteral("Error"),
                             QStringLiteral("File could not be loaded."));
        ListTitle = QStringLiteral("File Not Found");
        Words.append(QStringLiteral("NoWords"));
        Hints.append(QString());
        if (scramble) {
            wordlist::shuffle(Words, Hints, *scramble);
        }
    } else {
        if (file.list.hasTitle) {
            ListTitle = file.list.title;
        }
        Words = std::move(file.list.words);
        Hints = std::move(file.list.hints);
    }

    setWindowTitle(QStringLiteral("Ropewit: ") + ListTitle);

    const int n = static_cast<int>(Words.size());
    if (SoloGame) {
        WordIndex = 0;
        WordNumber = 0;
        WordNumPanel->setText(QStringLiteral("Word 1 of ") + text::withThousands(n));
    } else if (Connected) {
        SendPeer(12, ListTitle);
    }
    WordUsedCount = n;
    WordUsed.assign(static_cast<size_t>(n) + 1, 0);
}

void TMainWin::MenuWordsClick() {
    const QString path = ShowOpenWordList(false);
    if (!path.isEmpty()) {
        LoadGame(path);
    }
}

void TMainWin::MenuScrambleClick() {
    settings.ScrambleList = !settings.ScrambleList;
    MenuScramble->setChecked(settings.ScrambleList);
    SaveSettings(settings);
}

void TMainWin::SetWordListMenuItem() {
    MenuWords->setEnabled(settings.Player1Chooses == IsPlayer1);
}
