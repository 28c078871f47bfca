#pragma once

#include <QDialog>

class QCloseEvent;
class QKeyEvent;
class QPushButton;
class QShowEvent;

// A dialog with no Cancel: every way out (a button, Enter, Esc, the close box) first asks
// FormCloseQuery() and, when it agrees, runs FormClose() and closes as accepted.
class CheckedDialog : public QDialog {
    Q_OBJECT
public:
    explicit CheckedDialog(QWidget* parent = nullptr);

    // Every close goes through here, whatever result was asked for.
    void done(int result) override;

protected:
    // False keeps the dialog open; shows its own box saying why.
    virtual bool FormCloseQuery();
    // Stores what the dialog edits; runs only after FormCloseQuery() agreed.
    virtual void FormClose();

    // Checks, stores and closes; false when the dialog stays open.
    bool CloseChecked();

    // Esc presses this button rather than rejecting, so it runs whatever the button adds
    // to closing. Without one Esc rejects, which is checked like any other way out.
    void setEscapeButton(QPushButton* button);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* escapeButton_ = nullptr;
    bool closing_ = false;
};
