#pragma once

#include "config/appprofilerules.h"
#include "platform/activewindowwatcher.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>

// Decides from the rules, the focused application and the running programs
// which profile the mouse should use, and asks for the switch once the
// decision has held for a moment: a quick Alt+Tab through a game sends
// nothing.
//
// A switch is not asked for while an upload or a switch runs (the latest
// decision is taken once it has ended) or while the mouse is asleep or off;
// the reason is told through status(). Edits the window holds and has not
// applied do not hold a switch up: the switch drops them, as the mouse's own
// profile button does, and the window says so.
class AppProfileSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 300;

    // What the switcher asks of the program around it.
    struct Hooks {
        std::function<int()> activeSlot;
        std::function<bool()> busy;                 // an upload or switch runs
        std::function<void(std::function<void()>)> whenIdle;
        std::function<bool()> mouseAvailable;       // open and awake
        std::function<void(int)> switchTo;          // the one switch path
    };

    explicit AppProfileSwitcher(Hooks hooks, QObject *parent = nullptr);

    void setRules(const AppProfileRules &rules);
    const AppProfileRules &rules() const { return m_rules; }

    // The program's own windows are neutral: focusing the window to edit a
    // profile neither matches a rule nor brings the default back.
    void setOwnProcess(qint64 pid) { m_ownPid = pid; }

    void focusChanged(const WindowApp &app);
    void runningChanged(const QSet<QString> &running);

    // The slot the rules ask for now (AppProfileRules::kStay for none).
    int wanted() const;
    bool settling() const { return m_settle.isActive(); }

signals:
    // Why a switch the rules asked for did not happen, or an empty text
    // once one has.
    void status(const QString &text);
    // The switch to `slot` was asked for, because of `application`.
    void switched(int slot, const QString &application);

private:
    void decideSoon();
    void attempt();
    QString reasonApp() const;

    Hooks m_hooks;
    AppProfileRules m_rules;
    QStringList m_focused;
    QSet<QString> m_running;
    qint64 m_ownPid = 0;
    QTimer m_settle;
    bool m_waitingForIdle = false;
};
