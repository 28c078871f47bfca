#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <optional>

class BoardView;
struct BoardPictures;
struct MainWinControls;
struct Settings;

// The high-contrast look for low vision, chosen in the Options menu: black grounds, white
// text and yellow marks on every panel and control of the window and on every dialog it
// opens, in place of the colours each was given, tiles drawn to match and the gallows drawn
// in strong lines. Turned off, each control gets its own colours back, and the art returns.
class ContrastLook : public QObject {
public:
    ContrastLook(QWidget& window, Settings& settings, const MainWinControls& ui, BoardView& board,
                 BoardPictures& pictures);
    ~ContrastLook() override;
    ContrastLook(const ContrastLook&) = delete;
    ContrastLook& operator=(const ContrastLook&) = delete;

    // The menu item: the look flips, is saved and shows at once.
    void toggle();
    void apply(bool on);

private:
    struct Saved {
        QPointer<QWidget> widget;
        QPalette palette;
        bool own = false;  // a palette of its own rather than its parent's
    };

    void swapGallows(bool on);

    QWidget& window_;
    Settings& settings_;
    const MainWinControls& ui_;
    BoardView& board_;
    BoardPictures& pictures_;
    QHash<QWidget*, Saved> saved_;
    std::optional<QPalette> appPalette_;  // the application's own, while the look is on
    QImage artEmpty_, artFull_;           // the gallows art, while the look is on
};
