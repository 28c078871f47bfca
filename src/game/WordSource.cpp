#include "game/WordSource.h"

#include <QCoreApplication>

#include <algorithm>

#include "core/Random.h"
#include "core/Text.h"
#include "game/Alphabet.h"

namespace {

QString noHintGiven(const QString& clue) {
    return clue.isEmpty() ? QStringLiteral("No hint given") : clue;
}

// A word this player is to guess: as many letters as there are tiles, always a clue.
wordlist::Entry playable(const QString& word, const QString& clue) {
    return {word.left(wordlist::kMaxWord), noHintGiven(text::bounded(clue))};
}

}  // namespace

QStringList WordSource::LoadOutcome::problems() const {
    QStringList told;
    if (status == wordlist::Status::ReadError) {
        told << QCoreApplication::translate("WordSource",
                                            "The word list could not be read to its end: ") +
                    errorString;
    }
    // A word too long for the tiles is left out quietly, as ever; control characters mean
    // the file is damaged or not a word list, which the player should know.
    if (skipped.control == 1) {
        told << QCoreApplication::translate("WordSource",
                                            "1 word was left out: it holds a control character.");
    } else if (skipped.control > 1) {
        told << QCoreApplication::translate("WordSource",
                                            "%1 words were left out: they hold control "
                                            "characters.")
                    .arg(text::withThousands(skipped.control));
    }
    if (fellBack) {
        told << QCoreApplication::translate("WordSource", "File could not be loaded.");
    }
    return told;
}

WordSource::LoadOutcome WordSource::load(const QString& path, Random* scramble) {
    loaded_ = true;
    // Every load replaces the list: the old one goes first, so two big lists never lie in
    // memory together.
    list_ = PackedList();
    used_.assign(1, false);
    PackedFile file = readPackedFile(path, scramble);
    LoadOutcome outcome{file.status, file.errorString, false, file.list.skipped()};
    // A list without a single word would leave nothing to play: it is refused like a file
    // that cannot be opened.
    if (file.status == wordlist::Status::CannotOpen || file.status == wordlist::Status::TooLarge ||
        file.list.size() == 0) {
        outcome.fellBack = true;
        QStringList words{QStringLiteral("NoWords")};
        QStringList hints{QString()};
        if (scramble) {
            wordlist::shuffle(words, hints, *scramble);
        }
        setList(QStringLiteral("File Not Found"), words, hints);
        return outcome;
    }
    const QString title = file.list.hasTitle() ? file.list.title() : title_;
    adopt(title, std::move(file.list));
    return outcome;
}

void WordSource::setList(const QString& title, const QStringList& words, const QStringList& hints) {
    // Every word has a clue, and nothing else does.
    adopt(title, PackedList::fromLists(words, hints));
}

void WordSource::adopt(const QString& title, PackedList list) {
    loaded_ = true;
    title_ = text::bounded(title);
    list_ = std::move(list);
    used_.assign(static_cast<size_t>(list_.size()) + 1, false);
    countFitting();
    findLetters();
}

void WordSource::findLetters() {
    // Most lists are plain A..Z, which their bytes tell at once.
    const int words = list_.plainAscii() ? 0 : count();
    QString beyond;
    for (int i = 0; i < words; ++i) {
        for (const QChar c : list_.word(i)) {
            if (c.unicode() > 127 && beyond.size() < 1024 && !beyond.contains(c)) {
                beyond += c;
            }
        }
    }
    letters_ = Alphabet::extrasOf(beyond);
}

void WordSource::setDifficulty(Difficulty d) {
    difficulty_ = d;
    countFitting();
}

void WordSource::countFitting() {
    fitting_ = 0;
    for (int i = 0; i < count(); ++i) {
        fitting_ += difficulty::fits(static_cast<int>(list_.wordSize(i)), difficulty_) ? 1 : 0;
    }
}

QStringList WordSource::words() const {
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i) {
        out.append(list_.word(i));
    }
    return out;
}

QStringList WordSource::hints() const {
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i) {
        out.append(list_.clue(i));
    }
    return out;
}

void WordSource::restart() {
    index_ = -1;
    number_ = 0;
}

void WordSource::rewind() {
    index_ = 0;
    number_ = 0;
}

wordlist::Entry WordSource::nextWord() {
    if (difficulty_ != Difficulty::Any && fitting_ > 0) {
        // Without a word of the chosen length the whole list plays. The number counts the words of
        // the chosen length, the index runs over the list.
        const int n = count();
        number_ = number_ >= fitting_ ? 1 : number_ + 1;
        for (int step = 0; step < n; ++step) {
            index_ = index_ >= n - 1 ? 0 : index_ + 1;
            if (difficulty::fits(static_cast<int>(list_.wordSize(index_)), difficulty_)) {
                return ownAt(index_);
            }
        }
        return {QString(), noHintGiven(QString())};
    }
    countWord();
    const int n = count();
    if (index_ > n - 1) {
        index_ = 0;
    }
    if (number_ > n) {
        number_ = 1;
    }
    if (index_ >= n) {
        return {QString(), noHintGiven(QString())};
    }
    return ownAt(index_);
}

