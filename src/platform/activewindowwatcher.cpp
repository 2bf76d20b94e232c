#include "activewindowwatcher.h"

#include "platformlog.h"
#include "runningprograms.h"

#include <QSet>
#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// The bytes of property `property` of `window`, at most `maxWords` 32-bit
// words; empty when absent.
QByteArray windowProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                    uint32_t maxWords)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, maxWords), nullptr);
    QByteArray bytes;
    if (reply && reply->format != 0) {
        const int length = xcb_get_property_value_length(reply);
        bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)), length);
    }
    free(reply);
    return bytes;
}

quint32 firstWord(const QByteArray &bytes)
{
    if (bytes.size() < 4)
        return 0;
    quint32 value = 0;
    memcpy(&value, bytes.constData(), 4);
    return value;
}

} // namespace

QStringList WindowApp::names() const
{
    QStringList list;
    for (const QString &name : {windowClass, instance, executable}) {
        if (!name.isEmpty() && !list.contains(name, Qt::CaseInsensitive))
            list.append(name);
    }
    return list;
}

struct ActiveWindowWatcher::Connection {
    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t activeWindow = 0;
    xcb_atom_t wmPid = 0;
    xcb_atom_t clientList = 0;

    ~Connection()
    {
        if (c)
            xcb_disconnect(c);
    }
};

ActiveWindowWatcher::ActiveWindowWatcher(const QString &procRoot, QObject *parent)
    : QObject(parent)
    , m_procRoot(procRoot)
{
}

ActiveWindowWatcher::~ActiveWindowWatcher() { stop(); }

bool ActiveWindowWatcher::running() const { return m_x != nullptr; }

bool ActiveWindowWatcher::start(const QByteArray &display)
{
    stop();
    const QByteArray name = display.isEmpty() ? qgetenv("DISPLAY") : display;
    if (name.isEmpty()) {
        m_reason = QStringLiteral("no X display (DISPLAY is not set)");
        return false;
    }
    auto x = std::make_unique<Connection>();
    int screenNumber = 0;
    x->c = xcb_connect(name.constData(), &screenNumber);
    if (xcb_connection_has_error(x->c)) {
        m_reason = QStringLiteral("the X display %1 cannot be reached").arg(QString::fromLocal8Bit(name));
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x->c));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        m_reason = QStringLiteral("the X display has no screen %1").arg(screenNumber);
        return false;
    }
    x->root = screens.data->root;
    x->activeWindow = internAtom(x->c, "_NET_ACTIVE_WINDOW");
    x->wmPid = internAtom(x->c, "_NET_WM_PID");
    x->clientList = internAtom(x->c, "_NET_CLIENT_LIST");
    // Property changes of the root window only: a few events per focus
    // change, none while nothing happens.
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(x->c, x->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x->c);
    m_x = std::move(x);
    m_reason.clear();
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_x->c), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ActiveWindowWatcher::readEvents);
    readActive();
    return true;
}

void ActiveWindowWatcher::stop()
{
    delete m_notifier;
    m_notifier = nullptr;
    m_x.reset();
}

void ActiveWindowWatcher::readEvents()
{
    if (!m_x)
        return;
    // Reading a reply may pull further events into the library's queue
    // without the socket becoming readable again: drain until a pass finds
    // no change of the focused window.
    while (m_x) {
        bool activeChangedNow = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_x->c)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                auto *notify = reinterpret_cast<xcb_property_notify_event_t *>(event);
                if (notify->window == m_x->root && notify->atom == m_x->activeWindow)
                    activeChangedNow = true;
            }
            free(event);
        }
        if (xcb_connection_has_error(m_x->c)) {
            qCWarning(lcPlatform, "the X display closed; the focused application is no longer followed");
            m_reason = QStringLiteral("the X display closed");
            stop();
            return;
        }
        if (!activeChangedNow)
            return;
        readActive();
    }
}

void ActiveWindowWatcher::readActive()
{
    const quint32 window = firstWord(windowProperty(m_x->c, m_x->root, m_x->activeWindow, XCB_ATOM_WINDOW, 1));
    const WindowApp app = window ? describe(window) : WindowApp();
    if (app == m_active)
        return;
    m_active = app;
    emit activeChanged(m_active);
}

WindowApp ActiveWindowWatcher::describe(quint32 window)
{
    WindowApp app;
    app.window = window;
    // WM_CLASS: instance and class, each ending in a zero byte.
    const QList<QByteArray> parts = windowProperty(m_x->c, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 256).split('\0');
    app.instance = QString::fromLocal8Bit(parts.value(0));
    app.windowClass = QString::fromLocal8Bit(parts.value(1));
    app.pid = firstWord(windowProperty(m_x->c, window, m_x->wmPid, XCB_ATOM_CARDINAL, 1));
    if (app.pid > 0)
        app.executable = RunningPrograms::executableName(m_procRoot, app.pid);
    return app;
}

QList<WindowApp> ActiveWindowWatcher::applications()
{
    QList<WindowApp> list;
    if (!m_x)
        return list;
    QList<quint32> windows;
    const QByteArray clients = windowProperty(m_x->c, m_x->root, m_x->clientList, XCB_ATOM_WINDOW, 4096);
    for (int i = 0; i + 4 <= clients.size(); i += 4)
        windows.append(firstWord(clients.mid(i, 4)));
    if (windows.isEmpty()) {
        // No window manager keeps a list: the top-level windows.
        xcb_query_tree_reply_t *tree = xcb_query_tree_reply(m_x->c, xcb_query_tree(m_x->c, m_x->root), nullptr);
        if (tree) {
            const xcb_window_t *children = xcb_query_tree_children(tree);
            for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
                windows.append(children[i]);
            free(tree);
        }
    }
    QSet<QString> seen;
    for (quint32 window : windows) {
        const WindowApp app = describe(window);
        const QString key = app.windowClass.toLower();
        if (app.windowClass.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        list.append(app);
    }
    return list;
}
