#include "app/BoardPictures.h"

#include <QFileInfo>

#include "core/Pictures.h"

BoardPictures BoardPictures::builtin(qreal pixelRatio) {
    BoardPictures p;
    p.EmptyGallows = pictures::emptyGallows(pixelRatio);
    p.NoHangPicture = p.EmptyGallows;
    p.YesHang = pictures::hangedFigure(pixelRatio);
    p.AlphaImage = pictures::builtinAlphabetTile();
    p.WordImage = pictures::builtinWordTile();
    p.SavedAlpha = p.AlphaImage;
    p.SavedWord = p.WordImage;
    return p;
}

void BoardPictures::loadTileBackgrounds(const QString& alphabetPath, const QString& wordPath,
                                        const std::function<void()>& invalid) {
    auto load = [&invalid](const QString& path, const QImage& builtin) {
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            QImage image = pictures::loadBitmap(path);
            if (!image.isNull()) {
                return image;
            }
            invalid();
        }
        return builtin;
    };
    SavedAlpha = load(alphabetPath, AlphaImage);
    SavedWord = load(wordPath, WordImage);
}
