#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ApplyController;
class SettingsOwner;
class QMenu;
class QWidget;
class SkinButton;
class WindowControls;

// The profile controls of the main window: the slot menu and indicators,
// the name field (rename on Enter), the library menu and the buttons ADD,
// DELETE, COPY, RESET, "Reset All", export, import, SAVE and LOAD1, with
// their questions and messages and the uploads that some of them start.
// What the operations do to the files lives in ProfileLibraryEditor and
// ProfileExchange; this class is their user interface. It uploads through
// the window's ApplyController and tells the window by signals when the
// pages must show the record again.
class ProfileControls : public QObject {
    Q_OBJECT
public:
    // The library menu offers the first entries only; the list keeps all.
    static constexpr int kLibraryMenuLimit = 200;

    // The file dialogs of export, import, SAVE and LOAD1. Returns the chosen
    // path or an empty string; tests replace it.
    enum class FileDialog { ExportProfile, ImportProfile, SaveConfig, LoadConfig };
    using FileChooser = std::function<QString(FileDialog dialog)>;

    // Dialogs and message boxes open over `dialogParent`.
    ProfileControls(SettingsOwner &settings, WindowControls &controls, ApplyController &apply,
                    QWidget *dialogParent, QObject *parent = nullptr);

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    QStringList libraryNames() const { return m_library; }
    QMenu *slotMenu() const { return m_slotMenu; }
    QMenu *libraryMenu() const { return m_libraryMenu; }

    // The library list read again (start, model switch, first mouse).
    void reloadLibrary();
    // Texts of the slot menu and the controls in the current language.
    void retranslate();
    // The profile menu button and the name field show the active slot.
    void showCurrent();
    void rebuildLibraryMenu();

    // The operations.
    void switchSlot(int slot);          // profile menu entry
    void mouseSwitched(int slot);       // the mouse's own profile button: no select
    int sendProfileTables();            // the tables of the active profile, as Apply sends them
    void takeLibraryProfile(const QString &name);
    void renameFromField();             // Enter in the name field
    void add();
    void remove();
    void copy();
    void resetProfile();
    void resetAll();
    void exportProfile();
    void importProfile();
    void saveConfiguration();
    void loadConfiguration();
    // The settings changed under the controls: the name, the slot menu, the
    // library menu and the pages show them again.
    void showProfileChange();
    // Makes slot `slot` the active profile; with `reload` its file is read
    // again first. The desktop's pointer speed follows the profile.
    void makeProfileCurrent(int slot, bool reload);
    // A profile switch the user did not ask for in the window is under way:
    // the unapplied edits are dropped (editsDiscarded); the switch that
    // follows shows the pages again. False when there were none.
    bool dropUnappliedEdits();

signals:
    // The edited record changed beyond these controls: the pages show it
    // again.
    void recordChanged();
    // Unapplied edits made while slot `slot` was active were dropped.
    void editsDiscarded(int slot);
    // A whole configuration was loaded: the window starts over on its
    // first tab.
    void configurationLoaded();

private:
    static QString runFileDialog(QWidget *parent, FileDialog dialog);
    // Each profile button, indicator and the name field to its operation.
    void connectButtons();
    void rebuildSlotMenu();
    void warn(const QString &text);
    bool ask(const QString &text);
    QString chooseFile(FileDialog dialog);

    SettingsOwner &m_settings;
    WindowControls &m_controls;
    ApplyController &m_apply;
    QWidget *m_dialogParent;
    QMenu *m_slotMenu = nullptr;
    QMenu *m_libraryMenu = nullptr;
    QStringList m_library;
    FileChooser m_chooseFile;
};
