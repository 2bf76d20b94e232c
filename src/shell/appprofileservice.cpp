#include "appprofileservice.h"

#include "appprofilesdialog.h"
#include "osdtexts.h"

#include "config/paths.h"
#include "platform/activewindowwatcher.h"
#include "platform/runningprograms.h"
#include "widgets/languagefont.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/skin.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>

namespace {

// Between the pages and the footer buttons.
const QRect kStatusLine(285, 561, 390, 22);
// Under the profile indicators, in line with them.
const QRect kDialogButton(81, 372, 130, 22);

} // namespace

AppProfileService::AppProfileService(QWidget *window, AppProfileSwitcher::Hooks hooks, const QString &procRoot,
                                     QObject *parent)
    : QObject(parent)
    , m_window(window)
{
    m_switcher = new AppProfileSwitcher(std::move(hooks), this);
    m_switcher->setOwnProcess(QCoreApplication::applicationPid());
    m_watcher = new ActiveWindowWatcher(procRoot, this);
    m_running = new RunningPrograms(procRoot, this);
    connect(m_watcher, &ActiveWindowWatcher::activeChanged, m_switcher, &AppProfileSwitcher::focusChanged);
    connect(m_running, &RunningPrograms::changed, m_switcher, &AppProfileSwitcher::runningChanged);
    connect(m_switcher, &AppProfileSwitcher::status, this, &AppProfileService::showStatus);
    connect(m_switcher, &AppProfileSwitcher::switched, this,
            [this](int slot, const QString &) { emit announce(OsdTexts::profile(slot)); });

    m_status = new SkinLabel(window);
    m_status->setObjectName(QStringLiteral("appProfileStatus"));
    m_status->setStyleSheet(QStringLiteral("color:rgb(230,180,90);background:transparent;"));
    m_status->hide();
    m_open = new SkinButton(window);
    m_open->setObjectName(QStringLiteral("appProfiles"));
    m_open->setPictures({Skin::path(QStringLiteral("tabbutton-1.png")), Skin::path(QStringLiteral("tabbutton-3.png")),
                         Skin::path(QStringLiteral("tabbutton-2.png"))});
    m_open->setSliceBorder(8);
    connect(m_open, &QPushButton::clicked, this, &AppProfileService::openDialog);

    if (!m_watcher->start())
        qCInfo(lcUi, "application profiles: the focused window cannot be followed here (%s); "
                     "rules that follow running programs still work\n",
               qPrintable(m_watcher->reason()));

    // The command line writes the file beside the settings; the folder is
    // watched because an atomic write replaces the file itself.
    m_fileWatcher = new QFileSystemWatcher(this);
    m_fileWatcher->addPath(QFileInfo(Paths::appProfilesFile()).absolutePath());
    connect(m_fileWatcher, &QFileSystemWatcher::directoryChanged, this, [this] { reloadRules(); });
    reloadRules();
}

AppProfileService::~AppProfileService() = default;

bool AppProfileService::focusFollowed() const { return m_watcher->running(); }

QString AppProfileService::focusUnavailableReason() const
{
    if (m_watcher->running())
        return QString();
    return QCoreApplication::translate(
        "AppProfiles",
        "This session does not tell which window has the focus (no X display), so focus rules do not "
        "apply here; rules for running programs do.");
}

bool AppProfileService::reloadRules()
{
    AppProfileRules rules;
    QString error;
    if (!rules.load(Paths::appProfilesFile(), &error)) {
        if (error != m_ruleError) {
            qCWarning(lcUi, "application profiles: %s; the rules in force stay", qPrintable(error));
            m_ruleError = error;
            showStatus(QCoreApplication::translate("AppProfiles", "Application profiles not read: %1").arg(error));
        }
        return false;
    }
    if (!m_ruleError.isEmpty()) {
        m_ruleError.clear();
        showStatus(QString());
    }
    if (!(rules == m_switcher->rules()))
        takeRules(rules);
    return true;
}

void AppProfileService::takeRules(const AppProfileRules &rules)
{
    m_switcher->setRules(rules);
    // The process table is read only while a rule needs it.
    m_running->setWatching(rules.hasRunningRules());
}

void AppProfileService::openDialog()
{
    AppProfileRules rules;
    QString error;
    if (!rules.load(Paths::appProfilesFile(), &error)) {
        AppProfilesDialog::showError(m_window, error);
        return;
    }
    AppProfilesDialog dialog(rules, focusUnavailableReason(), m_window);
    QPointer<ActiveWindowWatcher> watcher = m_watcher;
    dialog.setApplicationSource([watcher] { return watcher ? watcher->applications() : QList<WindowApp>(); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!dialog.rules().save(Paths::appProfilesFile(), &error)) {
        AppProfilesDialog::showError(m_window, error);
        return;
    }
    reloadRules();
}

void AppProfileService::layout()
{
    m_status->setFont(LanguageFont::current(12));
    m_status->setGeometry(UiScale::scaled(kStatusLine));
    m_open->setFont(LanguageFont::current(12));
    m_open->setText(QCoreApplication::translate("AppProfiles", "Application profiles"));
    m_open->setGeometry(UiScale::scaled(kDialogButton));
}

QString AppProfileService::statusText() const { return m_status->text(); }

void AppProfileService::showStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setToolTip(text);
    m_status->setVisible(!text.isEmpty());
}
