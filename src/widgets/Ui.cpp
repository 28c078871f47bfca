#include "widgets/Ui.h"

#include <QLabel>
#include <QRect>
#include <QScreen>
#include <QWidget>

QFont arialFont(int pixels, bool bold, bool italic) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void centreOnScreen(QWidget& w) {
    if (const QScreen* screen = w.screen()) {
        const QRect area = screen->geometry();
        const QSize outer = w.frameGeometry().size();
        w.move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
    }
}

QLabel* plainLabel(QWidget* parent, const QString& text, const QRect& place, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align);
    label->setGeometry(place);
    return label;
}
