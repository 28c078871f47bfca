#include "ScriptedPrompts.h"

#include <QLabel>

void ScriptedPrompts::message(QWidget*, const QString& caption, const QString& text) {
    shown.push_back({QStringLiteral("message"), caption, text});
    if (onMessage) {
        onMessage(shown.back());
    }
}

bool ScriptedPrompts::question(QWidget*, const QString& caption, const QString& text) {
    shown.push_back({QStringLiteral("question"), caption, text});
    if (onMessage) {
        onMessage(shown.back());
    }
    if (questionAnswers.empty()) {
        return defaultQuestionAnswer;
    }
    const bool answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::takeFileAnswer() {
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    QString path = fileAnswers.front().value_or(QString());
    const bool chosen = fileAnswers.front().has_value();
    fileAnswers.pop_front();
    return chosen ? std::optional<QString>(path) : std::nullopt;
}

std::optional<QString> ScriptedPrompts::openFile(QWidget*, const FileChooserRequest& chooser) {
    shown.push_back({QStringLiteral("open"), chooser.title, chooser.filter});
    fileSpecs.push_back(chooser);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    return takeFileAnswer();
}

std::optional<QString> ScriptedPrompts::saveFile(QWidget*, const FileChooserRequest& chooser) {
    shown.push_back({QStringLiteral("save"), chooser.title, chooser.filter});
    fileSpecs.push_back(chooser);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    return takeFileAnswer();
}

std::optional<TileFont> ScriptedPrompts::chooseFont(QWidget*, const TileFont&, int maxPointSize) {
    shown.push_back({QStringLiteral("font"), QString(), QString::number(maxPointSize)});
    if (fontAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

int ScriptedPrompts::runDialog(QDialog& dialog) {
    shown.push_back({QStringLiteral("dialog"), dialog.windowTitle(),
                     QString::fromLatin1(dialog.metaObject()->className())});
    if (!dialogScript.empty()) {
        auto handler = std::move(dialogScript.front());
        dialogScript.pop_front();
        return handler(dialog);
    }
    if (defaultDialog) {
        return defaultDialog(dialog);
    }
    dialog.close();
    return dialog.result();
}

void ScriptedPrompts::showResult(QDialog& dialog) {
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    shown.push_back({QStringLiteral("result"), dialog.windowTitle(), labels.join(u'\n')});
    dialog.close();
}

QStringList ScriptedPrompts::messages() const {
    QStringList out;
    for (const auto& s : shown) {
        if (s.kind == QLatin1String("message")) {
            out << s.text;
        }
    }
    return out;
}

QStringList ScriptedPrompts::withCaption(const QString& caption) const {
    QStringList out;
    for (const auto& s : shown) {
        if ((s.kind == QLatin1String("message") || s.kind == QLatin1String("question")) &&
            s.caption == caption) {
            out << s.text;
        }
    }
    return out;
}

int ScriptedPrompts::count(const QString& kind) const {
    int n = 0;
    for (const auto& s : shown) {
        n += s.kind == kind ? 1 : 0;
    }
    return n;
}
