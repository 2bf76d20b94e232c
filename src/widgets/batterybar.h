#pragma once

#include <QProgressBar>

// The battery bar: a progress bar that can show a text of its own ("MOUSE
// OFF") in place of the percentage, with the two style sheets of the battery
// display (normal, in the theme colour, and the grey "off" look).
class BatteryBar : public QProgressBar {
    Q_OBJECT
public:
    explicit BatteryBar(QWidget *parent = nullptr);

    // A non-empty text replaces the formatted value; empty shows the value.
    void setBarText(const QString &text);
    QString barText() const { return m_barText; }
    QString text() const override;

    static QString normalStyle(const QColor &chunk, int fontPixels);
    static QString offStyle(int fontPixels);
    void applyNormalStyle(const QColor &chunk, int fontPixels);
    void applyOffStyle(int fontPixels);

signals:
    // A left click on the bar (it opens the battery history).
    void clicked();

protected:
    // The press is taken, so that it does not start a drag of the window.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_barText;
};
