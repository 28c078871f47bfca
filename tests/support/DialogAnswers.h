#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <functional>

// A scripted answer for a dialog with an OK button: types text into one of its line edits
// (given as &Dialog::Field) and presses OK; the dialog's result is the answer.
template <typename Dialog>
std::function<int(QDialog&)> typeAndPressOk(QLineEdit* Dialog::*field, const QString& typed) {
    return [field, typed](QDialog& d) {
        auto& dialog = static_cast<Dialog&>(d);
        (dialog.*field)->setText(typed);
        dialog.OK->click();
        return d.result();
    };
}

// The data rows ("way") of the ways closeBy knows: by the button named, by Escape, by the
// close box.
inline void addClosingWays(const char* button) {
    QTest::addColumn<QString>("way");
    QTest::newRow(button) << QString::fromLatin1(button);
    QTest::newRow("escape") << QStringLiteral("escape");
    QTest::newRow("close box") << QStringLiteral("close");
}

// Closes a shown dialog the way a player may: "escape" by the key, "close" (or "close
// hidden") by the close box, any other way by clicking the given button.
inline void closeBy(QDialog& d, const QString& way, QAbstractButton* button) {
    if (way == QLatin1String("escape")) {
        QTest::keyClick(&d, Qt::Key_Escape);
    } else if (way.startsWith(QLatin1String("close"))) {
        d.close();
    } else {
        button->click();
    }
}

// Each button shows its caption and lies inside the dialog's client area.
inline void checkCaptions(const QDialog& d, const QList<QPair<QPushButton*, QString>>& captions) {
    for (const auto& [button, caption] : captions) {
        QCOMPARE(button->text(), caption);
        QVERIFY(d.rect().contains(button->geometry()));
    }
}
