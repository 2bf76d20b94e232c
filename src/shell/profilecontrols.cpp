#include "profilecontrols.h"

#include "applycontroller.h"
#include "windowcontrols.h"

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/profileexchange.h"
#include "config/profilelibrary.h"
#include "config/profilelibraryeditor.h"
#include "device/profileswitch.h"
#include "device/settingsowner.h"
#include "device/transport.h"
#include "platform/desktoppointerspeed.h"
#include "widgets/filedialoglook.h"
#include "widgets/uilog.h"
#include "widgets/uitheme.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinmessagebox.h"
#include "widgets/skinbutton.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QFileDialog>
#include <QMenu>

namespace {

const int kMenuDesignWidth = 150;

// The texts are the window's: they keep its catalogue context.
QString windowText(const char *text) { return QCoreApplication::translate("MainWindow", text); }

QString escapedForMenu(QString name) { return name.replace(QLatin1Char('&'), QStringLiteral("&&")); }

} // namespace

ProfileControls::ProfileControls(SettingsOwner &settings, WindowControls &controls, ApplyController &apply,
                                 QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_controls(controls)
    , m_apply(apply)
    , m_dialogParent(dialogParent)
{
    m_slotMenu = new QMenu(m_controls.profileMenu);
    m_controls.profileMenu->setMenu(m_slotMenu);
    m_libraryMenu = new QMenu(m_controls.library);
    m_controls.library->setMenu(m_libraryMenu);
    // Entries carry their name as data: a name with "&" is shown escaped.
    connect(m_libraryMenu, &QMenu::triggered, this,
            [this](QAction *action) { takeLibraryProfile(action->data().toString()); });

    m_chooseFile = [this](FileDialog dialog) { return runFileDialog(m_dialogParent, dialog); };
    connectButtons();
    retranslate();
}

void ProfileControls::connectButtons()
{
    const WindowControls &c = m_controls;
    const std::pair<SkinButton *, void (ProfileControls::*)()> operations[] = {
        {c.add, &ProfileControls::add},
        {c.remove, &ProfileControls::remove},
        {c.copy, &ProfileControls::copy},
        {c.reset, &ProfileControls::resetProfile},
        {c.resetAll, &ProfileControls::resetAll},
        {c.exportProfile, &ProfileControls::exportProfile},
        {c.importProfile, &ProfileControls::importProfile},
        {c.save, &ProfileControls::saveConfiguration},
        {c.load, &ProfileControls::loadConfiguration},
    };
    for (const auto &operation : operations)
        connect(operation.first, &QPushButton::clicked, this, operation.second);
    // Shown, an indicator chooses its profile; in the compact layout it only
    // shows the active one.
    for (int slot = 0; slot < int(c.indicators.size()); ++slot) {
        connect(c.indicators[size_t(slot)], &QPushButton::clicked, this, [this, slot] {
            if (m_controls.profileControlsShown) {
                switchSlot(slot);
                return;
            }
            emit recordChanged();
        });
    }
    connect(c.nameField, &QLineEdit::returnPressed, this, &ProfileControls::renameFromField);
}

void ProfileControls::reloadLibrary()
{
    m_library = ProfileLibrary::load();
    rebuildLibraryMenu();
}

void ProfileControls::retranslate()
{
    rebuildSlotMenu();
    showCurrent();
}

void ProfileControls::rebuildSlotMenu()
{
    m_slotMenu->clear();
    for (int slot = 0; slot < kProfileCount; ++slot) {
        QAction *action = m_slotMenu->addAction(
            WindowControls::numbered(windowText("Mode"), windowText(" %d"), slot + 1));
        connect(action, &QAction::triggered, this, [this, slot] { switchSlot(slot); });
    }
    UiTheme::styleMenu(m_slotMenu, kMenuDesignWidth);
}

void ProfileControls::rebuildLibraryMenu()
{
    m_libraryMenu->clear();
    if (m_library.size() > kLibraryMenuLimit)
        qCDebug(lcUi, "the library holds %d profiles; the menu offers the first %d", int(m_library.size()),
               kLibraryMenuLimit);
    for (const QString &name : m_library.mid(0, kLibraryMenuLimit)) {
        QAction *action = m_libraryMenu->addAction(escapedForMenu(name));
        action->setData(name);
    }
    UiTheme::styleMenu(m_libraryMenu, kMenuDesignWidth);
}

void ProfileControls::showCurrent()
{
    const int slot = m_settings.editing().profileIndex();
    if (slot < m_slotMenu->actions().size())
        m_controls.profileMenu->setText(m_slotMenu->actions().at(slot)->text());
    m_controls.nameField->setText(m_settings.editing().names[size_t(slot)]);
}

void ProfileControls::showProfileChange()
{
    showCurrent();
    rebuildLibraryMenu();
    emit recordChanged();
}

void ProfileControls::warn(const QString &text)
{
    SkinMessageBox box(SkinMessageBox::Warning, windowText("Warning"), text, m_dialogParent);
    box.exec();
}

bool ProfileControls::ask(const QString &text)
{
    SkinMessageBox box(SkinMessageBox::Question, windowText("Warning"), text, m_dialogParent);
    return box.exec() == QDialog::Accepted;
}

QString ProfileControls::chooseFile(FileDialog dialog)
{
    const QString path = m_chooseFile ? m_chooseFile(dialog) : QString();
    const bool profile = dialog == FileDialog::ExportProfile || dialog == FileDialog::ImportProfile;
    if (dialog == FileDialog::ExportProfile || dialog == FileDialog::SaveConfig)
        return ProfileExchange::withSuffix(path, profile ? QStringLiteral("prof") : QStringLiteral("conf"));
    return path;
}

QString ProfileControls::runFileDialog(QWidget *parent, FileDialog dialog)
{
    const bool saving = dialog == FileDialog::ExportProfile || dialog == FileDialog::SaveConfig;
    const bool profile = dialog == FileDialog::ExportProfile || dialog == FileDialog::ImportProfile;
    QString title;
    switch (dialog) {
    case FileDialog::ExportProfile: title = windowText("Save Profile File"); break;
    case FileDialog::ImportProfile: title = windowText("Load Profile File"); break;
    case FileDialog::SaveConfig: title = windowText("Save Config File"); break;
    case FileDialog::LoadConfig: title = windowText("Load Config File"); break;
    }
    QFileDialog chooser(parent, title, QString(),
                        profile ? windowText("Profile File(*.prof)") : windowText("Config File(*.conf)"));
    // The dialog asks before it replaces a file, with the suffix added.
    chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    chooser.setDefaultSuffix(profile ? QStringLiteral("prof") : QStringLiteral("conf"));
    FileDialogLook::apply(chooser);
    return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
}

// --- Operations ----------------------------------------------------------------

void ProfileControls::switchSlot(int slot)
{
    // The user's own switch keeps the edits of the profile left behind; the
    // upload after the switch saves them with the rest of the record.
    ProfileSwitchSteps steps;
    // The mouse is told first, so that the window's refresh does not delay
    // the switch; from a worker behind the busy dialog, so that a mouse that
    // does not answer cannot hold up the window.
    steps.send = [this](int profile) { return m_apply.switchProfile(profile); };
    steps.makeCurrent = [this](int profile) {
        makeProfileCurrent(profile, false);
        rebuildLibraryMenu();
    };
    bool tablesSent = false;
    steps.sendTables = [this, &tablesSent] {
        tablesSent = true;
        return sendProfileTables();
    };
    const int result = switchProfileThenSendTables(m_settings.mouse(), slot, steps);
    // The upload says itself what went wrong; a switch that never got as far
    // is said here, as the upload would have said it.
    if (!tablesSent && result != kTransferOk) {
        qCDebug(lcUi, "the mouse did not take the profile switch");
        ApplyController::showFailure(m_dialogParent, result);
    }
}

void ProfileControls::mouseSwitched(int slot)
{
    // Nobody chose in the window to leave the edits: they would otherwise
    // be saved by the upload that follows, or sent to the wrong profile.
    dropUnappliedEdits();
    makeProfileCurrent(slot, false);
    rebuildLibraryMenu();
}

void ProfileControls::makeProfileCurrent(int slot, bool reload)
{
    if (slot < 0 || slot >= kProfileCount)
        return;
    // The active slot is written below at once: no edit waiting for Apply.
    m_settings.changeBoth([slot](MouseConfig &config) { config.ProfileID = uint8_t(slot); });
    ProfileData &profile = m_settings.editing().profiles[size_t(slot)];
    if (reload)
        ProfileLibraryEditor::loadOrFactory(profile, m_settings.editing().names[size_t(slot)]);
    showCurrent();
    emit recordChanged();
    DesktopPointerSpeed::applyFrom(profile);
    if (!AppConfig::saveActiveProfileIndex(slot))
        qCWarning(lcUi, "the active profile could not be stored");
}

bool ProfileControls::dropUnappliedEdits()
{
    if (!m_settings.hasUnappliedEdits())
        return false;
    const int left = m_settings.editing().profileIndex();
    m_settings.dropEdits();
    emit editsDiscarded(left);
    return true;
}

int ProfileControls::sendProfileTables()
{
    // The mouse holds the tables of one profile: those of the profile now
    // active follow, or it would run one profile's report rate with another
    // profile's buttons and stages.
    return m_apply.upload(false);
}

void ProfileControls::takeLibraryProfile(const QString &name)
{
    ProfileLibraryEditor editor(m_settings.editing(), m_library);
    switch (editor.take(name)) {
    case ProfileLibraryEditor::Outcome::Done:
        showProfileChange();
        break;
    case ProfileLibraryEditor::Outcome::AlreadyUsed:
        warn(windowText("Profile is Already Used!"));
        break;
    default:
        warn(editor.reason());
        break;
    }
}

void ProfileControls::renameFromField()
{
    const QString wanted = m_controls.nameField->text();
    const QString old = m_settings.editing().names[size_t(m_settings.editing().profileIndex())];
    ProfileLibraryEditor editor(m_settings.editing(), m_library);
    switch (editor.rename(wanted)) {
    case ProfileLibraryEditor::Outcome::Done:
        // The slot names and the file are written at once: the stored
        // record follows, so that the rename is no edit a drop could undo.
        m_settings.changeBoth([&](MouseConfig &config) {
            for (QString &slotName : config.names) {
                if (slotName == old)
                    slotName = wanted;
            }
            currentProfile(config).ProfileName = wanted;
        });
        showCurrent();
        rebuildLibraryMenu();
        break;
    case ProfileLibraryEditor::Outcome::Reserved:
        warn(windowText("The default Profile cannot be deleted or renamed."));
        showCurrent();
        break;
    case ProfileLibraryEditor::Outcome::Exists:
        // The field keeps the typed name, to be corrected.
        warn(windowText("Profile Exist!"));
        break;
    case ProfileLibraryEditor::Outcome::BadName:
        warn(editor.reason());
        break;
    default:
        warn(windowText("The profile file could not be written."));
        showCurrent();
        break;
    }
}

void ProfileControls::add()
{
    ProfileLibraryEditor editor(m_settings.editing(), m_library);
    if (editor.add(nullptr) != ProfileLibraryEditor::Outcome::Done) {
        warn(windowText("The profile file could not be written."));
        return;
    }
    showProfileChange();
}

void ProfileControls::remove()
{
    const QString name = m_controls.nameField->text();
    ProfileLibraryEditor editor(m_settings.editing(), m_library);
    using Outcome = ProfileLibraryEditor::Outcome;
    switch (editor.checkRemove(name, nullptr)) {
    case Outcome::Done:
        break;
    case Outcome::LastProfile:
        warn(windowText("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    case Outcome::Reserved:
        warn(windowText("The default Profile cannot be deleted or renamed."));
        return;
    case Outcome::AlreadyUsed:
        warn(windowText("Profile is Already Used!"));
        return;
    default:
        // A typed name the library does not hold: nothing to delete.
        showCurrent();
        return;
    }
    if (!ask(windowText("Are you sure you want delete this profile?")))
        return;
    if (editor.remove(name, nullptr) != Outcome::Done) {
        warn(windowText("The profile file could not be written."));
        showCurrent();
        return;
    }
    showProfileChange();
}

void ProfileControls::copy()
{
    ProfileLibraryEditor editor(m_settings.editing(), m_library);
    switch (editor.copy(nullptr)) {
    case ProfileLibraryEditor::Outcome::Done:
        showCurrent();
        rebuildLibraryMenu();
        break;
    case ProfileLibraryEditor::Outcome::BadName:
        warn(editor.reason());
        break;
    default:
        warn(windowText("The profile file could not be written."));
        break;
    }
}

void ProfileControls::resetProfile()
{
    if (!ask(windowText("Are you sure you want reset this profile?")))
        return;
    const int slot = m_settings.editing().profileIndex();
    qCDebug(lcUi, "Accepted %d", slot);
    ProfileData &profile = currentProfile(m_settings.editing());
    makeDefaultProfile(profile);
    profile.ProfileName = m_settings.editing().names[size_t(slot)];
    emit recordChanged();
    showCurrent();
    m_apply.upload(false);
}

void ProfileControls::resetAll()
{
    if (!ask(windowText("Are you sure you want reset all profiles?")))
        return;
    ProfileLibraryEditor(m_settings.editing(), m_library).resetAll();
    if (!AppConfig::saveActiveProfileIndex(m_settings.editing().profileIndex()))
        qCDebug(lcUi, "the active profile could not be stored");
    showProfileChange();
    m_apply.upload(true);
}

void ProfileControls::exportProfile()
{
    const QString path = chooseFile(FileDialog::ExportProfile);
    if (path.isEmpty())
        return;
    const QString name = m_settings.editing().names[size_t(m_settings.editing().profileIndex())];
    if (!ProfileExchange::exportProfile(name, AppConfig::currentProductName(), path))
        warn(windowText("The file could not be written."));
}

void ProfileControls::importProfile()
{
    const QString path = chooseFile(FileDialog::ImportProfile);
    if (path.isEmpty())
        return;
    if (ProfileExchange::checkProfileFile(path, AppConfig::currentProductName()) != ProfileExchange::Check::Ok) {
        warn(windowText("The file is not match current mouse!"));
        return;
    }
    ProfileLibraryEditor editor(m_settings.editing(), m_library);
    switch (editor.importProfile(path, nullptr)) {
    case ProfileLibraryEditor::Outcome::Done:
        break;
    case ProfileLibraryEditor::Outcome::Exists:
        warn(windowText("Profile Exist!"));
        return;
    case ProfileLibraryEditor::Outcome::BadName:
        warn(editor.reason());
        return;
    default:
        warn(windowText("The profile file could not be written."));
        return;
    }
    showProfileChange();
    m_apply.upload(false);
}

void ProfileControls::saveConfiguration()
{
    const QString path = chooseFile(FileDialog::SaveConfig);
    if (path.isEmpty())
        return;
    // What the pages show, unapplied edits included.
    if (!exportConfigFile(m_settings.editing(), path, AppConfig::currentProductName()))
        warn(windowText("The file could not be written."));
}

void ProfileControls::loadConfiguration()
{
    const QString path = chooseFile(FileDialog::LoadConfig);
    if (path.isEmpty())
        return;
    // The one import of a whole configuration, shared with the command line.
    const ConfigImport result = importConfiguration(m_settings.editing(), path, AppConfig::currentProductName());
    if (result.outcome == ConfigImport::DuplicateName) {
        // Two slots of one name would share one profile file.
        warn(windowText("Profile is Already Used!"));
        return;
    }
    if (result.outcome != ConfigImport::Imported) {
        warn(windowText("The file is not match current mouse!"));
        return;
    }
    for (const QString &refused : result.refusedNames)
        qCDebug(lcUi) << "slot name kept out of the loaded configuration:" << refused;
    emit configurationLoaded();
    showProfileChange();
    m_apply.upload(false);
}
