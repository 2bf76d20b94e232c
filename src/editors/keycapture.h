#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QKeyEvent;
class QWidget;

// One key as the key dialogs and the macro recorder see it: the program's
// key code (keytables.h, renumbered), kExtendedFlag | kReleaseFlag
// (scancodes.h) and when it happened.
struct CapturedKey {
    int code = 0;
    int flags = 0;
    qint64 timestampMs = 0;
};

// Captures keys for the key dialogs and the macro recorder, the stand-in for
// a low-level keyboard hook: an event filter on one widget, or on the
// application (every widget's keys), that reads the event's native scan code
// and reports (key code, flags, time).
//
// While active it swallows every key it sees, so that Esc, Return, Space and
// Tab are captured like any other key instead of closing the dialog, pressing
// a button or moving the focus, and shortcuts do not fire.
//
// Auto-repeat is dropped: events Qt flags as repeats, and the release and
// press with the same timestamp that X11 sends for a repeat it did not flag.
// A release is therefore reported a moment late (when the next key arrives
// or kReleaseHoldMs later), always before anything that followed it.
class KeyCapture : public QObject {
    Q_OBJECT
public:
    static constexpr int kReleaseHoldMs = 30;

    explicit KeyCapture(QObject *parent = nullptr);
    ~KeyCapture() override;

    // Watches the keys sent to `target` (a widget), or to every widget when
    // `target` is the application. One target at a time.
    void watch(QObject *target);
    void stopWatching();

    // Inactive, keys pass untouched. Active from construction.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Translates one key event; false for events to ignore (synthetic events
    // without a scan code, keys the program has no code for).
    static bool translate(quint32 nativeScanCode, bool release, int &code, int &flags);

    // Grabs the keyboard for `window`'s top-level window, so that keys the
    // desktop would take (Alt+Tab, Super) reach it. Works on X11 once the
    // window is shown; false where it cannot (Wayland, offscreen).
    static bool grabKeyboard(QWidget *window);
    static void releaseKeyboard(QWidget *window);

signals:
    void keyCaptured(int code, int flags, qint64 timestampMs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool concerns(QObject *watched) const;
    void handle(const QKeyEvent &event);
    void flushRelease();

    QObject *m_target = nullptr;
    bool m_applicationWide = false;
    bool m_active = true;
    bool m_releaseHeld = false;
    CapturedKey m_heldRelease;
    quint64 m_heldReleaseRawTime = 0;
    QTimer m_releaseTimer;
    QElapsedTimer m_clock;
};
