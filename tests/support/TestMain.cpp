#include <cstdio>
#include <vector>

#include "Testing.h"

#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace {

struct Entry {
    QString name;
    testmain::Factory make;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> all;
    return all;
}

}  // namespace

bool testmain::add(const char* sourceFile, Factory make) {
    entries().push_back(
        {QFileInfo(QString::fromLocal8Bit(sourceFile)).completeBaseName(), std::move(make)});
    return true;
}

// A test program holds the tests of one layer, and CTest runs each test as a process of its
// own: `tests_net tst_framing -v2`. Every argument after the name goes to Qt Test.
int main(int argc, char** argv) {
    TestApplication app(argc, argv);
#ifdef QT_GUI_LIB
    app.setAttribute(Qt::AA_Use96Dpi, true);
#endif
    std::vector<char*> rest{argv[0]};
    QString wanted;
    if (argc > 1 && argv[1][0] != '-') {
        wanted = QString::fromLocal8Bit(argv[1]);
        rest.insert(rest.end(), argv + 2, argv + argc);
    } else {
        rest.insert(rest.end(), argv + 1, argv + argc);
    }
    int failed = 0;
    bool found = false;
    for (const Entry& e : entries()) {
        if (!wanted.isEmpty() && e.name != wanted) {
            continue;
        }
        found = true;
        const std::unique_ptr<QObject> test = e.make();
        failed += QTest::qExec(test.get(), static_cast<int>(rest.size()), rest.data());
    }
    if (!found) {
        std::fprintf(stderr, "No test named %s here. Tests:\n", qPrintable(wanted));
        for (const Entry& e : entries()) {
            std::fprintf(stderr, "  %s\n", qPrintable(e.name));
        }
        return 2;
    }
    return failed;
}
