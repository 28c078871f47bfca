#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/Pictures.h"
#include "core/Prompts.h"

#include <QCoreApplication>
namespace {

QFileDialog* makeFileDialog(QWidget* parent, const FileChooserRequest& spec, bool save) {
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
    QList<QUrl> sidebar = dialog->sidebarUrls();
    for (const QString& place : spec.places) {
        if (!sidebar.contains(QUrl::fromLocalFile(place))) {
            sidebar.append(QUrl::fromLocalFile(place));
        }
    }
    dialog->setSidebarUrls(sidebar);
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

std::optional<QString> runFileDialog(QWidget* parent, const FileChooserRequest& spec, bool save) {
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, spec, save));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog->selectedFiles().constFirst();
}

QFont limitedFont(QFont font, int maxPointSize) {
    if (maxPointSize > 0 && font.pointSizeF() > maxPointSize) {
        font.setPointSize(maxPointSize);
    }
    return font;
}

QIcon colorSwatch(const QColor& color) {
    QPixmap swatch(28, 14);
    swatch.fill(color);
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    return QIcon(swatch);
}

// Qt's font dialog without its buttons, inside `dialog`; sizes above the limit are brought
// back to it as soon as they are picked.
QFontDialog* embedFontDialog(QDialog& dialog, const QFont& initial, int maxPointSize) {
    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::ScalableFonts |
                      QFontDialog::DontUseNativeDialog);
    fonts->setCurrentFont(limitedFont(initial, maxPointSize));
    // Enter and Escape inside the embedded chooser end the whole dialog, not just hide it.
    QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
    // Queued: the chooser is not changed from inside its own update.
    QObject::connect(
        fonts, &QFontDialog::currentFontChanged, fonts,
        [fonts, maxPointSize] {
            const QFont font = fonts->currentFont();
            if (maxPointSize > 0 && font.pointSizeF() > maxPointSize) {
                fonts->setCurrentFont(limitedFont(font, maxPointSize));
            }
        },
        Qt::QueuedConnection);
    return fonts;
}

// The sample line of Qt's font dialog, when it has the sample where expected.
QLineEdit* sampleLine(QFontDialog* fonts) {
    QLineEdit* sample = nullptr;
    for (QGroupBox* group : fonts->findChildren<QGroupBox*>()) {
        if (group->title().remove(QLatin1Char('&')) == QLatin1String("Sample")) {
            sample = group->findChild<QLineEdit*>();
        }
    }
    return sample;
}

// Qt's font dialog keeps no colour: it is embedded beside a colour choice, and the sample
// line shows the colour too.
std::optional<TileFont> runFontChooser(QWidget* parent, const TileFont& initial, int maxPointSize) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("WidgetPrompts", "Font"));
    auto* layout = new QVBoxLayout(&dialog);
    QFontDialog* fonts = embedFontDialog(dialog, initial.font, maxPointSize);
    layout->addWidget(fonts);
    QLineEdit* sample = sampleLine(fonts);
    QColor color = initial.color.isValid() ? initial.color : QColor(Qt::black);
    auto showColor = [sample, &color] {
        if (sample) {
            QPalette pal = sample->palette();
            pal.setColor(QPalette::Text, color);
            sample->setPalette(pal);
        }
    };
    showColor();

    auto* row = new QHBoxLayout;
    auto* colorButton =
        new QPushButton(QCoreApplication::translate("WidgetPrompts", "&Color..."), &dialog);
    colorButton->setAutoDefault(false);
    colorButton->setIcon(colorSwatch(color));
    colorButton->setIconSize(QSize(28, 14));
    row->addWidget(colorButton);
    row->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    row->addWidget(buttons);
    layout->addLayout(row);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen = QColorDialog::getColor(
            color, &dialog, QCoreApplication::translate("WidgetPrompts", "Color"));
        if (chosen.isValid()) {
            color = chosen;
            colorButton->setIcon(colorSwatch(color));
            showColor();
        }
    });

    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return TileFont{limitedFont(fonts->currentFont(), maxPointSize), color};
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

std::optional<QString> WidgetPrompts::openFile(QWidget* parent, const FileChooserRequest& spec) {
    return runFileDialog(parent, spec, false);
}

std::optional<QString> WidgetPrompts::saveFile(QWidget* parent, const FileChooserRequest& spec) {
    return runFileDialog(parent, spec, true);
}

std::optional<TileFont> WidgetPrompts::chooseFont(QWidget* parent, const TileFont& initial,
                                                  int maxPointSize) {
    return runFontChooser(parent, initial, maxPointSize);
}

int WidgetPrompts::runDialog(QDialog& dialog) {
    return dialog.exec();
}
