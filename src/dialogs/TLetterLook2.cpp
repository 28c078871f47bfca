#include "dialogs/TLetterLook2.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "core/LetterTile.h"
#include "core/Pictures.h"
#include "core/Prompts.h"
#include "core/Text.h"
#include "core/TileFont.h"
#include "settings/Settings.h"
#include "widgets/Ui.h"

namespace {

QLabel* makePreview(QWidget* parent, int x) {
    auto* tile = new QLabel(parent);
    tile->setGeometry(x, 80, pictures::kTileSize, pictures::kTileSize);
    return tile;
}

QLabel* makeHeading(QWidget* parent, const QString& text, int x) {
    return plainLabel(parent, text, {x, 56, 108, 18}, Qt::AlignCenter);
}

QFrame* makeBevel(QWidget* parent, int x) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(x, 46, 136, 96);
    return bevel;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, int x, int y) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, y, 52, 24);
    return button;
}

void showTile(QLabel* label, const QImage& background, const StoredFont& font, QChar c) {
    label->setPixmap(
        QPixmap::fromImage(MakeLetterTile(c, background, font, label->devicePixelRatioF())));
}

}  // namespace

TLetterLook2::TLetterLook2(Settings& settings, Prompts& prompts, LetterLookHooks hooks,
                           QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), hooks_(std::move(hooks)) {
    setWindowTitle(tr("Fonts"));
    setFont(arialFont(13));
    setFixedSize(kClientWidth, kClientHeight);

    // The contrast look draws tiles of its own: the choices made here wait until it is off.
    Label3 = new QLabel(
        settings_.HighContrast
            ? tr("High Contrast Look is on: the board shows these choices once it is turned "
                 "off in the Options menu.")
            : tr("NOTICE: Most images will only appear correctly if you are using more than "
                 "256 colors."),
        this);
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(arialFont(12, true));
    Label3->setWordWrap(true);
    Label3->setGeometry(8, 6, 292, 36);

    Bevel1 = makeBevel(this, 14);
    Bevel2 = makeBevel(this, 166);
    Label1 = makeHeading(this, tr("Alphabet"), 28);
    Label2 = makeHeading(this, tr("Word"), 180);
    AlphaA = makePreview(this, 28);
    AlphaM = makePreview(this, 68);
    AlphaZ = makePreview(this, 108);
    WordA = makePreview(this, 180);
    WordM = makePreview(this, 220);
    WordZ = makePreview(this, 260);
    // A reader hears which preview is which.
    const QString alphabet =
        QCoreApplication::translate("Accessibility", "Letter tile preview: %1");
    const QString word = QCoreApplication::translate("Accessibility", "Word tile preview: %1");
    const std::pair<QLabel*, QString> previews[] = {
        {AlphaA, alphabet.arg(QLatin1Char('A'))}, {AlphaM, alphabet.arg(QLatin1Char('M'))},
        {AlphaZ, alphabet.arg(QLatin1Char('Z'))}, {WordA, word.arg(QLatin1Char('A'))},
        {WordM, word.arg(QLatin1Char('M'))},      {WordZ, word.arg(QLatin1Char('Z'))}};
    for (const auto& [preview, name] : previews) {
        preview->setAccessibleName(name);
    }
    AlphaImage = makeButton(this, tr("&Image"), 28, 114);
    AlphaFont = makeButton(this, tr("&Font"), 84, 114);
    WordImage = makeButton(this, tr("I&mage"), 180, 114);
    WordFont = makeButton(this, tr("F&ont"), 236, 114);
    Exit = new QPushButton(tr("E&xit"), this);
    Exit->setGeometry((kClientWidth - 75) / 2, 148, 75, 24);

    connect(AlphaImage, &QPushButton::clicked, this, &TLetterLook2::AlphaImageClick);
    connect(AlphaFont, &QPushButton::clicked, this, &TLetterLook2::AlphaFontClick);
    connect(WordImage, &QPushButton::clicked, this, &TLetterLook2::WordImageClick);
    connect(WordFont, &QPushButton::clicked, this, &TLetterLook2::WordFontClick);
    connect(Exit, &QPushButton::clicked, this, &TLetterLook2::ExitClick);

    if (hooks_.screen.width() > 0) {
        move((hooks_.screen.width() - width()) / 2, (hooks_.screen.height() - height()) / 2);
    }

    // The previews start from the backgrounds the board starts from.
    SavedWord = storedBackground(settings_.WordBitmap, hooks_.builtinWord);
    SavedAlpha = storedBackground(settings_.AlphabetBitmap, hooks_.builtinAlphabet);
    AdjustAlphaBitmaps();
    AdjustWordBitmaps();
}

