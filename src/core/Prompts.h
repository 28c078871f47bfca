#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/TileFont.h"

class QDialog;
class QWidget;

// What a file chooser is asked for. The filter uses Qt's form: "Text Files (*.TXT);;All Files (*)".
struct FileChooserRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString directory;
    bool mustExist = false;         // the file itself must exist (open dialogs)
    bool confirmOverwrite = false;  // save dialogs ask before replacing a file
    bool picturePreview = false;    // show a preview of the selected picture
    QStringList places;             // folders added to the chooser's sidebar
};

// Every message box, question and chooser of the program goes through this interface, so
// that tests can script the answers and never block on a real modal window.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A box with one OK button. Texts are always shown as plain text.
    virtual void message(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A box with the buttons Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileChooserRequest& spec) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileChooserRequest& spec) = 0;
    // The chosen font, or nothing when cancelled. Sizes are limited to maxPointSize.
    virtual std::optional<TileFont> chooseFont(QWidget* parent, const TileFont& initial,
                                               int maxPointSize) = 0;
    // Runs one of the program's own dialogs modally; returns QDialog's result code.
    virtual int runDialog(QDialog& dialog) = 0;
    // Runs one of the program's own dialogs that only tells something: the player reads it
    // and closes it, nothing is asked. Scripted runs record it without taking an answer
    // meant for a dialog that asks.
    virtual void showResult(QDialog& dialog) { runDialog(dialog); }
};

// The production implementation over QMessageBox, QFileDialog and QFontDialog.
class WidgetPrompts : public Prompts {
public:
    void message(QWidget* parent, const QString& caption, const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> openFile(QWidget* parent, const FileChooserRequest& spec) override;
    std::optional<QString> saveFile(QWidget* parent, const FileChooserRequest& spec) override;
    std::optional<TileFont> chooseFont(QWidget* parent, const TileFont& initial,
                                       int maxPointSize) override;
    int runDialog(QDialog& dialog) override;
};
