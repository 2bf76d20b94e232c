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
    QT_TRANSLATE_NOOP("MainWindow", "Profile"),
    QT_TRANSLATE_NOOP("MainWindow", " %d"),
    QT_TRANSLATE_NOOP("MainWindow", "Mode"),
    QT_TRANSLATE_NOOP("MainWindow", "Version"),
    QT_TRANSLATE_NOOP("MainWindow", "Press Enter To Apply"),
    QT_TRANSLATE_NOOP("MainWindow", "NAME"),
    QT_TRANSLATE_NOOP("MainWindow", "RESET"),
    QT_TRANSLATE_NOOP("MainWindow", "ADD"),
    QT_TRANSLATE_NOOP("MainWindow", "DELETE"),
    QT_TRANSLATE_NOOP("MainWindow", "COPY"),
    QT_TRANSLATE_NOOP("MainWindow", "Reset All"),
    QT_TRANSLATE_NOOP("MainWindow", "OK"),
    QT_TRANSLATE_NOOP("MainWindow", "Cancel"),
    QT_TRANSLATE_NOOP("MainWindow", "Apply"),
    QT_TRANSLATE_NOOP("MainWindow", "LOAD1"),
    QT_TRANSLATE_NOOP("MainWindow", "SAVE"),
    QT_TRANSLATE_NOOP("MainWindow", "LIGHTING"),
    QT_TRANSLATE_NOOP("MainWindow", "CUSTOMIZE"),
    QT_TRANSLATE_NOOP("MainWindow", "DPI"),
    QT_TRANSLATE_NOOP("MainWindow", "MACRO"),
    QT_TRANSLATE_NOOP("MainWindow", "Firmware Update"),
    QT_TRANSLATE_NOOP("MainWindow", "Front"),
    QT_TRANSLATE_NOOP("MainWindow", "Side"),

    // Battery bar, tray menu and message boxes.
    QT_TRANSLATE_NOOP("MainWindow", "MOUSE OFF"),
    QT_TRANSLATE_NOOP("MainWindow", "&Load Config"),
    QT_TRANSLATE_NOOP("MainWindow", "&Quit"),
    QT_TRANSLATE_NOOP("MainWindow", "Warning"),
    QT_TRANSLATE_NOOP("MainWindow", "Dongle Disconnect!"),
    QT_TRANSLATE_NOOP("TransferMessage", "Send data failed, please try again."),
    QT_TRANSLATE_NOOP("TransferMessage", "Mouse is sleeping or not connected."),
    QT_TRANSLATE_NOOP("MainWindow", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED."),

    // On-screen texts for the report rate.
    QT_TRANSLATE_NOOP("MainWindow", "125 HZ"),
    QT_TRANSLATE_NOOP("MainWindow", "250 HZ"),
    QT_TRANSLATE_NOOP("MainWindow", "500 HZ"),
    QT_TRANSLATE_NOOP("MainWindow", "1000 HZ"),

    // Profile management.
    QT_TRANSLATE_NOOP("MainWindow", "Profile Exist!"),
    QT_TRANSLATE_NOOP("MainWindow", "Profile is Already Used!"),
    QT_TRANSLATE_NOOP("MainWindow", "AT LEAST ONE PROFILE TO BE RETAINED."),
    QT_TRANSLATE_NOOP("MainWindow", "The default Profile cannot be deleted or renamed."),
    QT_TRANSLATE_NOOP("MainWindow", "Are you sure you want delete this profile?"),
    QT_TRANSLATE_NOOP("MainWindow", "Are you sure you want reset this profile?"),
    QT_TRANSLATE_NOOP("MainWindow", "Are you sure you want reset all profiles?"),
    QT_TRANSLATE_NOOP("MainWindow", "The file is not match current mouse!"),
    QT_TRANSLATE_NOOP("MainWindow", "Save Profile File"),
    QT_TRANSLATE_NOOP("MainWindow", "Load Profile File"),
    QT_TRANSLATE_NOOP("MainWindow", "Profile File(*.prof)"),
    QT_TRANSLATE_NOOP("MainWindow", "Save Config File"),
    QT_TRANSLATE_NOOP("MainWindow", "Load Config File"),
    QT_TRANSLATE_NOOP("MainWindow", "Config File(*.conf)"),
    QT_TRANSLATE_NOOP("MainWindow", "The profile file could not be written."),
    QT_TRANSLATE_NOOP("MainWindow", "The file could not be written."),
};

// The shared message box: its buttons and the usual title.
static const char *const kMessageBoxTexts[] = {
    QT_TRANSLATE_NOOP("SkinMessageBox", "Yes"),
    QT_TRANSLATE_NOOP("SkinMessageBox", "No"),
    QT_TRANSLATE_NOOP("SkinMessageBox", "Ok"),
    QT_TRANSLATE_NOOP("SkinMessageBox", "Warning"),
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
