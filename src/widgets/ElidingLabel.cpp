#include "widgets/ElidingLabel.h"

#include <QPainter>

ElidingLabel::ElidingLabel(QWidget* parent, const QString& text, const QRect& place,
                           Qt::Alignment align)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(align);
    setGeometry(place);
}

QString ElidingLabel::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void ElidingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()), shownText());
}
