#include "app/GamePicture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>

#include "app/MainWin.h"
#include "core/Prompts.h"
#include "core/Sound.h"
#include "dialogs/TDoNewGame.h"

namespace {

// Letters tried in this order, the most common first, so the board looks like a real game.
const char* const kTryOrder = "EATOINSRHLDCUMFPGWYBVKXJQZ";
constexpr int kMisses = 3;

// Answers every question of the window without a modal loop: the wizard plays alone, the
// word list chooser picks the list, everything else is declined and noted.
class PicturePrompts : public Prompts {
public:
    explicit PicturePrompts(QString list) : list_(std::move(list)) {}

    QStringList notes;

    void message(QWidget*, const QString& caption, const QString& text) override {
        notes << caption + QStringLiteral(": ") + text;
    }
    bool question(QWidget*, const QString& caption, const QString& text) override {
        notes << caption + QStringLiteral(": ") + text;
        return false;
    }
    std::optional<QString> openFile(QWidget*, const FileChooserRequest&) override { return list_; }
    std::optional<QString> saveFile(QWidget*, const FileChooserRequest&) override { return {}; }
    std::optional<TileFont> chooseFont(QWidget*, const TileFont&, int) override { return {}; }
    int runDialog(QDialog& dialog) override {
        if (auto* wizard = qobject_cast<TDoNewGame*>(&dialog)) {
            wizard->PlaySol->setChecked(true);
            wizard->NextButton->click();
            return wizard->result();
        }
        return QDialog::Rejected;
    }

private:
    QString list_;
};

class Silence : public SoundPlayer {
public:
    void play(const QString&, bool) override {}
};

int fail(const QString& why) {
    std::fprintf(stderr, "ropewit: %s\n", qPrintable(why));
    return 1;
}

// A few hits and kMisses misses, always leaving part of the word to find. The letters beyond
// A..Z that the list uses are tried last, the rarer ones.
void guessSome(TMainWin& window) {
    const Round& round = window.game().round();
    const QString word = Alphabet::upper(round.word());
    const auto guess = [&](QChar letter) { window.TestIt2(round.alphabet().tileOfLetter(letter)); };
    if (word.contains(QLatin1Char(' '))) {
        guess(QLatin1Char(' '));
    }
    int hidden = int(std::count_if(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }));
    int misses = 0;
    const QString order = QString::fromLatin1(kTryOrder) + round.alphabet().extras();
    for (const QChar letter : order) {
        const int hits = int(word.count(letter));
        if (hits == 0 && misses < kMisses) {
            guess(letter);
            ++misses;
        } else if (hits > 0 && hidden - hits >= (word.size() + 1) / 2) {
            guess(letter);
            hidden -= hits;
        }
    }
}

}  // namespace

int saveGameInProgressPicture(AppContext context, const QString& path, const QString& listName) {
    const QString list = QDir(context.programDir).filePath(listName);
    if (!QFileInfo(list).isFile()) {
        return fail(QStringLiteral("no word list at %1").arg(list));
    }
    PicturePrompts prompts(list);
    Silence silence;
    context.prompts = &prompts;
    context.sound = &silence;

    TMainWin window(context);
    window.show();
    window.ui().StartGame->click();
    if (window.game().words().count() == 0 || window.game().round().word().isEmpty()) {
        return fail(QStringLiteral("could not start a game on %1 (%2)")
                        .arg(list, prompts.notes.join(QStringLiteral("; "))));
    }
    guessSome(window);
    QCoreApplication::processEvents();

    const QPixmap picture = window.grab();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        return fail(QStringLiteral("cannot write %1").arg(path));
    }
    std::printf("wrote %s (%dx%d) from %s\n", qPrintable(path), picture.width(), picture.height(),
                qPrintable(list));
    return 0;
}
