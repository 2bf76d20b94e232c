#include "macroroweditor.h"

#include "config/keytables.h"
#include "editors/macrorows.h"

#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/rangevalidator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

using namespace MacroRows;

namespace {

QWidget *rowOf(std::initializer_list<QWidget *> widgets)
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return page;
}

} // namespace

MacroRowEditor::MacroRowEditor(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedWidget(this))
    , m_keyTitle(new QLabel)
    , m_keyName(new QLabel)
    , m_buttonTitle(new QLabel)
    , m_button(new QPushButton)
    , m_moveTitle(new QLabel)
    , m_direction(new QPushButton)
    , m_distance(new QLineEdit)
    , m_delayTitle(new QLabel)
    , m_delay(new QLineEdit)
{
    setObjectName(QStringLiteral("MacroRowEditor"));
    m_button->setMenu(new QMenu(m_button));
    m_direction->setMenu(new QMenu(m_direction));
    for (const int value : kButtonValues) {
        QAction *action = m_button->menu()->addAction(QString());
        action->setData(value);
        connect(action, &QAction::triggered, this, [this, value] { change(buttonRow(isPress(m_row), value)); });
    }
    for (int d = Left; d <= Down; ++d) {
        QAction *action = m_direction->menu()->addAction(QString());
        action->setData(d);
        connect(action, &QAction::triggered, this, [this, d] {
            int distance = 1;
            moveDirection(m_row, &distance);
            change(moveRow(Direction(d), distance));
        });
    }
    m_distance->setValidator(new RangeValidator(1, kMaxMoveDistance, m_distance));
    m_distance->setMaxLength(3);
    m_delay->setValidator(new RangeValidator(kMinDelayMs, kMaxDelayMs, m_delay));
    m_delay->setMaxLength(5);
    connect(m_distance, &QLineEdit::textEdited, this, &MacroRowEditor::moveEdited);
    connect(m_delay, &QLineEdit::textEdited, this, &MacroRowEditor::delayEdited);

    m_stack->addWidget(new QWidget);
    m_stack->addWidget(rowOf({m_keyTitle, m_keyName}));
    m_stack->addWidget(rowOf({m_buttonTitle, m_button}));
    m_stack->addWidget(rowOf({m_moveTitle, m_direction, m_distance}));
    m_stack->addWidget(rowOf({m_delayTitle, m_delay}));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    retranslate();
    applyScale();
}

int MacroRowEditor::editRow(const KeyInfo &row)
{
    m_row = row;
    switch (kindOf(row)) {
    case Kind::Key: m_kind = 1; break;
    case Kind::Button: m_kind = 2; break;
    case Kind::Move: m_kind = 3; break;
    case Kind::Delay: m_kind = 4; break;
    case Kind::Other: m_kind = 0; break;
    }
    m_stack->setCurrentIndex(m_kind);
    showTexts();
    return m_kind;
}

void MacroRowEditor::takeKey(int usage)
{
    if (m_kind == 1)
        change(keyRow(isPress(m_row), usage));
}

void MacroRowEditor::moveEdited(const QString &text)
{
    bool ok = false;
    const int distance = text.toInt(&ok);
    if (m_kind == 3 && ok && distance >= 1)
        change(moveRow(moveDirection(m_row), distance));
}

void MacroRowEditor::delayEdited(const QString &text)
{
    bool ok = false;
    const int ms = text.toInt(&ok);
    // Held to its range as typed; an unfinished number below the range is
    // taken when the user leaves it at that.
    if (m_kind == 4 && ok)
        change(delayRowForMs(std::clamp(ms, kMinDelayMs, kMaxDelayMs), m_unitMs));
}

void MacroRowEditor::change(const KeyInfo &row)
{
    m_row = row;
    showTexts();
    emit rowEdited(row);
}

void MacroRowEditor::showTexts()
{
    switch (m_kind) {
    case 1: m_keyName->setText(MacroRowText::keyCell(m_row)); break;
    case 2: m_button->setText(MacroRowText::buttonName(m_row.DataL)); break;
    case 3: {
        int distance = 0;
        m_direction->setText(MacroRowText::moveName(moveDirection(m_row, &distance)));
        if (!m_distance->hasFocus())
            m_distance->setText(QString::number(distance));
        break;
    }
    case 4:
        if (!m_delay->hasFocus())
            m_delay->setText(QString::number(qint64(delayCount(m_row)) * m_unitMs));
        break;
    default: break;
    }
}

void MacroRowEditor::retranslate()
{
    m_keyTitle->setText(tr("PRESS THE NEW KEY:"));
    m_buttonTitle->setText(tr("MOUSE BUTTON:"));
    m_moveTitle->setText(tr("DIRECTION AND DISTANCE:"));
    m_delayTitle->setText(tr("DELAY(ms):"));
    for (QAction *action : m_button->menu()->actions())
        action->setText(MacroRowText::buttonName(action->data().toInt()));
    for (QAction *action : m_direction->menu()->actions())
        action->setText(MacroRowText::moveName(Direction(action->data().toInt())));
    showTexts();
}

void MacroRowEditor::applyScale()
{
    const QFont font = LanguageFont::current();
    for (QWidget *w : std::initializer_list<QWidget *>{m_keyTitle, m_keyName, m_buttonTitle, m_button, m_moveTitle,
                                                        m_direction, m_distance, m_delayTitle, m_delay})
        w->setFont(font);
    UiTheme::styleMenu(m_button->menu(), 140);
    UiTheme::styleMenu(m_direction->menu(), 140);
    const int field = UiScale::scaled(60);
    m_distance->setFixedWidth(field);
    m_delay->setFixedWidth(field);
    m_button->setMinimumWidth(UiScale::scaled(130));
    m_direction->setMinimumWidth(UiScale::scaled(130));
    setStyleSheet(QStringLiteral("QLabel{color:white;background:transparent;}"
                                 "QLineEdit{background:rgb(30,30,30);color:white;border:1px solid rgb(90,90,90);}"
                                 "QPushButton{background:rgb(50,50,50);color:white;border:1px solid rgb(90,90,90);"
                                 "padding:2px 8px;}"));
}
