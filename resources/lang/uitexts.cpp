// Texts of the main window and its shared dialogs that the catalogues carry
// before (or besides) the code that shows them. This file is not compiled:
// scripts/update-translations hands it to lupdate together with src/ and
// tools/, so that these entries and their translations survive a refresh
// with -no-obsolete even while no code uses them yet. The contexts are the
// classes that show the texts: write tr("...") in those classes and the
// translations below apply as they stand.

#include <QtGlobal>

static const char *const kMainWindowTexts[] = {
    // Tabs, buttons, labels and the slot menu, set again on a language switch.
    QT_TRANSLATE_NOOP("MousecfgWidget", "Profile"),
    QT_TRANSLATE_NOOP("MousecfgWidget", " %d"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Mode"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Version"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Press Enter To Apply"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "NAME"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "RESET"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "ADD"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "DELETE"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "COPY"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Reset All"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "OK"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Cancel"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Apply"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "LOAD1"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "SAVE"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "LIGHTING"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "CUSTOMIZE"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "DPI"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "MACRO"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Firmware Update"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Front"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Side"),

    // Battery bar, tray menu and message boxes.
    QT_TRANSLATE_NOOP("MousecfgWidget", "MOUSE OFF"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "&Load Config"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "&Quit"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Warning"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Dongle Disconnect!"),
    QT_TRANSLATE_NOOP("TransferMessage", "Send data failed, please try again."),
    QT_TRANSLATE_NOOP("TransferMessage", "Mouse is sleeping or not connected."),
    QT_TRANSLATE_NOOP("MousecfgWidget", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED."),

    // On-screen texts for the report rate.
    QT_TRANSLATE_NOOP("MousecfgWidget", "125 HZ"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "250 HZ"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "500 HZ"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "1000 HZ"),

    // Profile management.
    QT_TRANSLATE_NOOP("MousecfgWidget", "Profile Exist!"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Profile is Already Used!"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "AT LEAST ONE PROFILE TO BE RETAINED."),
    QT_TRANSLATE_NOOP("MousecfgWidget", "The default Profile cannot be deleted or renamed."),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Are you sure you want delete this profile?"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Are you sure you want reset this profile?"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Are you sure you want reset all profiles?"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "The file is not match current mouse!"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Save Profile File"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Load Profile File"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Profile File(*.prof)"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Save Config File"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Load Config File"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "Config File(*.conf)"),
    QT_TRANSLATE_NOOP("MousecfgWidget", "The profile file could not be written."),
    QT_TRANSLATE_NOOP("MousecfgWidget", "The file could not be written."),
};

// The shared message box: its buttons and the usual title.
static const char *const kMessageBoxTexts[] = {
    QT_TRANSLATE_NOOP("VeskMessageBox", "Yes"),
    QT_TRANSLATE_NOOP("VeskMessageBox", "No"),
    QT_TRANSLATE_NOOP("VeskMessageBox", "Ok"),
    QT_TRANSLATE_NOOP("VeskMessageBox", "Warning"),
};

// Why a name cannot become a file name (shown where a person types a name).
// Paths::isSafeFileName() hands them to the translator through a variable,
// where lupdate cannot see them.
static const char *const kFileNameTexts[] = {
    QT_TRANSLATE_NOOP("Paths", "The name is empty."),
    QT_TRANSLATE_NOOP("Paths", "The name cannot be \".\" or \"..\"."),
    QT_TRANSLATE_NOOP("Paths", "The name cannot contain / or \\."),
    QT_TRANSLATE_NOOP("Paths", "The name cannot contain control characters."),
    QT_TRANSLATE_NOOP("Paths", "The name is too long."),
};

// The macro editor titles its warnings in capitals.
static const char *const kMacroEditorTexts[] = {
    QT_TRANSLATE_NOOP("MacroPage", "WARNING"),
};
