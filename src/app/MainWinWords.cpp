// Word lists: loading a list into play and the menu items around it.
#include <QAction>
#include <QLabel>

#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/Random.h"
#include "core/Text.h"

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
    // Scrambling happens while the file is read, so that a big list is built in its final
    // order; the stand-in list is scrambled like any other.
    Random* scramble = settings.ScrambleList ? &programRandom() : nullptr;
    const WordSource::LoadOutcome outcome = wordSource_.load(path, scramble);
    if (outcome.status == wordlist::Status::ReadError) {
        // What could be read before the error is kept.
        ctx.prompts->message(
            this, QStringLiteral("Error"),
            QStringLiteral("The word list could not be read to its end: ") + outcome.errorString);
    }
    if (outcome.fellBack) {
        ctx.prompts->message(this, QStringLiteral("Error"),
                             QStringLiteral("File could not be loaded."));
    }

    setWindowTitle(QStringLiteral("Ropewit: ") + wordSource_.title());
    if (SoloGame) {
        wordSource_.rewind();
        WordNumPanel->setText(QStringLiteral("Word 1 of ") +
                              text::withThousands(wordSource_.count()));
    } else if (peer_->connected()) {
        SendPeer(12, wordSource_.title());
    }
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
    MenuWords->setEnabled(settings.Player1Chooses == peer_->isPlayer1());
}
