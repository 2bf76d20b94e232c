#include "macropagedialogs.h"

#include "gunsetdialog.h"

#include "widgets/filedialoglook.h"
#include "widgets/skinmessagebox.h"

#include <QCoreApplication>
#include <QFileDialog>

MacroPageDialogs MacroPageDialogs::standard()
{
    MacroPageDialogs d;
    // Qt's own dialogs, at the window's scale; each asks before it replaces
    // a file (the export then replaces it).
    const auto run = [](QWidget *parent, const QString &title, QFileDialog::FileMode mode, bool saving,
                        const QString &proposed) {
        QFileDialog chooser(parent, title, proposed,
                            mode == QFileDialog::Directory
                                ? QString()
                                : QCoreApplication::translate("MacroPage", "Macro File(*.MSMACRO)"));
        chooser.setFileMode(mode);
        chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (mode == QFileDialog::Directory)
            chooser.setOption(QFileDialog::ShowDirsOnly, true);
        FileDialogLook::apply(chooser);
        return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles() : QStringList();
    };
    d.openFile = [run](QWidget *parent) {
        return run(parent, QCoreApplication::translate("MacroPage", "Load Macro File"), QFileDialog::ExistingFile,
                   false, QString())
            .value(0);
    };
    d.openFiles = [run](QWidget *parent) {
        return run(parent, QCoreApplication::translate("MacroPage", "Load Macro File"), QFileDialog::ExistingFiles,
                   false, QString());
    };
    d.saveFile = [run](QWidget *parent, const QString &proposed) {
        return run(parent, QCoreApplication::translate("MacroPage", "Save Macro File"), QFileDialog::AnyFile, true,
                   proposed)
            .value(0);
    };
    d.chooseFolder = [run](QWidget *parent) {
        return run(parent, QCoreApplication::translate("MacroPage", "Save Macro File"), QFileDialog::Directory, false,
                   QStringLiteral("./"))
            .value(0);
    };
    d.warn = [](QWidget *parent, const QString &title, const QString &text) {
        SkinMessageBox::show(SkinMessageBox::Warning, title, text, parent);
    };
    d.ask = [](QWidget *parent, const QString &text) {
        return SkinMessageBox::show(SkinMessageBox::Question, QCoreApplication::translate("MacroPage", "WARNING"), text, parent) == QDialog::Accepted;
    };
    d.askUnsaved = [](QWidget *parent, const QString &text) {
        switch (SkinMessageBox::show(SkinMessageBox::SaveQuestion, QCoreApplication::translate("MacroPage", "WARNING"),
                                     text, parent)) {
        case QDialog::Accepted: return Unsaved::Save;
        case SkinMessageBox::Discarded: return Unsaved::Discard;
        default: return Unsaved::Cancel;
        }
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
