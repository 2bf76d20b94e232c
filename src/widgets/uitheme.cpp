#include "uitheme.h"

#include "config/appconfig.h"
#include "languagefont.h"
#include "uiscale.h"

#include "skinmenustyle.h"

#include <QAbstractSpinBox>
#include <QMenu>
#include <QRegularExpression>

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

// The design width, or more where an entry's text would not fit (a long
// translation): entries are never cut short.
int menuWidth(const QMenu *menu, const QFont &font, int designWidth)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QAction *action : menu->actions()) {
        QString text = action->text();
        const int tab = text.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            text.truncate(tab);
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        widest = qMax(widest, metrics.horizontalAdvance(text));
    }
    return qMax(designWidth, widest + 2 * SkinMenuStyle::sidePadding() + 2);
}

// `measure`: widen for long entries. Done as a menu opens, not when it is
// styled: measuring every entry of every menu at start-up would load the
// fonts of all languages' names (a CJK font costs megabytes) for menus that
// may never open.
void applyMenuLook(QMenu *menu, const QFont &font, int designWidth, bool measure)
{
    menu->setStyle(SkinMenuStyle::instance());
    menu->setFont(font);
    menu->setProperty("veskMenuDesignWidth", designWidth);
    menu->setFixedWidth(measure ? menuWidth(menu, font, designWidth) : designWidth);
    for (QAction *action : menu->actions()) {
        if (QMenu *sub = action->menu())
            applyMenuLook(sub, font, designWidth, measure);
    }
}

} // namespace

void UiTheme::styleMenu(QMenu *menu, int designWidth)
{
    if (!menu)
        return;
    const QFont font = LanguageFont::current();
    const int width = UiScale::scaled(designWidth);
    applyMenuLook(menu, font, width, false);
    // Pages rebuild their menus on every language change; the submenus they
    // add afterwards must look the same, so they are styled at each opening.
    if (!menu->property("veskMenuStyled").toBool()) {
        menu->setProperty("veskMenuStyled", true);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu]() {
            applyMenuLook(menu, menu->font(), menu->property("veskMenuDesignWidth").toInt(), true);
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
    // A button that cannot be used now wears the kit's disabled look: grey
    // text on a grey frame, so that it never reads as ready.
    const QColor grey = disabledTextColor();
    return QStringLiteral(
               "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
               "                    border-radius: 3px;  border: 1px rgb(%1, %2, %3);"
               "                    border-style: outset;}"
               "QToolButton:disabled{color: rgb(%4, %5, %6); border: 1px rgb(62, 67, 76);"
               " border-style: solid; background: rgb(20, 22, 26);}")
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(grey.red())
        .arg(grey.green())
        .arg(grey.blue());
}

QColor UiTheme::disabledTextColor() { return QColor(110, 114, 120); }
