#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
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