QImage TLetterLook2::storedBackground(const QString& path, const QImage& builtin) {
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        QImage image = pictures::loadBitmap(path);
        if (!image.isNull()) {
            return image;
        }
        prompts_.message(parentWidget(), tr("Error"), tr("Bitmap image is not valid"));
    }
    return builtin.copy(0, 0, pictures::kTileSize, pictures::kTileSize);
}

void TLetterLook2::AdjustAlphaBitmaps() {
    const StoredFont& font = settings_.AlphabetFont;
    showTile(AlphaA, SavedAlpha, font, QLatin1Char('A'));
    showTile(AlphaM, SavedAlpha, font, QLatin1Char('M'));
    showTile(AlphaZ, SavedAlpha, font, QLatin1Char('Z'));
}

void TLetterLook2::AdjustWordBitmaps() {
    const StoredFont& font = settings_.WordFont;
    showTile(WordA, SavedWord, font, QLatin1Char('A'));
    showTile(WordM, SavedWord, font, QLatin1Char('M'));
    showTile(WordZ, SavedWord, font, QLatin1Char('Z'));
}

bool TLetterLook2::chooseFont(StoredFont& font) {
    auto chosen = prompts_.chooseFont(this, toTileFont(font), kMaxFontPoints);
    if (!chosen) {
        return false;
    }
    if (chosen->font.pointSizeF() > kMaxFontPoints) {
        chosen->font.setPointSize(kMaxFontPoints);
    }
    font = toStoredFont(*chosen);
    return true;
}

bool TLetterLook2::chooseBitmap(QImage& own, QString& setting) {
    FileChooserRequest spec;
    spec.title = tr("Background Bitmaps");
    spec.filter = tr("Bitmaps (*.bmp *.BMP)");
    spec.defaultSuffix = QStringLiteral("bmp");
    spec.mustExist = true;
    spec.picturePreview = true;
    const auto chosen = prompts_.openFile(this, spec);
    if (!chosen) {
        return false;
    }
    const QImage image = pictures::loadBitmap(*chosen);
    if (image.isNull()) {
        // Nothing changes, so the setting never names a picture that fails at every start.
        prompts_.message(this, tr("Error"), tr("Bitmap image is not valid"));
        return false;
    }
    own = image;
    setting = text::bounded(*chosen);
    return true;
}

void TLetterLook2::AlphaImageClick() {
    if (chooseBitmap(SavedAlpha, settings_.AlphabetBitmap)) {
        hooks_.alphabetChosen(SavedAlpha);
        AdjustAlphaBitmaps();
    }
}

void TLetterLook2::WordImageClick() {
    if (chooseBitmap(SavedWord, settings_.WordBitmap)) {
        hooks_.wordChosen(SavedWord);
        AdjustWordBitmaps();
    }
}

void TLetterLook2::AlphaFontClick() {
    if (chooseFont(settings_.AlphabetFont)) {
        AdjustAlphaBitmaps();
    }
}

void TLetterLook2::WordFontClick() {
    if (chooseFont(settings_.WordFont)) {
        AdjustWordBitmaps();
    }
}

void TLetterLook2::ExitClick() {
    reject();
}

void TLetterLook2::leave() {
    if (!saved_) {
        saved_ = true;
        SaveSettings(settings_);
    }
}

void TLetterLook2::done(int result) {
    leave();
    QDialog::done(result);
}

void TLetterLook2::closeEvent(QCloseEvent* event) {
    // A dialog that is not on the screen closes without passing through done().
    leave();
    QDialog::closeEvent(event);
}
