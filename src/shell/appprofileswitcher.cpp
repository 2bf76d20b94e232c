#include "appprofileswitcher.h"

#include "osdtexts.h"

#include <QCoreApplication>
#include <QPointer>

AppProfileSwitcher::AppProfileSwitcher(Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
{
    m_settle.setSingleShot(true);
    // A coarse timer may run 5 % late: 15 ms of the switch's budget.
    m_settle.setTimerType(Qt::PreciseTimer);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &AppProfileSwitcher::attempt);
}

void AppProfileSwitcher::setRules(const AppProfileRules &rules)
{
    m_rules = rules;
    decideSoon();
}

void AppProfileSwitcher::focusChanged(const WindowApp &app)
{
    if (m_ownPid != 0 && app.pid == m_ownPid)
        return;
    m_focused = app.names();
    decideSoon();
}

void AppProfileSwitcher::runningChanged(const QSet<QString> &running)
{
    m_running = running;
    decideSoon();
}

int AppProfileSwitcher::wanted() const { return m_rules.slotFor(m_focused, m_running); }

void AppProfileSwitcher::decideSoon()
{
    // Every change starts the wait again: only a decision that holds for
    // the whole wait is sent.
    m_settle.start();
}

QString AppProfileSwitcher::reasonApp() const
{
    for (const AppProfileRule &rule : m_rules.rules) {
        if (rule.trigger == AppProfileRule::Trigger::Focus && m_focused.contains(rule.application, Qt::CaseInsensitive))
            return rule.application;
    }
    for (const AppProfileRule &rule : m_rules.rules) {
        if (rule.trigger != AppProfileRule::Trigger::Running)
            continue;
        for (const QString &name : m_running) {
            if (AppProfileRules::runningNameMatches(rule.application, name))
                return rule.application;
        }
    }
    return QString();
}

void AppProfileSwitcher::attempt()
{
    const int slot = wanted();
    if (slot == AppProfileRules::kStay || slot == m_hooks.activeSlot())
        return;
    if (m_hooks.busy()) {
        // Once the upload has ended the decision of that moment is taken,
        // whatever changed meanwhile.
        if (!m_waitingForIdle) {
            m_waitingForIdle = true;
            QPointer<AppProfileSwitcher> self = this;
            m_hooks.whenIdle([self] {
                if (!self)
                    return;
                self->m_waitingForIdle = false;
                self->attempt();
            });
        }
        return;
    }
    const QString profile = OsdTexts::profile(slot);
    if (!m_hooks.mouseAvailable()) {
        emit status(QCoreApplication::translate("AppProfiles", "%1 not chosen: the mouse is asleep or not connected.")
                        .arg(profile));
        return;
    }
    // Cleared first: the switch may leave a line of its own.
    emit status(QString());
    m_hooks.switchTo(slot);
    emit switched(slot, reasonApp());
}
