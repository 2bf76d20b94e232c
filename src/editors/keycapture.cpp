#include "keycapture.h"

#include "config/scancodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

// X11 and Wayland give the evdev code plus 8 as the native scan code.
constexpr quint32 kEvdevOffset = 8;

} // namespace

KeyCapture::KeyCapture(QObject *parent)
    : QObject(parent)
{
    m_clock.start();
    m_releaseTimer.setSingleShot(true);
    m_releaseTimer.setInterval(kReleaseHoldMs);
    connect(&m_releaseTimer, &QTimer::timeout, this, &KeyCapture::flushRelease);
}

KeyCapture::~KeyCapture() { stopWatching(); }

void KeyCapture::watch(QObject *target)
{
    stopWatching();
    m_target = target;
    m_applicationWide = target == QCoreApplication::instance();
    if (m_target) {
        m_target->installEventFilter(this);
        connect(m_target, &QObject::destroyed, this, [this] { m_target = nullptr; });
    }
}

void KeyCapture::stopWatching()
{
    if (m_target) {
        m_target->removeEventFilter(this);
        disconnect(m_target, nullptr, this, nullptr);
    }
    m_target = nullptr;
    m_releaseTimer.stop();
    m_releaseHeld = false;
}

void KeyCapture::setActive(bool active)
{
    if (!active)
        flushRelease();
    m_active = active;
}

bool KeyCapture::translate(quint32 nativeScanCode, bool release, int &code, int &flags)
{
    if (nativeScanCode <= kEvdevOffset)
        return false;
    ScanCode scan;
    if (!evdevToScanCode(int(nativeScanCode - kEvdevOffset), scan))
        return false;
    flags = scan.flags | (release ? kReleaseFlag : 0);
    code = renumberScanCode(scan.code, flags);
    return true;
}

bool KeyCapture::grabKeyboard(QWidget *window)
{
    QWindow *handle = window ? window->window()->windowHandle() : nullptr;
    return handle && handle->isExposed() && handle->setKeyboardGrabEnabled(true);
}

void KeyCapture::releaseKeyboard(QWidget *window)
{
    if (QWindow *handle = window ? window->window()->windowHandle() : nullptr)
        handle->setKeyboardGrabEnabled(false);
}

bool KeyCapture::concerns(QObject *watched) const
{
    if (!m_applicationWide)
        return watched == m_target;
    // Application-wide, a key event is seen first on its window and then on
    // each widget it is passed up to: take it once, where it is delivered.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    QWidget *focus = QApplication::focusWidget();
    return focus ? widget == focus : widget == widget->window();
}

bool KeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_active || !concerns(watched))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Accepted, the key comes as a key press rather than a shortcut.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        handle(*static_cast<QKeyEvent *>(event));
        return true;
    default:
        return false;
    }
}

void KeyCapture::handle(const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    const bool release = event.type() == QEvent::KeyRelease;
    int code = 0;
    int flags = 0;
    if (!translate(event.nativeScanCode(), release, code, flags))
        return;
    const quint64 rawTime = event.timestamp();
    const qint64 time = rawTime ? qint64(rawTime) : m_clock.elapsed();

    if (!release && m_releaseHeld && m_heldRelease.code == code && rawTime != 0 && m_heldReleaseRawTime == rawTime) {
        // X11's unflagged auto-repeat: the release and this press cancel out.
        m_releaseHeld = false;
        m_releaseTimer.stop();
        return;
    }
    flushRelease();
    if (release) {
        m_heldRelease = {code, flags, time};
        m_heldReleaseRawTime = rawTime;
        m_releaseHeld = true;
        m_releaseTimer.start();
        return;
    }
    emit keyCaptured(code, flags, time);
}

void KeyCapture::flushRelease()
{
    m_releaseTimer.stop();
    if (!m_releaseHeld)
        return;
    m_releaseHeld = false;
    emit keyCaptured(m_heldRelease.code, m_heldRelease.flags, m_heldRelease.timestampMs);
}
