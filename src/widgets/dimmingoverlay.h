#pragma once

#include <QWidget>

// A translucent dark layer over its parent widget, following the parent's
// size. It dims the window behind a modal step and swallows the clicks that
// would reach the controls under it.
// (label: VeskOverlay)
class DimmingOverlay : public QWidget {
    Q_OBJECT
public:
    explicit DimmingOverlay(QWidget *parent, int alpha = 140);

    void setAlpha(int alpha);
    int alpha() const { return m_alpha; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_alpha;
};
