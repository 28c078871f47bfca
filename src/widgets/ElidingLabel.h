#pragma once

#include <QLabel>

// A one-line plain-text label that shows a text too long for it from its start, cut at the
// end with an ellipsis, whatever its alignment (a right-aligned QLabel would cut the start).
// text() stays the whole text.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    ElidingLabel(QWidget* parent, const QString& text, const QRect& place, Qt::Alignment align);

    // What the label shows: the text, or its beginning and an ellipsis.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
