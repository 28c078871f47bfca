#include "app/ContrastLook.h"

#include <QAction>

#include "app/BoardView.h"
#include "app/GameForm.h"
#include "settings/Settings.h"

namespace {

QPalette contrastPalette() {
    QPalette pal;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                           QPalette::AlternateBase, QPalette::ToolTipBase}) {
        pal.setColor(role, Qt::black);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        pal.setColor(role, Qt::white);
    }
    pal.setColor(QPalette::Highlight, Qt::yellow);
    pal.setColor(QPalette::HighlightedText, Qt::black);
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Dark, Qt::yellow);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, Qt::lightGray);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::lightGray);
    return pal;
}

}  // namespace

ContrastLook::ContrastLook(QWidget& window, Settings& settings, const MainWinControls& ui,
                           BoardView& board)
    : QObject(&window), window_(window), settings_(settings), ui_(ui), board_(board) {
    if (settings_.HighContrast) {
        apply(true);
    }
}

void ContrastLook::toggle() {
    settings_.HighContrast = !settings_.HighContrast;
    ui_.MenuContrast->setChecked(settings_.HighContrast);
    SaveSettings(settings_);
    apply(settings_.HighContrast);
    board_.RedrawTiles();
}

void ContrastLook::apply(bool on) {
    QList<QWidget*> widgets = window_.findChildren<QWidget*>();
    widgets.prepend(&window_);
    if (on) {
        const QPalette pal = contrastPalette();
        for (QWidget* w : widgets) {
            if (!saved_.contains(w)) {
                saved_.insert(w, {w, w->palette(), w->testAttribute(Qt::WA_SetPalette)});
            }
            w->setPalette(pal);
        }
        return;
    }
    for (const Saved& s : std::as_const(saved_)) {
        if (s.widget) {
            s.widget->setPalette(s.own ? s.palette : QPalette());
        }
    }
    saved_.clear();
}
