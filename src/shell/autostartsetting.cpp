#include "autostartsetting.h"

#include "platform/autostartentry.h"
#include "widgets/uilog.h"

#include <QCoreApplication>
#include <QDebug>

AutostartSetting::AutostartSetting(QObject *parent)
    : QObject(parent)
    , m_program(QCoreApplication::applicationFilePath())
{
}

bool AutostartSetting::isEnabled() const { return AutostartEntry::isEnabled(); }

void AutostartSetting::setEnabled(bool enabled)
{
    QString error;
    const bool done = enabled ? AutostartEntry::enable(m_program, &error) : AutostartEntry::disable(&error);
    if (!done)
        qCDebug(lcUi).noquote() << "autostart entry:" << error;
    emit changed(isEnabled());
}
