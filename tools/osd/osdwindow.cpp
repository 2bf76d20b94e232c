#include "osdwindow.h"

#include "osdlog.h"

#include "widgets/windowshape.h"

#include <QDebug>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

constexpr int kMargin = 24;

} // namespace

OsdWindow::OsdWindow(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool
                  | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
{
    setWindowTitle(QString::fromLatin1(OsdMessage::kWindowTitle));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

QFont OsdWindow::messageFont() const
{
    QFont font(m_message.fontFamily);
    font.setPixelSize(m_message.fontSize);
    font.setBold(true);
    return font;
}

void OsdWindow::showMessage(const OsdMessage &message)
{
    m_message = message;
    qCDebug(lcOsd).noquote() << QStringLiteral("OSD: \"%1\" for %2 ms in %3, %4 px %5")
                              .arg(message.text)
                              .arg(message.duration)
                              .arg(OsdMessage::colourFromRef(message.colour).name())
                              .arg(message.fontSize)
                              .arg(message.fontFamily);
    if (message.text.isEmpty() || message.duration <= 0) {
        m_hideTimer.stop();
        hide();
        return;
    }

    const QFontMetrics metrics(messageFont());
    const QSize size = metrics.size(Qt::TextSingleLine, message.text) + QSize(2 * kMargin, 2 * kMargin);
    resize(size);
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    // Only the outlined text is drawn: without compositing the rest of the
    // window would cover the desktop with a black rectangle.
    WindowShape::fitToPaint(this);
    show();
    raise();
    update();
    m_hideTimer.start(message.duration);
}

void OsdWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // A dark outline keeps the theme-coloured text legible on any background.
    const QFont font = messageFont();
    const QFontMetrics metrics(font);
    const QPoint origin(kMargin, kMargin + metrics.ascent());
    QPainterPath path;
    path.addText(origin, font, m_message.text);
    painter.setPen(QPen(QColor(0, 0, 0, 170), qMax(2, m_message.fontSize / 15), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(OsdMessage::colourFromRef(m_message.colour));
    painter.drawPath(path);
}
