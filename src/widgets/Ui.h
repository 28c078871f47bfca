#pragma once

#include <QFont>
#include <QString>
#include <Qt>

class QLabel;
class QRect;
class QWidget;

// The face every window and dialog is drawn in, at a size in pixels.
QFont arialFont(int pixels, bool bold = false, bool italic = false);

// Moves a shown window so that its frame sits in the middle of its screen.
void centreOnScreen(QWidget& w);

// A label that shows its text as it is, never as markup.
QLabel* plainLabel(QWidget* parent, const QString& text, const QRect& place,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
