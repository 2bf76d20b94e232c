#include "appprofilerules.h"

#include "iniscan.h"
#include "settingsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kDefaultKey = QStringLiteral("AppProfiles/Default");
const QString kRulesArray = QStringLiteral("Rules");
const QString kApplication = QStringLiteral("Application");
const QString kProfile = QStringLiteral("Profile");
const QString kTrigger = QStringLiteral("Trigger");
const QString kStayText = QStringLiteral("stay");
const int kProfiles = 5;
// Process names as /proc lists them are cut to this many bytes.
const int kCommLength = 15;

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// "1".."5" into 0..4.
bool parseProfileNumber(const QString &text, int *slot)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (!ok || number < 1 || number > kProfiles)
        return false;
    *slot = number - 1;
    return true;
}

} // namespace

QString AppProfileRules::triggerName(AppProfileRule::Trigger trigger)
{
    return trigger == AppProfileRule::Trigger::Running ? QStringLiteral("running") : QStringLiteral("focus");
}

bool AppProfileRules::parseTrigger(const QString &text, AppProfileRule::Trigger *trigger)
{
    if (sameName(text.trimmed(), QStringLiteral("focus")))
        *trigger = AppProfileRule::Trigger::Focus;
    else if (sameName(text.trimmed(), QStringLiteral("running")))
        *trigger = AppProfileRule::Trigger::Running;
    else
        return false;
    return true;
}

bool AppProfileRules::parseDefault(const QString &text, int *slot)
{
    if (sameName(text.trimmed(), kStayText)) {
        *slot = kStay;
        return true;
    }
    return parseProfileNumber(text, slot);
}

QString AppProfileRules::defaultName(int slot) { return slot == kStay ? kStayText : QString::number(slot + 1); }

bool AppProfileRules::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists()) {
        *this = AppProfileRules();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    const IniScan::Report report = IniScan::inspect(file.readAll());
    if (!report.clean()) {
        *error = QStringLiteral("%1 is malformed: it holds lines the settings library cannot read").arg(path);
        return false;
    }

    QSettings settings(path, QSettings::IniFormat);
    AppProfileRules read;
    const QString defaultText = settings.value(kDefaultKey, kStayText).toString();
    if (!parseDefault(defaultText, &read.defaultSlot)) {
        *error = QStringLiteral("%1: the default \"%2\" is neither stay nor a profile 1..5").arg(path, defaultText);
        return false;
    }
    const int count = settings.beginReadArray(kRulesArray);
    if (count < 0 || count > kMaxRules) {
        settings.endArray();
        *error = QStringLiteral("%1: %2 rules is not a count this file can hold").arg(path).arg(count);
        return false;
    }
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        AppProfileRule rule;
        rule.application = settings.value(kApplication).toString().trimmed();
        const QString profile = settings.value(kProfile).toString();
        const QString trigger = settings.value(kTrigger, QStringLiteral("focus")).toString();
        QString problem;
        if (rule.application.isEmpty())
            problem = QStringLiteral("no application");
        else if (!parseProfileNumber(profile, &rule.slot))
            problem = QStringLiteral("profile \"%1\" is not 1..5").arg(profile);
        else if (!parseTrigger(trigger, &rule.trigger))
            problem = QStringLiteral("trigger \"%1\" is neither focus nor running").arg(trigger);
        if (!problem.isEmpty()) {
            settings.endArray();
            *error = QStringLiteral("%1: rule %2: %3").arg(path).arg(i + 1).arg(problem);
            return false;
        }
        read.rules.append(rule);
    }
    settings.endArray();
    *this = read;
    return true;
}

bool AppProfileRules::save(const QString &path, QString *error) const
{
    std::unique_ptr<QSettings> settings = SettingsFile::openForWriting(path);
    // The whole set replaces what the file held: no rule of a longer list
    // stays behind past the new count.
    settings->clear();
    settings->setValue(kDefaultKey, defaultName(defaultSlot));
    settings->beginWriteArray(kRulesArray, int(rules.size()));
    for (int i = 0; i < rules.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(kApplication, rules.at(i).application);
        settings->setValue(kProfile, rules.at(i).slot + 1);
        settings->setValue(kTrigger, triggerName(rules.at(i).trigger));
    }
    settings->endArray();
    if (!SettingsFile::commit(*settings)) {
        *error = QStringLiteral("%1 could not be written").arg(path);
        return false;
    }
    return true;
}

int AppProfileRules::indexOf(const QString &application) const
{
    for (int i = 0; i < rules.size(); ++i) {
        if (sameName(rules.at(i).application, application.trimmed()))
            return i;
    }
    return -1;
}

bool AppProfileRules::set(const QString &application, int slot, AppProfileRule::Trigger trigger)
{
    const QString name = application.trimmed();
    if (name.isEmpty() || slot < 0 || slot >= kProfiles)
        return false;
    const int index = indexOf(name);
    if (index >= 0) {
        rules[index].slot = slot;
        rules[index].trigger = trigger;
    } else {
        if (rules.size() >= kMaxRules)
            return false;
        rules.append({name, slot, trigger});
    }
    return true;
}

bool AppProfileRules::remove(const QString &application)
{
    const int index = indexOf(application);
    if (index < 0)
        return false;
    rules.removeAt(index);
    return true;
}

bool AppProfileRules::runningNameMatches(const QString &ruleName, const QString &name)
{
    if (sameName(ruleName, name))
        return true;
    // Only the kernel's short name may be known (another user's process):
    // a long rule name matches its first 15 bytes.
    return name.size() == kCommLength && ruleName.size() > kCommLength
        && sameName(ruleName.left(kCommLength), name);
}

int AppProfileRules::slotFor(const QStringList &focusedNames, const QSet<QString> &running) const
{
    for (const AppProfileRule &rule : rules) {
        if (rule.trigger != AppProfileRule::Trigger::Focus)
            continue;
        for (const QString &name : focusedNames) {
            if (!name.isEmpty() && sameName(rule.application, name))
                return rule.slot;
        }
    }
    for (const AppProfileRule &rule : rules) {
        if (rule.trigger != AppProfileRule::Trigger::Running)
            continue;
        for (const QString &name : running) {
            if (runningNameMatches(rule.application, name))
                return rule.slot;
        }
    }
    return defaultSlot;
}

bool AppProfileRules::hasRunningRules() const
{
    for (const AppProfileRule &rule : rules) {
        if (rule.trigger == AppProfileRule::Trigger::Running)
            return true;
    }
    return false;
}
