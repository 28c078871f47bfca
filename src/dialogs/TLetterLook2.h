#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class Prompts;
struct Settings;
struct StoredFont;

// What the dialog needs from the board whose tiles it restyles.
struct LetterLookHooks {
    // The built-in backgrounds of the alphabet and of the word tiles.
    QImage builtinAlphabet;
    QImage builtinWord;
    // A background was chosen: the board draws its tiles on it from now on.
    std::function<void(const QImage&)> alphabetChosen;
    std::function<void(const QImage&)> wordChosen;
    // The screen the dialog centres on (none when empty).
    QSize screen;
};

// The look of the letter tiles: font and background picture of the alphabet tiles and of the
// word tiles, with a preview of A, M and Z for each. Every choice takes effect at once on the
// settings and on the board's pictures; leaving the dialog saves the settings.
class TLetterLook2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 308;
    static constexpr int kClientHeight = 176;
    static constexpr int kMaxFontPoints = 24;

    TLetterLook2(Settings& settings, Prompts& prompts, LetterLookHooks hooks, QWidget* parent);

    QLabel* Label3 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* AlphaA = nullptr;
    QLabel* AlphaM = nullptr;
    QLabel* AlphaZ = nullptr;
    QPushButton* AlphaImage = nullptr;
    QPushButton* AlphaFont = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* WordA = nullptr;
    QLabel* WordM = nullptr;
    QLabel* WordZ = nullptr;
    QPushButton* WordImage = nullptr;
    QPushButton* WordFont = nullptr;
    QPushButton* Exit = nullptr;

    // The backgrounds the previews are composed from.
    QImage SavedAlpha;
    QImage SavedWord;

    void AdjustAlphaBitmaps();
    void AdjustWordBitmaps();

    void AlphaImageClick();
    void AlphaFontClick();
    void WordImageClick();
    void WordFontClick();
    void ExitClick();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QImage storedBackground(const QString& path, const QImage& builtin);
    bool chooseFont(StoredFont& font);
    // Lets the player pick the picture behind one set of tiles and keeps it here, in the
    // and in the setting; false when cancelled or unreadable (then reported).
    bool chooseBitmap(QImage& own, QString& setting);
    void leave();

    Settings& settings_;
    Prompts& prompts_;
    LetterLookHooks hooks_;
    bool saved_ = false;
};
