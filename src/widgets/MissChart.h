#pragma once

#include <QWidget>
#include <vector>

// A bar chart of how many solved words took each number of misses: one row per count of
// misses, a bar as long as its share of the largest row, the number at its end. Drawn with
// QPainter in logical units, so it is sharp at any device pixel ratio; a few bars need
// nothing of a chart module.
class MissChart : public QWidget {
    Q_OBJECT
public:
    explicit MissChart(QWidget* parent = nullptr);
    // counts[i]: the solved words with i misses. Rows beyond the last non-zero one are left
    // out, but at least the rows up to `atLeast`.
    void setCounts(std::vector<qint64> counts, int atLeast = 8);
    const std::vector<qint64>& counts() const { return counts_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<qint64> counts_;
};
