#pragma once

#include "config/appprofilerules.h"
#include "platform/activewindowwatcher.h"
#include "widgets/skinneddialog.h"

#include <functional>

class QComboBox;
class QLabel;
class QTreeWidget;
class SkinButton;

// "Application profiles": the ordered rules (application, profile, when),
// with add (an application that has windows now, or a typed name), remove,
// move up and down, and what happens when no rule matches. Works on a copy
// of the rules; the caller writes them when the dialog is accepted.
class AppProfilesDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // `focusNote`: why focus rules do not apply in this session, or empty.
    AppProfilesDialog(const AppProfileRules &rules, const QString &focusNote, QWidget *parent = nullptr);

    // Where the picker takes the applications that have windows now.
    void setApplicationSource(std::function<QList<WindowApp>()> source);

    AppProfileRules rules() const { return m_rules; }

    // A message box for a rules file that cannot be read or written.
    static void showError(QWidget *parent, const QString &error);

    // The controls, for tests.
    QTreeWidget *list() const { return m_list; }
    QComboBox *applicationField() const { return m_application; }
    QComboBox *profileChoice() const { return m_profile; }
    QComboBox *triggerChoice() const { return m_trigger; }
    QComboBox *defaultChoice() const { return m_default; }
    SkinButton *addButton() const { return m_add; }
    SkinButton *removeButton() const { return m_remove; }
    SkinButton *upButton() const { return m_up; }
    SkinButton *downButton() const { return m_down; }
    QLabel *note() const { return m_note; }

private:
    void fillList(int select);
    void fillApplications();
    void takeSelection();
    void addRule();
    void removeRule();
    void moveRule(int step);

    AppProfileRules m_rules;
    std::function<QList<WindowApp>()> m_source;
    QLabel *m_note = nullptr;
    QTreeWidget *m_list = nullptr;
    QComboBox *m_application = nullptr;
    QComboBox *m_profile = nullptr;
    QComboBox *m_trigger = nullptr;
    QComboBox *m_default = nullptr;
    SkinButton *m_add = nullptr;
    SkinButton *m_remove = nullptr;
    SkinButton *m_up = nullptr;
    SkinButton *m_down = nullptr;
};
