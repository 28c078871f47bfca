// Feeds arbitrary bytes to the word list reader of the game and of the editor, and checks
// the rules the game relies on: word and clue lists of equal length, words of at most 15
// characters, lines of at most 255, the editor and the game agreeing on the entries, a
// shuffle that keeps the pairs, and an ASCII list surviving the editor's write and a read
// (trimmed, as the editor writes entries). The packed list the game plays from tells each
// word's length without making it, and holds the same texts when built from them. The
// editor's compact store keeps its entries through edits, and its sort in runs gives the
// order of one sort.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "core/PackedList.h"
#include "core/Random.h"
#include "core/Text.h"
#include "core/WordList.h"
#include "dialogs/WordListEditorModel.h"

namespace {

qsizetype characters(const QString& s) {
    return s.toUcs4().size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool tooLarge = false;
    const wordlist::Parsed game = wordlist::parse(bytes, nullptr, &tooLarge);
    require(!tooLarge);  // inputs this small are never refused
    require(game.words.size() == game.hints.size());
    require(characters(game.title) <= wordlist::kMaxLine);
    for (qsizetype i = 0; i < game.words.size(); ++i) {
        require(characters(game.words[i]) <= wordlist::kMaxWord);
        require(characters(game.words[i]) + characters(game.hints[i]) < wordlist::kMaxLine);
    }

    const WordListEditorModel::Parsed editor = WordListEditorModel::parse(bytes);
    require(editor.hasTitle == game.hasTitle);
    require(editor.title == game.title);
    require(editor.entries.size() == game.words.size());
    for (int i = 0; i < editor.entries.size(); ++i) {
        const wordlist::Entry e = wordlist::splitEntry(editor.entries.at(i));
        require(e.word == game.words[i] && e.clue == game.hints[i]);
    }

    // The editor's store under edits (removals, exchanges, typed entries, giving back the
    // removed bytes) holds what a list of texts would; sorting in runs gives the order of one
    // sort of the whole.
    const QStringList editorEntries = editor.entries.toList();
    {
        EntryStore store = editor.entries;
        QStringList reference = editorEntries;
        for (size_t k = 0; k < size && k < 64; ++k) {
            const int n = store.size();
            const int i = n > 0 ? (data[k] >> 2) % n : 0;
            switch (data[k] & 3) {
                case 0:
                    store.removeAt(i);
                    if (n > 0) {
                        reference.removeAt(i);
                    }
                    break;
                case 1:
                    store.swap(i, 0);
                    if (n > 0) {
                        reference.swapItemsAt(i, 0);
                    }
                    break;
                case 2: {
                    const QString typed = QString::number(k) + QChar(0xe9) + QChar(0x20ac);
                    require(store.append(typed));
                    reference << typed;
                    break;
                }
                default:
                    store.squeeze();
                    break;
            }
        }
        require(store.toList() == reference);
    }
    if (!editorEntries.isEmpty() && editorEntries.size() <= 64) {
        WordListEditorModel whole;
        WordListEditorModel runs;
        whole.setEntries(editorEntries);
        runs.setEntries(editorEntries);
        const int follow = static_cast<int>(size % static_cast<size_t>(editorEntries.size()));
        require(whole.sort(follow, 1 << 20) == runs.sort(follow, 3));
        require(whole.entries() == runs.entries());
    }

    // The packed list: lengths told without texts, and lists of texts held as they are.
    const PackedList packed = PackedList::read(bytes);
    require(packed.size() == game.words.size());
    for (int i = 0; i < packed.size(); ++i) {
        require(packed.wordSize(i) == game.words[i].size());
    }
    const PackedList fromTexts = PackedList::fromLists(game.words, game.hints);
    require(fromTexts.size() == game.words.size());
    for (int i = 0; i < fromTexts.size(); ++i) {
        require(fromTexts.word(i) == game.words[i] && fromTexts.clue(i) == game.hints[i]);
        require(fromTexts.wordSize(i) == game.words[i].size());
    }

    // Shuffled while reading: the same pairs, in the order shuffle() gives.
    Random early;
    const wordlist::Parsed shuffled = wordlist::parse(bytes, &early);
    QStringList words = game.words;
    QStringList hints = game.hints;
    Random late;
    wordlist::shuffle(words, hints, late);
    require(shuffled.words == words && shuffled.hints == hints);
    require(early.state() == late.state());

    // An ASCII list comes back from the editor's file as it was, trimmed as the editor trims.
    bool ascii = true;
    for (const QString& entry : editorEntries) {
        for (QChar c : entry) {
            ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7f;
        }
    }
    if (ascii && game.hasTitle) {
        WordListEditorModel model;
        model.setEntries(editorEntries);
        const QByteArray file = WordListEditorModel::format(QStringLiteral("T"), model.entries());
        const WordListEditorModel::Parsed back = WordListEditorModel::parse(file);
        require(back.title == QStringLiteral("T"));
        require(back.entries.size() == editor.entries.size());
        for (int i = 0; i < back.entries.size(); ++i) {
            require(back.entries.at(i) == text::trimControl(editorEntries.at(i)));
        }
    }
    return 0;
}
