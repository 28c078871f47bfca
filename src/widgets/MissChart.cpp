#include "widgets/MissChart.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kRowHeight = 18;
constexpr int kLabelWidth = 24;
}  // namespace

MissChart::MissChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void MissChart::setCounts(std::vector<qint64> counts, int atLeast) {
    while (counts.size() > static_cast<size_t>(atLeast) && counts.back() == 0) {
        counts.pop_back();
    }
    counts.resize(std::max(counts.size(), static_cast<size_t>(atLeast)), 0);
    counts_ = std::move(counts);
    updateGeometry();
    update();
}

QSize MissChart::sizeHint() const {
    return {260, static_cast<int>(counts_.size()) * kRowHeight + 2};
}

void MissChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qint64 most = counts_.empty() ? 0 : *std::max_element(counts_.begin(), counts_.end());
    const QFontMetrics fm = fontMetrics();
    const int numberWidth = fm.horizontalAdvance(QString::number(most)) + 8;
    const int room = std::max(1, width() - kLabelWidth - numberWidth);
    for (size_t i = 0; i < counts_.size(); ++i) {
        const int top = static_cast<int>(i) * kRowHeight;
        const QRect label(0, top, kLabelWidth - 4, kRowHeight);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(i));
        // The longest row fills the room; a row of 0 still shows a sliver so it reads as 0.
        const double share = most > 0 ? static_cast<double>(counts_[i]) / most : 0.0;
        const QRectF bar(kLabelWidth, top + 2, std::max(2.0, share * room), kRowHeight - 4);
        p.fillRect(bar, counts_[i] == most && most > 0 ? palette().color(QPalette::Highlight)
                                                       : palette().color(QPalette::Mid));
        p.drawText(QRectF(bar.right() + 4, top, numberWidth, kRowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(counts_[i]));
    }
}
