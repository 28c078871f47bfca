// Word lists: loading a list into play and the menu items around it.
#include <QAction>
#include <QLabel>

#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/Random.h"
#include "core/Text.h"

FileChooserRequest openWordListRequest(bool mustExist, const QString& directory) {
    FileChooserRequest spec;
    spec.directory = directory;
    spec.title = QStringLiteral("Open Text File of Words");
    spec.filter = QStringLiteral("Text Files (*.TXT *.txt);;All Files (*)");
    spec.defaultSuffix = QStringLiteral("TXT");
    spec.mustExist = mustExist;
    return spec;
}

QString TMainWin::ShowOpenWordList(bool mustExist) {
    const auto path =
        ctx_.prompts->openFile(this, openWordListRequest(mustExist, settings_.ProgramDir));
    return path ? text::bounded(*path) : QString();
}

void TMainWin::LoadGame(const QString& path) {
    // Scrambling happens while the file is read, so that a big list is built in its final
    // order; the stand-in list is scrambled like any other.
    Random* scramble = settings_.ScrambleList ? &programRandom() : nullptr;
    const WordSource::LoadOutcome outcome = wordSource_.load(path, scramble);
    if (outcome.status == wordlist::Status::ReadError) {
        // What could be read before the error is kept.
        ctx_.prompts->message(
            this, QStringLiteral("Error"),
            QStringLiteral("The word list could not be read to its end: ") + outcome.errorString);
    }
    if (outcome.fellBack) {
        ctx_.prompts->message(this, QStringLiteral("Error"),
                              QStringLiteral("File could not be loaded."));
    }

    setWindowTitle(QStringLiteral("Ropewit: ") + wordSource_.title());
    if (soloGame_) {
        wordSource_.rewind();
        ui_.WordNumPanel->setText(QStringLiteral("Word 1 of ") +
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
    settings_.ScrambleList = !settings_.ScrambleList;
    ui_.MenuScramble->setChecked(settings_.ScrambleList);
    SaveSettings(settings_);
}

void TMainWin::SetWordListMenuItem() {
    ui_.MenuWords->setEnabled(settings_.Player1Chooses == peer_->isPlayer1());
}
