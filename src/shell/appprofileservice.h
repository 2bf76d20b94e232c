#pragma once

#include "appprofileswitcher.h"

#include "config/appprofilerules.h"

#include <QObject>
#include <QString>

class ActiveWindowWatcher;
class QFileSystemWatcher;
class QWidget;
class RunningPrograms;
class SkinLabel;
class SkinButton;

// The profile per application: reads the rules from Configs/AppProfiles.ini
// (again whenever the file changes, as after the command line's
// app-profile), follows the focused window and the running programs, and
// lets the switcher pick the profile. Its status line in the window tells
// why a switch did not happen.
class AppProfileService : public QObject {
    Q_OBJECT
public:
    // `window`: where the status line and the dialog go. `procRoot`: the
    // process table ("/proc"; tests give their own).
    AppProfileService(QWidget *window, AppProfileSwitcher::Hooks hooks,
                      const QString &procRoot = QStringLiteral("/proc"), QObject *parent = nullptr);
    ~AppProfileService() override;

    // Whether the current session can follow the focused window, and if
    // not, why (said once in the log, and in the rules dialog).
    bool focusFollowed() const;
    QString focusUnavailableReason() const;

    // Reads the rules file again; false (with the reason shown in the status
    // line and logged) when it is malformed: the rules in force stay and the
    // file is left as it is.
    bool reloadRules();
    QString ruleError() const { return m_ruleError; }

    // The "Application profiles" dialog, modal; writes the file when
    // accepted.
    void openDialog();

    // Places the status line and the dialog's button (after every layout
    // pass of the window) and sets their texts.
    void layout();
    // The window's status line: why a switch did not happen, and the
    // window's own one-line notes. An empty text hides it.
    void showStatus(const QString &text);
    QString statusText() const;
    SkinButton *dialogButton() const { return m_open; }

    AppProfileSwitcher &switcher() { return *m_switcher; }
    ActiveWindowWatcher &watcher() { return *m_watcher; }
    RunningPrograms &running() { return *m_running; }

signals:
    // An on-screen text, as for the mouse's own profile button.
    void announce(const QString &text);

private:
    void takeRules(const AppProfileRules &rules);

    QWidget *m_window;
    AppProfileSwitcher *m_switcher = nullptr;
    ActiveWindowWatcher *m_watcher = nullptr;
    RunningPrograms *m_running = nullptr;
    QFileSystemWatcher *m_fileWatcher = nullptr;
    SkinLabel *m_status = nullptr;
    SkinButton *m_open = nullptr;
    QString m_ruleError;
};
