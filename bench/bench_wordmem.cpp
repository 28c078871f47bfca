// Peak memory and time of loading word lists of several shapes into the game's word source,
// and of opening them in the word list editor. Each list is loaded by a fresh process
// (this program started again with --load or --editor), so the peak resident size belongs to
// that one load. Run: QT_QPA_PLATFORM=offscreen build/bench/bench_wordmem [--keep DIR]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <functional>

#include "PeakRss.h"
#include "core/Random.h"
#include "core/WordList.h"
#include "dialogs/WordListEditorModel.h"
#include "dialogs/WordListItems.h"
#include "game/WordSource.h"

namespace {

constexpr qint64 kMiB = 1024 * 1024;

// The child: loads one list as the game does (scrambled) and prints what it cost.
int loadOne(const QString& path) {
    const long before = peakRssKb();
    WordSource source;
    Random random;
    QElapsedTimer timer;
    timer.start();
    const WordSource::LoadOutcome outcome = source.load(path, &random);
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%d %ld %ld %.1f %d\n", source.count(), before, peakRssKb(), ms,
                outcome.fellBack ? 1 : 0);
    return 0;
}

// The child for the editor: opens the list in the editor's model, then shows its entries in
// a list box as the editor's window does, drawn once.
int editOne(const QString& path) {
    const long before = peakRssKb();
    QElapsedTimer timer;
    timer.start();
    WordListEditorModel model;
    const WordListEditorModel::OpenOutcome outcome = model.open(path);
    const long opened = peakRssKb();
    WordListItems items(model);
    QListView shown;
    shown.setUniformItemSizes(true);
    shown.setModel(&items);
    shown.resize(232, 160);
    shown.show();
    shown.grab();
    const double ms = timer.nsecsElapsed() / 1e6;
    const long shownPeak = peakRssKb();
    // Then sorted, as the Sort button does it, and drawn again.
    timer.restart();
    items.reset([&] { return model.sort(); });
    shown.grab();
    const double sortMs = timer.nsecsElapsed() / 1e6;
    std::printf("%d %ld %ld %.1f %d %ld %ld %.1f\n", model.size(), before, shownPeak, ms,
                outcome.ok ? 0 : 1, opened, peakRssKb(), sortMs);
    return 0;
}

bool writeList(const QString& path, const std::function<void(QByteArray&)>& fill) {
    QByteArray bytes;
    fill(bytes);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

struct Case {
    const char* name;
    const char* file;
    std::function<void(QByteArray&)> fill;
    bool editor = true;  // opened in the editor as well
};

// Fills up to `size` bytes with the given line after a title.
void repeatLine(QByteArray& bytes, const QByteArray& line, qint64 size) {
    bytes = "A title\r\n";
    bytes.reserve(size);
    while (bytes.size() + line.size() <= size) {
        bytes += line;
    }
}

// Entries like a real list: words of a few letters with a clue of a few words; `entries` of
// them, or as many as fill `size` bytes.
void realistic(QByteArray& bytes, qint64 size, int entries) {
    bytes = "A big list\r\n";
    bytes.reserve(size > 0 ? size : 32 * kMiB);
    for (int i = 0; size > 0 ? bytes.size() < size - 40 : i < entries; ++i) {
        bytes += "WORD" + QByteArray::number(i % 100000) + ":clue number " + QByteArray::number(i) +
                 "\r\n";
    }
}

// Runs the child for one list and prints its row; false when it failed.
bool measure(const Case& c, const QString& path, const char* mode, const char* who) {
    const double size = static_cast<double>(QFile(path).size());
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(mode), path});
    if (!child.waitForFinished(300000) || child.exitCode() != 0) {
        std::printf("%-30s %-6s the load failed\n", c.name, who);
        return false;
    }
    const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
    if (f.size() < 5) {
        return false;
    }
    const double startMb = f.at(1).toDouble() / 1024.0;
    const double peakMb = f.at(2).toDouble() / 1024.0;
    const double bound = 4 * size / kMiB + 40;
    std::printf("%-30s %-6s %8.1f %9s %8.1f %8.1f %7.2f %10.1f %8s %s%s", c.name, who, size / kMiB,
                f.at(0).constData(), startMb, peakMb, peakMb * kMiB / size, bound,
                f.at(3).constData(), peakMb <= bound ? "PASS" : "MISS",
                f.at(4) == "1" ? " (refused)" : "");
    if (f.size() > 5) {
        std::printf(" (model alone: peak %.1f MB)", f.at(5).toDouble() / 1024.0);
    }
    if (f.size() > 7) {
        std::printf(" (sorted: peak %.1f MB, %s ms)", f.at(6).toDouble() / 1024.0,
                    f.at(7).constData());
    }
    std::printf("\n");
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--editor") == 0) {
        QApplication app(argc, argv);
        return editOne(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--load")) {
        return loadOne(args.at(2));
    }

    QTemporaryDir temp;
    QString dir = temp.path();
    if (args.size() == 3 && args.at(1) == QLatin1String("--keep")) {
        dir = args.at(2);
    }
    const qint64 largest = wordlist::kMaxFileBytes;
    const std::vector<Case> cases = {
        {"16 MiB of carriage returns", "returns16.txt",
         [](QByteArray& b) { b = "T\r" + QByteArray(16 * kMiB, '\r'); }},
        {"1,000,000 entries with clues", "million.txt",
         [](QByteArray& b) { realistic(b, 0, 1000000); }, true},
        {"64 MiB of entries with clues", "big64.txt",
         [&](QByteArray& b) { realistic(b, largest, 0); }, true},
        {"64 MiB of one-letter lines", "letters64.txt",
         [&](QByteArray& b) { repeatLine(b, "a\r\n", largest); }},
        // Near the shortest lines the editor still takes at this size: its worst case.
        {"64 MiB of five-letter lines", "five64.txt",
         [&](QByteArray& b) { repeatLine(b, "abcde\r\n", largest); }},
        {"64 MiB of skipped lines", "skipped64.txt",
         [&](QByteArray& b) {
             repeatLine(b, "abcdefghijklmnopqrstuvwxyz\r\n", largest - 8);
             b += "LAST\r\n";
         }},
        {"64 MiB of carriage returns", "returns64.txt",
         [&](QByteArray& b) { b = "T\r" + QByteArray(largest - 2, '\r'); }},
    };

    std::printf("%-30s %-6s %8s %9s %8s %8s %7s %10s %8s\n", "list", "by", "file MB", "entries",
                "start MB", "peak MB", "peak/sz", "4*sz+40", "load ms");
    int failures = 0;
    for (const Case& c : cases) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(c.file);
        if (!QFile::exists(path) && !writeList(path, c.fill)) {
            std::printf("%-30s could not be written\n", c.name);
            ++failures;
            continue;
        }
        failures += measure(c, path, "--load", "game") ? 0 : 1;
        if (c.editor) {
            failures += measure(c, path, "--editor", "editor") ? 0 : 1;
        }
    }
    std::printf(
        "MB are MiB; peak is the loading process's VmHWM, start its value before the load; "
        "the editor's figures include its list box, shown.\n");
    return failures == 0 ? 0 : 1;
}
