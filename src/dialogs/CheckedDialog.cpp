#include "dialogs/CheckedDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "widgets/Ui.h"

CheckedDialog::CheckedDialog(QWidget* parent) : QDialog(parent) {}

bool CheckedDialog::FormCloseQuery() {
    return true;
}

void CheckedDialog::FormClose() {}

bool CheckedDialog::CloseChecked() {
    // Closing the dialog may send it a close event of its own; that one is already checked.
    if (closing_) {
        return true;
    }
    if (!FormCloseQuery()) {
        return false;
    }
    FormClose();
    closing_ = true;
    // There is nothing to cancel: every way out that passes the checks is an acceptance.
    QDialog::done(Accepted);
    closing_ = false;
    return true;
}

void CheckedDialog::setEscapeButton(QPushButton* button) {
    escapeButton_ = button;
}

void CheckedDialog::done(int) {
    CloseChecked();
}

void CheckedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void CheckedDialog::closeEvent(QCloseEvent* event) {
    if (CloseChecked()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CheckedDialog::keyPressEvent(QKeyEvent* event) {
    if (escapeButton_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        escapeButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
