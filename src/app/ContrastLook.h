#pragma once

#include <QHash>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>

class BoardView;
struct MainWinControls;
struct Settings;

// The high-contrast look for low vision, chosen in the Options menu: black grounds, white
// text and yellow marks on every panel and control of the window in place of the colours
// each was given, and tiles drawn to match. Turned off, each control gets its own colours
// back.
class ContrastLook : public QObject {
public:
    ContrastLook(QWidget& window, Settings& settings, const MainWinControls& ui, BoardView& board);

    // The menu item: the look flips, is saved and shows at once.
    void toggle();
    void apply(bool on);

private:
    struct Saved {
        QPointer<QWidget> widget;
        QPalette palette;
        bool own = false;  // a palette of its own rather than its parent's
    };

    QWidget& window_;
    Settings& settings_;
    const MainWinControls& ui_;
    BoardView& board_;
    QHash<QWidget*, Saved> saved_;
};
