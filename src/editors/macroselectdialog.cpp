#include "macroselectdialog.h"

#include "config/macrofile.h"

#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlineedit.h"
#include "widgets/skinbutton.h"
#include "widgets/rangevalidator.h"

#include <QLabel>
#include <QMenu>
#include <QToolButton>

MacroSelectDialog::MacroSelectDialog(const QString &title, const QString &name, int loopCount, int mode,
                                     QWidget *parent)
    : SkinnedDialog(parent)
{
    setObjectName(QStringLiteral("VeskMacroSelect"));
    setThemeFrame(true);
    setDesignSize(QSize(478, 309));
    setTitle(title);
    addAcceptButton(tr("Yes"));
    addRejectButton(tr("No"));

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("macroName"));
    m_nameLabel->setFont(LanguageFont::current());
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setStyleSheet(QStringLiteral("color:white;background:rgb(20,22,26);border:1px solid rgb(90,90,90);"));
    m_nameLabel->setGeometry(UiScale::scaled(QRect(40, 60, 330, 32)));

    m_nameButton = new SkinButton(this);
    m_nameButton->setPictures({Skin::path(QStringLiteral("profilesel.png"))});
    m_nameButton->setGeometry(UiScale::scaled(QRect(380, 60, 58, 32)));
    m_nameButton->setFocusPolicy(Qt::NoFocus);
    m_menu = new QMenu(this);
    UiTheme::styleMenu(m_menu, 200);
    for (const QString &listed : listMacros())
        m_menu->addAction(listed);
    connect(m_menu, &QMenu::triggered, this, [this](QAction *action) { chooseName(action->text()); });
    m_nameButton->setMenu(m_menu);

    const QString texts[kModeCount] = {tr("LOOPS TIME(1-255)"), tr("REPEAT RUN WHEN KEY DOWN"),
                                       tr("REPEAT RUN UNTILL THE KEY DOWN")};
    for (int i = 0; i < kModeCount; ++i) {
        m_modes[i] = new SkinCheckBox(texts[i], this);
        m_modes[i]->setPictures(Skin::path(QStringLiteral("checkbox2-1.png")), Skin::path(QStringLiteral("checkbox2-2.png")));
        m_modes[i]->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
        m_modes[i]->setGeometry(UiScale::scaled(QRect(40, 108 + 38 * i, 300, 28)));
        connect(m_modes[i], &QCheckBox::clicked, this, [this, i] { chooseMode(i); });
    }

    auto *loop = new SkinLineEdit(this);
    loop->applyTheme(UiTheme::currentColor(), UiScale::factor());
    loop->setValidator(new RangeValidator(ButtonAssignment::kCountMin, ButtonAssignment::kCountMax, loop));
    loop->setMaxLength(3);
    loop->setAlignment(Qt::AlignCenter);
    loop->setText(QString::number(qBound(ButtonAssignment::kCountMin, loopCount, ButtonAssignment::kCountMax)));
    loop->setGeometry(UiScale::scaled(QRect(358, 108, 80, 28)));
    m_loop = loop;

    chooseName(name);
    chooseMode(mode);
}

int MacroSelectDialog::loopCount() const
{
    bool ok = false;
    const int value = m_loop->text().toInt(&ok);
    return ok ? qBound(ButtonAssignment::kCountMin, value, ButtonAssignment::kCountMax) : ButtonAssignment::kCountMin;
}

SkinCheckBox *MacroSelectDialog::modeButton(int mode) const
{
    return mode >= 0 && mode < kModeCount ? m_modes[mode] : nullptr;
}

void MacroSelectDialog::chooseName(const QString &name)
{
    m_name = name;
    m_nameLabel->setText(name);
    acceptButton()->setEnabled(!name.isEmpty());
}

void MacroSelectDialog::chooseMode(int mode)
{
    m_mode = mode >= 0 && mode < kModeCount ? mode : LoopCount;
    for (int i = 0; i < kModeCount; ++i)
        m_modes[i]->setChecked(i == m_mode);
}
