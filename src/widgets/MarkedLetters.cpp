#include "widgets/MarkedLetters.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

MarkedLetters::MarkedLetters(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void MarkedLetters::setStruck(const QString& letters) {
    struck_ = letters;
    update();
}

void MarkedLetters::paintEvent(QPaintEvent* event) {
    if (struck_.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font());
    doc.setTextWidth(contentsRect().width());
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    plain.setForeground(palette().color(foregroundRole()));
    QTextCharFormat crossed = plain;
    crossed.setFontStrikeOut(true);
    for (const QChar c : text()) {
        cursor.insertText(QString(c), struck_.contains(c) && !c.isSpace() ? crossed : plain);
    }
    QPainter painter(this);
    painter.translate(contentsRect().topLeft());
    doc.documentLayout()->draw(&painter, QAbstractTextDocumentLayout::PaintContext());
}
