#pragma once

#include <QCheckBox>
#include <QString>

// A check box drawn with two skin pictures (unchecked, checked), by default
// checkbox1-1.png and checkbox1-2.png, with its caption in the language font.
// The whole widget is the hit area, not only the picture.
// (label: VeskCheckBox)
class SkinCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit SkinCheckBox(const QString &text = QString(), QWidget *parent = nullptr);

    void setPictures(const QString &uncheckedFile, const QString &checkedFile);
    // Size of the picture in design units (default 20 x 20); a height
    // below 1 makes it square.
    void setIndicatorSize(int width, int height = 0);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QString m_unchecked;
    QString m_checked;
    QSize m_indicator = QSize(20, 20);
};
