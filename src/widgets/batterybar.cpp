#include "batterybar.h"

#include <QMouseEvent>

BatteryBar::BatteryBar(QWidget *parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setAlignment(Qt::AlignCenter);
}

void BatteryBar::setBarText(const QString &text)
{
    m_barText = text;
    update();
}

QString BatteryBar::text() const
{
    return m_barText.isEmpty() ? QProgressBar::text() : m_barText;
}

QString BatteryBar::normalStyle(const QColor &chunk, int fontPixels)
{
    return QStringLiteral(
               "                QProgressBar {                border:none;                background-color: #FFFFFF;"
               "                border-radius:2px;                }                QProgressBar::chunk {"
               "                background-color:rgb(%1,%2,%3);                border-radius:2px;"
               "                }                QProgressBar {                text-align: center;"
               "                font-size:%4px;                font-weight:bold;                color: rgb(0, 0, 0);"
               "                }                ")
        .arg(chunk.red())
        .arg(chunk.green())
        .arg(chunk.blue())
        .arg(fontPixels);
}

QString BatteryBar::offStyle(int fontPixels)
{
    return QStringLiteral(
               "                    QProgressBar {                    border:none;"
               "                    background-color: rgb(100,100,100);                    border-radius:2px;"
               "                    }                    QProgressBar::chunk {"
               "                    background-color:rgb(100,100,100);                    border-radius:2px;"
               "                    }                    QProgressBar {                    text-align: center;"
               "                    font-size:%1px;                    font-weight:bold;"
               "                    color: rgb(255, 255, 255);                    }                    ")
        .arg(fontPixels);
}

void BatteryBar::applyNormalStyle(const QColor &chunk, int fontPixels)
{
    setStyleSheet(normalStyle(chunk, fontPixels));
}

void BatteryBar::applyOffStyle(int fontPixels) { setStyleSheet(offStyle(fontPixels)); }

void BatteryBar::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void BatteryBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit clicked();
    QProgressBar::mouseReleaseEvent(event);
}
