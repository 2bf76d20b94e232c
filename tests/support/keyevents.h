#pragma once

#include <QCoreApplication>
#include <QKeyEvent>

// Key events as X11 and Wayland deliver them: with the native scan code
// (evdev code + 8) that QTest::keyClick leaves at 0, and a timestamp.
inline QKeyEvent nativeKeyEvent(QEvent::Type type, int evdev, ulong timestampMs, bool autoRepeat = false,
                                int qtKey = 0)
{
    QKeyEvent event(type, qtKey, Qt::NoModifier, quint32(evdev ? evdev + 8 : 0), 0, 0, QString(), autoRepeat);
    event.setTimestamp(timestampMs);
    return event;
}

// Sends one native key event to `target`; true when the target (or a
// filter) took it.
inline bool sendNativeKey(QObject *target, QEvent::Type type, int evdev, ulong timestampMs = 0,
                          bool autoRepeat = false, int qtKey = 0)
{
    QKeyEvent event = nativeKeyEvent(type, evdev, timestampMs, autoRepeat, qtKey);
    event.ignore();
    return QCoreApplication::sendEvent(target, &event);
}
