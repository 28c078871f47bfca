#include <QProcess>
#include <QTemporaryDir>

#include "Testing.h"
#include "app/CommandLine.h"
#include "core/Random.h"
#include "core/WordList.h"

namespace {

struct Run {
    int exitCode;
    QString err;
    QString out;
};

// platform "xcb" without DISPLAY: a terminal with no display.
Run ropewit(const QStringList& args, const QString& platform = QStringLiteral("offscreen")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ROPEWIT_PROGRAM_DIR "/ropewit"), args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString(), QString()};
    }
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError()),
            QString::fromLocal8Bit(p.readAllStandardOutput())};
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portsAndServerAddressesAreChecked() {
        QCOMPARE(parsePort(QStringLiteral("52201")), std::optional<quint16>(52201));
        QCOMPARE(parsePort(QStringLiteral("65535")), std::optional<quint16>(65535));
        QVERIFY(!parsePort(QStringLiteral("0")));
        QVERIFY(!parsePort(QStringLiteral("65536")));
        QVERIFY(!parsePort(QStringLiteral("-1")));
        QVERIFY(!parsePort(QStringLiteral("12ab")));
        QVERIFY(!parsePort(QString()));

        using HostPort = std::optional<std::pair<QString, quint16>>;
        QCOMPARE(parseHostPort(QStringLiteral("localhost"), 52202),
                 HostPort(std::make_pair(QStringLiteral("localhost"), quint16(52202))));
        QCOMPARE(parseHostPort(QStringLiteral("match.example.org:6000"), 52202),
                 HostPort(std::make_pair(QStringLiteral("match.example.org"), quint16(6000))));
        QCOMPARE(parseHostPort(QStringLiteral("[::1]:7000"), 52202),
                 HostPort(std::make_pair(QStringLiteral("::1"), quint16(7000))));
        QCOMPARE(parseHostPort(QStringLiteral("::1"), 52202),
                 HostPort(std::make_pair(QStringLiteral("::1"), quint16(52202))));
        QVERIFY(!parseHostPort(QStringLiteral("host:"), 52202));
        QVERIFY(!parseHostPort(QStringLiteral(":80"), 52202));
        QVERIFY(!parseHostPort(QStringLiteral("host:99999"), 52202));
        QVERIFY(!parseHostPort(QStringLiteral("[::1"), 52202));
        QVERIFY(!parseHostPort(QStringLiteral("two words"), 52202));
    }

    void badValuesEndTheProgramWithExitCode2() {
        for (const QStringList& args :
             {QStringList{"--peer-port", "abc"}, QStringList{"--peer-port", "70000"},
              QStringList{"--matchmaking-server", "host:port"}, QStringList{"--no-such-option"},
              QStringList{"stray"}, QStringList{"--random-seed", "-1"}}) {
            const Run run = ropewit(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.startsWith(QStringLiteral("ropewit: ")), qPrintable(run.err));
        }
        const Run version = ropewit({QStringLiteral("--version")}, QStringLiteral("xcb"));
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.contains(QStringLiteral(ROPEWIT_VERSION)));
        const Run help = ropewit({QStringLiteral("--help")}, QStringLiteral("xcb"));
        QCOMPARE(help.exitCode, 0);
        for (const char* option :
             {"--config-dir", "--peer-port", "--matchmaking-server", "--random-seed"}) {
            QVERIFY(help.out.contains(QLatin1String(option)));
        }
    }

    void eachRunDealsANewOrderUnlessTheSeedIsGiven() {
        const auto animals = [](std::optional<quint32> seed) {
            Random random;
            random.setState(*seed);
            return wordlist::readFile(ROPEWIT_PROGRAM_DIR "/ANIMALS.TXT", &random).list.words;
        };
        QCOMPARE(animals(startSeed(QStringLiteral("0"), true)).mid(0, 3),
                 (QStringList{"DOLPHIN", "DUCKBILL", "TURKEY"}));
        QVERIFY(animals(startSeed({}, false)) != animals(startSeed({}, false)));
    }
};

ROPEWIT_TEST(TestCommandLine)
#include "tst_commandline.moc"
