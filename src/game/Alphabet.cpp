#include "game/Alphabet.h"

#include <algorithm>

#include "core/Text.h"

namespace {

// The upper-case letters beyond A..Z that each language writes, as far as the 8-bit set
// holds them. A word's letter brings every group it stands in.
const char16_t* const kLanguages[] = {
    u"ÄÖÜß",              // German
    u"ÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸ",  // French
    u"ÁÉÍÑÓÚÜ",           // Spanish
    u"ÀÁÂÃÇÉÊÍÓÔÕÚ",      // Portuguese
    u"ÀÈÉÌÍÎÒÓÙÚ",        // Italian
    u"ÀÇÈÉÍÏÒÓÚÜ",        // Catalan
    u"ÅÆØÄÖ",             // Danish, Norwegian, Swedish
    u"ÁÐÉÍÓÚÝÞÆÖ",        // Icelandic
    u"ÄÖÅŠŽÕÜ",           // Finnish, Estonian
};
// What a letter of none of them brings: every letter of the 8-bit set, in upper case where
// it has one.
const char16_t* const kAllOfTheSet = u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŠŒŽŸßªºµƒ";

bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// Accented letters sit after their base letter, the others after Z, each group by code.
bool boardOrder(QChar a, QChar b) {
    const QChar fa = Alphabet::folded(a);
    const QChar fb = Alphabet::folded(b);
    const bool baseA = fa != a;
    const bool baseB = fb != b;
    if (baseA != baseB) {
        return baseA;
    }
    return fa != fb ? fa < fb : a < b;
}

}  // namespace

QChar Alphabet::upper(QChar c) {
    if (c.isLower()) {
        const QChar u = c.toUpper();
        if (!text::fitsAnsi(QString(c)) || text::fitsAnsi(QString(u))) {
            return u;
        }
    }
    return c;
}

QString Alphabet::upper(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        c = upper(c);
    }
    return result;
}

QChar Alphabet::folded(QChar c) {
    const QChar u = upper(c);
    const QString parts = u.decomposition();
    if (u.decompositionTag() != QChar::Canonical || parts.isEmpty() ||
        !isAsciiLetter(parts.at(0))) {
        return u;
    }
    return text::asciiUpper(parts.at(0));
}

bool Alphabet::isExtra(QChar c) {
    return c.isLetter() && !isAsciiLetter(c);
}

QString Alphabet::extrasOf(const QString& text) {
    QString found;
    for (const QChar c : text) {
        // A letter whose upper case is one of A..Z (the dotless i) is guessed with that tile.
        const QChar u = upper(c);
        if (isExtra(c) && !isAsciiLetter(u) && !found.contains(u)) {
            found += u;
        }
    }
    std::sort(found.begin(), found.end(), boardOrder);
    return found;
}

QString Alphabet::languagesOf(const QString& word) {
    QString letters;
    for (const QChar c : extrasOf(word)) {
        bool known = false;
        for (const char16_t* group : kLanguages) {
            const QString set = QString::fromUtf16(group);
            if (set.contains(c)) {
                letters += set;
                known = true;
            }
        }
        if (!known) {
            // A letter the 8-bit set cannot hold is never sent: it brings only itself.
            letters += text::fitsAnsi(QString(c)) ? QString::fromUtf16(kAllOfTheSet) : QString(c);
        }
    }
    return extrasOf(letters);
}

void Alphabet::setListLetters(const QString& letters) {
    letters_.clear();
    add(letters);
}

void Alphabet::admit(const QString& word) {
    for (const QChar c : extrasOf(word)) {
        if (!letters_.contains(c)) {
            add(languagesOf(word));
            return;
        }
    }
}

void Alphabet::add(const QString& letters) {
    letters_ = extrasOf(letters_ + letters);
    update();
}

void Alphabet::setFolding(bool fold) {
    folding_ = fold;
    update();
}

void Alphabet::update() {
    shown_.clear();
    for (const QChar c : letters_) {
        if (shown_.size() < kMaxExtras && !(folding_ && folded(c) != c)) {
            shown_ += c;
        }
    }
}

QChar Alphabet::letterOfTile(int tile) const {
    if (tile < 1 || tile > tileCount()) {
        return {};
    }
    if (tile == kBaseTiles) {
        return QLatin1Char(' ');
    }
    return tile < kBaseTiles ? QChar(char16_t(u'A' + tile - 1)) : shown_.at(tile - kBaseTiles - 1);
}

int Alphabet::tileOfLetter(QChar c) const {
    const QChar letter = folding_ ? folded(c) : upper(c);
    if (letter == QLatin1Char(' ')) {
        return kBaseTiles;
    }
    if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z')) {
        return letter.unicode() - u'A' + 1;
    }
    const qsizetype at = shown_.indexOf(letter);
    return at < 0 ? 0 : kBaseTiles + 1 + static_cast<int>(at);
}

int Alphabet::tileOfKey(int key, const QString& text) const {
    if (text.size() == 1 && isExtra(text.at(0))) {
        return tileOfLetter(text.at(0));
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    return key == Qt::Key_Space ? kBaseTiles : 0;
}

bool Alphabet::matches(QChar letter, QChar inWord) const {
    return folding_ ? folded(inWord) == folded(letter) : upper(inWord) == upper(letter);
}
