#pragma once

// What every test file starts from: Qt Test and the Qt Core classes the tests use most.
// The test programs compile this once, as their precompiled header.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace testmain {
using Factory = std::function<std::unique_ptr<QObject>()>;
// Records a test class under the name of its source file (tst_text for tst_text.cpp).
bool add(const char* sourceFile, Factory make);
}  // namespace testmain

// Makes the class one of the tests of its test program; a program runs the test named on
// its command line (tst_text), or all of them.
#define ROPEWIT_TEST(TestClass)                                                \
    namespace {                                                                \
    const bool ropewitTestAdded =                                              \
        testmain::add(__FILE__, [] { return std::make_unique<TestClass>(); }); \
    }
