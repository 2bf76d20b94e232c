#include "filedialoglook.h"

#include "languagefont.h"
#include "uiscale.h"

#include <QFileDialog>

void FileDialogLook::apply(QFileDialog &dialog)
{
    dialog.setFont(LanguageFont::current());
    dialog.resize(UiScale::scaled(QSize(kDesignWidth, kDesignHeight)));
}
