#include "macropagedialogs.h"

#include "gunsetdialog.h"

#include "widgets/veskmessagebox.h"

#include <QCoreApplication>
#include <QFileDialog>

MacroPageDialogs MacroPageDialogs::standard()
{
    MacroPageDialogs d;
    d.openFile = [](QWidget *parent) {
        return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("MacroPage", "Load Macro File"), QString(), QCoreApplication::translate("MacroPage", "Macro File(*.MSMACRO)"));
    };
    d.openFiles = [](QWidget *parent) {
        return QFileDialog::getOpenFileNames(parent, QCoreApplication::translate("MacroPage", "Load Macro File"), QString(), QCoreApplication::translate("MacroPage", "Macro File(*.MSMACRO)"));
    };
    // The dialog asks before it replaces a file; the export then replaces it.
    d.saveFile = [](QWidget *parent, const QString &proposed) {
        return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("MacroPage", "Save Macro File"), proposed, QCoreApplication::translate("MacroPage", "Macro File(*.MSMACRO)"));
    };
    d.chooseFolder = [](QWidget *parent) {
        return QFileDialog::getExistingDirectory(parent, QCoreApplication::translate("MacroPage", "Save Macro File"), QStringLiteral("./"));
    };
    d.warn = [](QWidget *parent, const QString &title, const QString &text) {
        VeskMessageBox::show(VeskMessageBox::Warning, title, text, parent);
    };
    d.ask = [](QWidget *parent, const QString &text) {
        return VeskMessageBox::show(VeskMessageBox::Question, QCoreApplication::translate("MacroPage", "WARNING"), text, parent) == QDialog::Accepted;
    };
    d.recoil = [](QWidget *parent) {
        Recoil result;
        GunsetDialog dialog(parent);
        result.accepted = dialog.exec() == QDialog::Accepted;
        result.name = dialog.fileName();
        result.bullets = dialog.bullets();
        return result;
    };
    return d;
}
