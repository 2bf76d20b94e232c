#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QSocketNotifier;

// The application a window belongs to: its window class (both parts of
// WM_CLASS) and the name of its executable, from the window's process id.
struct WindowApp {
    QString instance;      // WM_CLASS, first part ("steam")
    QString windowClass;   // WM_CLASS, second part ("Steam")
    QString executable;    // lower case, empty when the window names no process
    qint64 pid = 0;
    quint32 window = 0;

    bool isEmpty() const { return window == 0; }
    // The names a rule may use for it.
    QStringList names() const;
    bool operator==(const WindowApp &o) const
    {
        return window == o.window && instance == o.instance && windowClass == o.windowClass
            && executable == o.executable && pid == o.pid;
    }
};

// Follows the focused window of an X display: the window manager announces
// it in the root window's _NET_ACTIVE_WINDOW property, and a change of that
// property arrives as an event; nothing is polled. The watcher keeps its own
// connection to the display (from DISPLAY), watched by a socket notifier, so
// it also serves when the program's windows are shown another way (the
// offscreen platform, or a Wayland session whose games run on XWayland).
class ActiveWindowWatcher : public QObject {
    Q_OBJECT
public:
    // `procRoot`: where process ids are looked up for executable names.
    explicit ActiveWindowWatcher(const QString &procRoot = QStringLiteral("/proc"), QObject *parent = nullptr);
    ~ActiveWindowWatcher() override;

    // Connects to `display` (empty: DISPLAY) and starts following it;
    // false with reason() when there is no X display to follow.
    bool start(const QByteArray &display = QByteArray());
    void stop();
    bool running() const;
    QString reason() const { return m_reason; }

    WindowApp active() const { return m_active; }
    // The applications that have windows now (the window manager's client
    // list, else the top-level windows that carry a class), one entry per
    // window class.
    QList<WindowApp> applications();

signals:
    // The focused window changed to one of another application or to none.
    void activeChanged(const WindowApp &app);

private:
    struct Connection;
    void readEvents();
    void readActive();
    WindowApp describe(quint32 window);

    QString m_procRoot;
    std::unique_ptr<Connection> m_x;
    QSocketNotifier *m_notifier = nullptr;
    WindowApp m_active;
    QString m_reason;
};
