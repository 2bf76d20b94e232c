#pragma once

#include <QLabel>

// A transparent label in the language font that reports clicks and can show
// a skin picture scaled smoothly to its own size (the mouse pictures, the
// logo, the connection pictures).
// (label: VeskLabel)
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget *parent = nullptr);
    explicit SkinLabel(const QString &text, QWidget *parent = nullptr);

    // Shows the picture at `file`, scaled to the label with `mode`. A file
    // that cannot be read leaves the label as it was and returns false.
    bool setPicture(const QString &file, Qt::AspectRatioMode mode = Qt::KeepAspectRatio);
    QString picture() const { return m_picture; }
    void clearPicture();

signals:
    void clicked(SkinLabel *label);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refreshPixmap();

    QString m_picture;
    Qt::AspectRatioMode m_mode = Qt::KeepAspectRatio;
};