void WordSource::countWord() {
    ++index_;
    ++number_;
}

int WordSource::typedWordLength(int wordsPlayed) {
    // Widened first: the position before the lowest int does not fit in an int.
    const long long position = static_cast<long long>(wordsPlayed) - 1;
    return static_cast<int>((position < 0 ? -position : position) % 5) + 5;
}

QString WordSource::numberText(bool ofList) const {
    const QString number = text::withThousands(number_);
    if (!ofList) {
        return QCoreApplication::translate("WordSource", "Word %1").arg(number);
    }
    const int of = difficulty_ == Difficulty::Any || fitting_ == 0 ? count() : fitting_;
    return QCoreApplication::translate("WordSource", "Word %1 of %2")
        .arg(number, text::withThousands(of));
}

bool WordSource::isUsed(int position) const {
    return position >= 0 && static_cast<size_t>(position) < used_.size() &&
           used_[static_cast<size_t>(position)];
}

wordlist::Entry WordSource::findSameLengthWord(int p, int n) {
    const int total = count();
    // At most one round of the list: a start outside it never comes round again.
    int i = p;
    for (int step = 0; step < total; ++step) {
        i = (i < -1 || i >= total - 1) ? 0 : i + 1;
        if (i == p) {
            break;
        }
        if (isUsed(i) || list_.wordSize(i) != n) {
            continue;
        }
        used_[static_cast<size_t>(i)] = true;
        return {list_.word(i), text::bounded(list_.clue(i))};
    }
    return {};
}

WordSource::Deal WordSource::deal(bool sameWord, bool sameLength) {
    ensurePlayable();
    // Only what the 8-bit wire carries letter for letter is sent; a list of nothing else
    // deals as it is, its letters sent without their accents.
    Deal result;
    bool dropped = false;
    for (int tries = 0; tries <= 2 * count(); ++tries) {
        result = dealOnce(sameWord, sameLength);
        dropped = dropped || result.sameLengthDropped;
        if (text::fitsAnsi(result.own.word) && text::fitsAnsi(result.other.word)) {
            break;
        }
    }
    result.sameLengthDropped = dropped;
    return result;
}

WordSource::Deal WordSource::dealOnce(bool sameWord, bool sameLength) {
    Deal result;
    if (sameWord) {
        advance();
        result.own = ownAt(index_);
        result.other = result.own;
    } else if (!sameLength) {
        advance();
        result.own = ownAt(index_);
        advance();
        result.other = otherAt(index_);
    } else {
        result = dealSameLength();
    }
    return result;
}

WordSource::Deal WordSource::dealSameLength() {
    Deal result;
    // A start outside the list counts as its last position, so every pass ends.
    const int start = (index_ < 0 || index_ > count() - 1) ? count() - 1 : index_;
    for (;;) {
        if (advance()) {
            std::fill(used_.begin(), used_.end(), false);
        }
        if (index_ == start) {
            // No two words of the same length: any two words will do.
            result.sameLengthDropped = true;
            advance();
            result.own = ownAt(index_);
            advance();
            result.other = otherAt(index_);
            return result;
        }
        result.own = ownAt(index_);
        const wordlist::Entry found = findSameLengthWord(index_, result.own.word.size());
        if (!found.word.isEmpty()) {
            result.other = {found.word.left(wordlist::kMaxWord), found.clue};
            return result;
        }
    }
}

bool WordSource::advance() {
    if (index_ >= count() - 1) {
        index_ = 0;
        return true;
    }
    index_ = std::max(index_, -1) + 1;
    return false;
}

wordlist::Entry WordSource::ownAt(int position) const {
    return playable(list_.word(position), list_.clue(position));
}

wordlist::Entry WordSource::fromOpponent(const QString& payload) {
    const wordlist::Entry entry = wordlist::splitEntry(payload);
    return playable(entry.word, entry.clue);
}

wordlist::Entry WordSource::otherAt(int position) const {
    return {list_.word(position).left(wordlist::kMaxWord), text::bounded(list_.clue(position))};
}

void WordSource::ensurePlayable() {
    // A list that has lost all its words plays the stand-in an unreadable file gives.
    if (list_.size() == 0) {
        setList(title_, {QStringLiteral("NoWords")}, {QString()});
    }
}
