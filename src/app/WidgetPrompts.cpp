#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

#include "core/Pictures.h"
#include "core/Prompts.h"

namespace {

QFileDialog* makeFileDialog(QWidget* parent, const FileDialogSpec& spec, bool save) {
    auto* dialog = new QFileDialog(parent, spec.title, spec.directory, spec.filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save || !spec.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!spec.defaultSuffix.isEmpty()) {
        dialog->setDefaultSuffix(spec.defaultSuffix);
    }
    QFileDialog::Options options;
    if (save && !spec.confirmOverwrite) {
        options |= QFileDialog::DontConfirmOverwrite;
    }
    if (spec.picturePreview) {
        // The preview needs Qt's own dialog: a label beside the file list.
        options |= QFileDialog::DontUseNativeDialog;
    }
    dialog->setOptions(options);
    if (spec.picturePreview) {
        if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
            auto* preview = new QLabel(dialog);
            preview->setFixedSize(140, 140);
            preview->setAlignment(Qt::AlignCenter);
            preview->setFrameShape(QFrame::StyledPanel);
            grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
            QObject::connect(
                dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
                    const QImage image = pictures::loadBitmap(path);
                    if (image.isNull()) {
                        preview->clear();
                        return;
                    }
                    preview->setPixmap(
                        QPixmap::fromImage(image).scaled(preview->size(), Qt::KeepAspectRatio));
                });
        }
    }
    return dialog;
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSpec& spec, bool save) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, spec, save));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog->selectedFiles().constFirst();
}

}  // namespace

void WidgetPrompts::message(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WidgetPrompts::question(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> WidgetPrompts::openFile(QWidget* parent, const FileDialogSpec& spec) {
    return runFileDialog(parent, spec, false);
}

std::optional<QString> WidgetPrompts::saveFile(QWidget* parent, const FileDialogSpec& spec) {
    return runFileDialog(parent, spec, true);
}

std::optional<TileFont> WidgetPrompts::chooseFont(QWidget* parent, const TileFont& initial,
                                                  int maxPointSize) {
    bool ok = false;
    QFont font =
        QFontDialog::getFont(&ok, initial.font, parent, QString(), QFontDialog::ScalableFonts);
    if (!ok) {
        return std::nullopt;
    }
    if (font.pointSize() > maxPointSize) {
        font.setPointSize(maxPointSize);
    }
    return TileFont{font, initial.color};
}

int WidgetPrompts::runDialog(QDialog& dialog) {
    return dialog.exec();
}
