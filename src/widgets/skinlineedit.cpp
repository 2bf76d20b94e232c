#include "skinlineedit.h"

#include "languagefont.h"
#include "uiscale.h"
#include "uitheme.h"

SkinLineEdit::SkinLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFont(LanguageFont::current());
    applyTheme(UiTheme::currentColor(), UiScale::factor());
}

void SkinLineEdit::applyTheme(const QColor &accent, double scale)
{
    setStyleSheet(styleSheetFor(accent, scale));
}

QString SkinLineEdit::styleSheetFor(const QColor &accent, double scale)
{
    const int padding = UiScale::scaled(8, scale);
    const int radius = qMax(1, UiScale::scaled(3, scale));
    const QString rgb = QStringLiteral("rgb(%1,%2,%3)").arg(accent.red()).arg(accent.green()).arg(accent.blue());
    return QStringLiteral(
               "QLineEdit{background-color:rgb(20,22,26);color:rgb(235,238,242);"
               "border:1px solid rgb(62,67,76);border-radius:%1px;padding:0px %2px;"
               "selection-background-color:%3;selection-color:black;}"
               "QLineEdit:focus{border:1px solid %3;}"
               "QLineEdit:disabled{color:%4;}"
               "QToolTip{background-color:black;color:white;border:1px solid %3;}")
        .arg(radius)
        .arg(padding)
        .arg(rgb)
        .arg(UiTheme::disabledTextColor().name());
}
