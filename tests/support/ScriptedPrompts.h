#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/Prompts.h"

// Prompts for tests: records every box and chooser, answers from queues, never blocks.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString kind;  // "message", "question", "open", "save", "font", "dialog", "result"
        QString caption;
        // The box text, the chooser's title, the dialog's class name, or a result's labels.
        QString text;
    };

    std::vector<Shown> shown;
    std::vector<FileChooserRequest> fileSpecs;

    // Answers; when a queue is empty the default applies (Yes, cancel, cancel, reject).
    std::deque<bool> questionAnswers;
    bool defaultQuestionAnswer = true;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<TileFont>> fontAnswers;
    // Each dialog run takes the next handler, which drives the dialog (sets its controls,
    // clicks its buttons) and returns the result code. With none left, defaultDialog runs;
    // without that, the dialog is closed through its close box.
    std::deque<std::function<int(QDialog&)>> dialogScript;
    std::function<int(QDialog&)> defaultDialog;
    // Called for every message box after it is recorded (a test may react, e.g. by
    // delivering network data while the box is "open").
    std::function<void(const Shown&)> onMessage;

    void message(QWidget* parent, const QString& caption, const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> openFile(QWidget* parent, const FileChooserRequest& spec) override;
    std::optional<QString> saveFile(QWidget* parent, const FileChooserRequest& spec) override;
    std::optional<TileFont> chooseFont(QWidget* parent, const TileFont& initial,
                                       int maxPointSize) override;
    int runDialog(QDialog& dialog) override;
    void showResult(QDialog& dialog) override;

    // Texts of the message boxes (kind "message"), in order.
    QStringList messages() const;
    // Texts of message boxes and questions with the given caption.
    QStringList withCaption(const QString& caption) const;
    int count(const QString& kind) const;
    void clear() {
        shown.clear();
        fileSpecs.clear();
    }

private:
    std::optional<QString> takeFileAnswer();
};
