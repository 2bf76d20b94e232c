#include "uitheme.h"

#include "config/appconfig.h"
#include "languagefont.h"
#include "uiscale.h"

#include "veskmenustyle.h"

#include <QAbstractSpinBox>
#include <QMenu>

namespace {

const QRgb kThemeColors[UiTheme::kColorCount] = {
    qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(0, 0, 255),   qRgb(219, 200, 182),
    qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 125, 0),
};

} // namespace

bool UiTheme::isValidColorId(int id) { return id >= 0 && id < kColorCount; }

QColor UiTheme::color(int id) { return QColor(kThemeColors[isValidColorId(id) ? id : 0]); }

int UiTheme::colorId() { return AppConfig::colourThemeIndex(); }

QColor UiTheme::currentColor() { return color(colorId()); }

namespace {

void applyMenuLook(QMenu *menu, const QFont &font, int width)
{
    menu->setStyle(VeskMenuStyle::instance());
    menu->setFont(font);
    menu->setFixedWidth(width);
    for (QAction *action : menu->actions()) {
        if (QMenu *sub = action->menu())
            applyMenuLook(sub, font, width);
    }
}

} // namespace

void UiTheme::styleMenu(QMenu *menu, int designWidth)
{
    if (!menu)
        return;
    const QFont font = LanguageFont::current();
    const int width = UiScale::scaled(designWidth);
    applyMenuLook(menu, font, width);
    // Pages rebuild their menus on every language change; the submenus they
    // add afterwards must look the same, so they are styled at each opening.
    if (!menu->property("veskMenuStyled").toBool()) {
        menu->setProperty("veskMenuStyled", true);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu]() {
            applyMenuLook(menu, menu->font(), menu->width());
        });
    }
}

void UiTheme::styleSpinBox(QAbstractSpinBox *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(24, 26, 30));
    palette.setColor(QPalette::Window, QColor(24, 26, 30));
    palette.setColor(QPalette::Button, QColor(50, 53, 58));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(90, 94, 100));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    box->setFont(LanguageFont::current());
}

QString UiTheme::dialogButtonStyle(const QColor &accent)
{
    return QStringLiteral(
               "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
               "                    border-radius: 3px;  border: 1px rgb(%1, %2, %3);"
               "                    border-style: outset;}")
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue());
}
