#include "app/ContrastLook.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "app/BoardPictures.h"
#include "app/BoardView.h"
#include "app/GameForm.h"
#include "core/Pictures.h"
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

// The part of the gallows picture the figure is uncovered in, from the top down, a band
// per miss.
constexpr int kFigureLeft = 78;
constexpr int kFigureRight = 136;
constexpr int kFigureTop = 69;

// The gallows in white and the figure in yellow on black, in lines drawn at the art's scale,
// so they stay sharp at 200 % and beyond.
QImage contrastGallows(qreal scale, bool figure) {
    QImage image(qRound(pictures::kGallowsWidth * scale), qRound(pictures::kGallowsHeight * scale),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(20, 228, 70, 228);
    p.drawLine(40, 228, 40, 14);
    p.drawLine(36, 14, 124, 14);
    p.drawLine(40, 50, 76, 14);
    p.setPen(QPen(Qt::yellow, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(107, 14, 107, 73);
    if (figure) {
        p.drawEllipse(QPointF(107, 88), 15, 15);
        p.drawLine(107, 103, 107, 165);
        p.drawLine(107, 115, 84, 150);
        p.drawLine(107, 115, 130, 150);
        p.drawLine(107, 165, 88, 210);
        p.drawLine(107, 165, 126, 210);
    }
    return image;
}

// What is shown, redrawn from the other pair of pictures: as much of the figure uncovered
// as was, found as the lowest row of the figure's part that differs from the empty gallows.
QImage uncoveredAlike(const QImage& shown, const QImage& fromEmpty, const QImage& fromFull,
                      const QImage& toEmpty, const QImage& toFull) {
    // Without its art (a plain board) the empty and the whole figure are one picture.
    if (shown == fromFull && fromFull != fromEmpty) {
        return toFull;
    }
    QImage out = toEmpty;
    const qreal ratio = shown.devicePixelRatio();
    if (shown.size() != fromEmpty.size() || shown.format() != QImage::Format_RGB32 ||
        fromEmpty.format() != QImage::Format_RGB32) {
        return out;
    }
    const int left = qRound(kFigureLeft * ratio);
    const int right = qMin(qRound(kFigureRight * ratio), shown.width());
    int lowest = -1;
    for (int y = qRound(kFigureTop * ratio); y < shown.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(fromEmpty.constScanLine(y));
        if (!std::equal(a + left, a + right, b + left)) {
            lowest = y;
        }
    }
    if (lowest >= 0) {
        const int bottom = qCeil((lowest + 1) / ratio);
        pictures::copyBand(
            out, toFull,
            QRect(kFigureLeft, kFigureTop, kFigureRight - kFigureLeft, bottom - kFigureTop));
    }
    return out;
}

}  // namespace

ContrastLook::ContrastLook(QWidget& window, Settings& settings, const MainWinControls& ui,
                           BoardView& board, BoardPictures& pictures)
    : QObject(&window),
      window_(window),
      settings_(settings),
      ui_(ui),
      board_(board),
      pictures_(pictures) {
    if (settings_.HighContrast) {
        apply(true);
    }
}

ContrastLook::~ContrastLook() {
    // The application outlives the window (tests open many): it gets its own colours back.
    if (appPalette_) {
        QApplication::setPalette(*appPalette_);
    }
}

void ContrastLook::swapGallows(bool on) {
    if (on == !artEmpty_.isNull()) {
        return;
    }
    const qreal scale = pictures_.EmptyGallows.devicePixelRatio();
    QImage empty = on ? contrastGallows(scale, false) : artEmpty_;
    QImage full = on ? contrastGallows(scale, true) : artFull_;
    pictures_.NoHangPicture = uncoveredAlike(pictures_.NoHangPicture, pictures_.EmptyGallows,
                                             pictures_.YesHang, empty, full);
    artEmpty_ = on ? pictures_.EmptyGallows : QImage();
    artFull_ = on ? pictures_.YesHang : QImage();
    pictures_.EmptyGallows = std::move(empty);
    pictures_.YesHang = std::move(full);
    board_.ShowPicture();
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
    swapGallows(on);
    if (on) {
        const QPalette pal = contrastPalette();
        // The dialogs the game opens are windows of their own: they take the application's.
        if (!appPalette_) {
            appPalette_ = QApplication::palette();
        }
        QApplication::setPalette(pal);
        for (QWidget* w : widgets) {
            if (!saved_.contains(w)) {
                saved_.insert(w, {w, w->palette(), w->testAttribute(Qt::WA_SetPalette)});
            }
            w->setPalette(pal);
        }
        return;
    }
    if (appPalette_) {
        QApplication::setPalette(*appPalette_);
        appPalette_.reset();
    }
    for (const Saved& s : std::as_const(saved_)) {
        if (s.widget) {
            s.widget->setPalette(s.own ? s.palette : QPalette());
        }
    }
    saved_.clear();
}
