#include "busydialog.h"

#include "windowshape.h"

#include "skin.h"
#include "uiscale.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTimer>

BusyDialog::BusyDialog(QWidget *parent)
    : QDialog(parent)
{
    Skin::initResources();
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setModal(true);
    const int side = UiScale::scaled(kDesignSize);
    setFixedSize(side, side);

    m_animation = new QLabel(this);
    m_animation->setGeometry(0, 0, side, side);
    m_animation->setAlignment(Qt::AlignCenter);
    m_animation->setAttribute(Qt::WA_TranslucentBackground, true);
    m_movie = new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this);
    m_movie->setScaledSize(QSize(side, side));
    m_animation->setMovie(m_movie);
    m_movie->start();
}

BusyDialog::~BusyDialog() = default;

void BusyDialog::slotProcessDlg()
{
    // Queued behind whatever the event loop holds, so that the dialog is
    // running (or about to run) when it is accepted.
    QTimer::singleShot(0, this, &BusyDialog::updateProgress);
}

void BusyDialog::updateProgress()
{
    m_finishing = true;
    m_movie->stop();
    accept();
}

void BusyDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap tile = Skin::picture(Skin::path(QStringLiteral("process.png")), size());
    if (!tile.isNull()) {
        painter.drawPixmap(0, 0, tile);
    } else {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(22, 24, 28, 235));
        painter.drawRoundedRect(rect(), width() / 8.0, width() / 8.0);
    }
}

void BusyDialog::showEvent(QShowEvent *event)
{
    if (QWidget *owner = parentWidget())
        move(owner->mapToGlobal(owner->rect().center()) - QPoint(width() / 2, height() / 2));
    // Rounded corners: cut out where the desktop would show them black.
    WindowShape::fitToPaint(this);
    QDialog::showEvent(event);
}

void BusyDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BusyDialog::closeEvent(QCloseEvent *event)
{
    if (!m_finishing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
