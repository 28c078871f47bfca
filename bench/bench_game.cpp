// Timings of the game's own work: loading a big word list, composing the board, and start-up
// to the main window shown. Run: build/bench/bench_game [wordlist|display|startup]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "PeakRss.h"
#include "Silent.h"
#include "app/MainWin.h"
#include "app/OptionsMenu.h"
#include "core/Prompts.h"
#include "core/Sound.h"
#include "core/WordList.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

AppContext makeContext(const QString& dir, Prompts& prompts, SoundPlayer& sound) {
    AppContext ctx;
    ctx.configDir = dir;
    ctx.programDir = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    ctx.prompts = &prompts;
    ctx.sound = &sound;
    return ctx;
}

int benchWordList(const QString& dir) {
    const QString path = dir + QStringLiteral("/million.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray bytes = "A million words\r\n";
    bytes.reserve(24 * 1000 * 1000);
    for (int i = 0; i < 1000000; ++i) {
        bytes += "WORD" + QByteArray::number(i % 100000) + ":clue number " + QByteArray::number(i) +
                 "\r\n";
    }
    file.write(bytes);
    file.close();

    SilentPrompts prompts;
    SilentSound sound;
    TMainWin win(makeContext(dir, prompts, sound));
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        win.options().LoadGame(path);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf(
        "LoadGame of 1,000,000 entries (%.1f MB, shuffled): median %.1f ms over 5 runs "
        "(%lld words)\n",
        bytes.size() / 1e6, median(times), static_cast<long long>(win.game().words().count()));
    return 0;
}

int benchDisplay(const QString& dir) {
    SilentPrompts prompts;
    SilentSound sound;
    TMainWin win(makeContext(dir, prompts, sound));
    win.game().words().setList(QStringLiteral("Bench"), {QStringLiteral("ABCDEFGHIJKLMNO")}, {});
    win.DoNextWord();
    // Every letter but the last shows: the last would finish the word.
    for (int tile = 1; tile <= 14; ++tile) {
        win.TestIt2(tile);
    }
    std::vector<double> times;
    for (int run = 0; run < 200; ++run) {
        QElapsedTimer timer;
        timer.start();
        win.board().DisplayWord();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf(
        "DisplayWord (27 alphabet + 15 word tiles): median %.3f ms, worst %.3f ms over "
        "200 runs\n",
        median(times), *std::max_element(times.begin(), times.end()));
    return 0;
}

int benchStartup(const QString& dir, qint64 sinceStartNs, QElapsedTimer& clock) {
    SilentPrompts prompts;
    SilentSound sound;
    TMainWin win(makeContext(dir, prompts, sound));
    win.show();
    QTimer::singleShot(0, &win, [&] {
        const double ms = (clock.nsecsElapsed() + sinceStartNs) / 1e6;
        std::printf("Start-up to the main window shown: %.1f ms; peak memory %ld kB\n", ms,
                    peakRssKb());
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("all");
    QTemporaryDir dir;
    if (what == QLatin1String("startup")) {
        return benchStartup(dir.path(), 0, clock);
    }
    if (what == QLatin1String("wordlist") || what == QLatin1String("all")) {
        benchWordList(dir.path());
    }
    if (what == QLatin1String("display") || what == QLatin1String("all")) {
        benchDisplay(dir.path());
    }
    return 0;
}
