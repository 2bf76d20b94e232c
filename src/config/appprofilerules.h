#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Which on-board profile goes with which application: an ordered list of
// rules and what happens when none matches. Kept in Configs/AppProfiles.ini
// beside the settings, read and written by the window's rules dialog and by
// the command line alike.
//
// An application is named by its window class or its executable's name;
// names compare without regard to letter case. A Focus rule matches while a
// window of the application has the focus; a Running rule while the
// program runs at all. A matching Focus rule wins over any Running rule;
// among rules of one kind the first in the list wins.
struct AppProfileRule {
    enum class Trigger { Focus, Running };

    QString application;
    int slot = 0;   // 0..4
    Trigger trigger = Trigger::Focus;

    bool operator==(const AppProfileRule &o) const
    {
        return application == o.application && slot == o.slot && trigger == o.trigger;
    }
};

class AppProfileRules {
public:
    // No rule matches and the default is to stay: no switch.
    static constexpr int kStay = -1;
    // More rules than anyone keeps by hand: a larger count is a broken file.
    static constexpr int kMaxRules = 500;

    QList<AppProfileRule> rules;
    int defaultSlot = kStay;   // kStay or 0..4

    bool operator==(const AppProfileRules &o) const { return rules == o.rules && defaultSlot == o.defaultSlot; }

    // Reads `path`. A missing file is an empty set (no rules, stay). A
    // malformed file (lines the settings library cannot parse, a profile
    // outside 1..5, an unknown trigger, an empty application) is refused:
    // false, the reason in `error`, *this unchanged.
    bool load(const QString &path, QString *error);
    // Writes the whole set atomically; false with a reason when the file
    // could not be written. A file that was malformed is kept as <file>.bak
    // first.
    bool save(const QString &path, QString *error) const;

    // Index of the rule naming `application`, or -1.
    int indexOf(const QString &application) const;
    // Replaces the rule of `application` or appends one; false for an empty
    // name or a slot outside 0..4.
    bool set(const QString &application, int slot, AppProfileRule::Trigger trigger);
    bool remove(const QString &application);

    // The slot to use when an application known by `focusedNames` (window
    // class, executable; empty when nothing of interest has the focus) has
    // the focus and the programs `running` (executable names, lower case)
    // run. kStay when nothing matches and the default is to stay.
    int slotFor(const QStringList &focusedNames, const QSet<QString> &running) const;
    // Whether any rule needs the list of running programs.
    bool hasRunningRules() const;
    // Whether a Running rule's name matches the executable name `name` as
    // the system lists it (lower case; the kernel cuts it to 15 bytes).
    static bool runningNameMatches(const QString &ruleName, const QString &name);

    static QString triggerName(AppProfileRule::Trigger trigger);   // "focus", "running"
    static bool parseTrigger(const QString &text, AppProfileRule::Trigger *trigger);
    // "stay" or "1".."5" into kStay or 0..4; false for anything else.
    static bool parseDefault(const QString &text, int *slot);
    static QString defaultName(int slot);
};
