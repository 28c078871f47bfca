#pragma once

#include <QLabel>

// A line of letters, some of them struck through: the used letters, with the misses crossed
// out so that they differ from the hits by shape and not by colour alone. The text stays the
// plain line; the marks are drawn over it as vector text, sharp at any scale.
class MarkedLetters : public QLabel {
    Q_OBJECT
public:
    explicit MarkedLetters(QWidget* parent = nullptr);

    // The letters of the text to strike through.
    void setStruck(const QString& letters);
    const QString& struck() const { return struck_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString struck_;
};
