#include "mousecommandpanel.h"

#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/rangevalidator.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int ButtonRole = Qt::UserRole + 1;   // button value, or 0
constexpr int PressRole = Qt::UserRole + 2;    // 1 press, 2 release, 0 whole click
constexpr int MoveRole = Qt::UserRole + 3;     // direction + 1, or 0

} // namespace

MouseCommandPanel::MouseCommandPanel(QWidget *parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("MouseCommandPanel"));
    setAttribute(Qt::WA_StyledBackground);
    m_title->setAlignment(Qt::AlignCenter);
    m_tree->setObjectName(QStringLiteral("VeskTreeWidget"));
    m_tree->setColumnCount(2);
    m_tree->header()->hide();
    m_tree->setRootIsDecorated(false);
    m_tree->setFocusPolicy(Qt::NoFocus);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::Fixed);

    for (const int button : MacroRows::kButtonValues) {
        auto *item = new QTreeWidgetItem(m_tree);
        item->setData(0, ButtonRole, button);
        for (int press = 1; press <= 2; ++press) {
            auto *child = new QTreeWidgetItem(item);
            child->setData(0, ButtonRole, button);
            child->setData(0, PressRole, press);
        }
    }
    for (int d = MacroRows::Left; d <= MacroRows::Down; ++d) {
        auto *item = new QTreeWidgetItem(m_tree);
        item->setData(0, MoveRole, d + 1);
        auto *edit = new QLineEdit(QStringLiteral("1"));
        edit->setValidator(new RangeValidator(1, MacroRows::kMaxMoveDistance, edit));
        edit->setMaxLength(3);
        edit->setAlignment(Qt::AlignCenter);
        m_tree->setItemWidget(item, 1, edit);
        m_distance[size_t(d)] = edit;
    }
    connect(m_tree, &QTreeWidget::itemClicked, this, &MouseCommandPanel::commandChosen);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_title);
    layout->addWidget(m_tree);
    retranslate();
    applyScale();
}

void MouseCommandPanel::commandChosen(QTreeWidgetItem *item, int column)
{
    (void)column;
    if (!item)
        return;
    const int move = item->data(0, MoveRole).toInt();
    if (move > 0) {
        const auto direction = MacroRows::Direction(move - 1);
        bool ok = false;
        const int distance = m_distance[size_t(direction)]->text().toInt(&ok);
        emit moveRequested(direction, ok ? distance : 1);
        return;
    }
    const int button = item->data(0, ButtonRole).toInt();
    const int press = item->data(0, PressRole).toInt();
    if (press > 0) {
        emit buttonRequested(button, press == 1);
        return;
    }
    if (!item->isExpanded()) {
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
            m_tree->topLevelItem(i)->setExpanded(false);
        item->setExpanded(true);
        return;
    }
    emit clickRequested(button);
}

void MouseCommandPanel::retranslate()
{
    m_title->setText(tr("MOUSE COMMAND"));
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        const int move = item->data(0, MoveRole).toInt();
        if (move > 0) {
            item->setText(0, MacroRowText::moveName(MacroRows::Direction(move - 1)));
            continue;
        }
        item->setText(0, MacroRowText::buttonName(item->data(0, ButtonRole).toInt()));
        item->child(0)->setText(0, tr("PRESS DOWN"));
        item->child(1)->setText(0, tr("BOUNCE UP"));
    }
}

void MouseCommandPanel::applyScale()
{
    const QFont font = LanguageFont::current();
    m_title->setFont(font);
    m_tree->setFont(font);
    m_tree->setIndentation(UiScale::scaled(14));
    m_tree->header()->resizeSection(1, UiScale::scaled(40));
    for (QLineEdit *edit : m_distance) {
        edit->setFont(font);
        edit->setFixedHeight(UiScale::scaled(17));
    }
    const QColor accent = UiTheme::currentColor();
    setStyleSheet(QStringLiteral("#MouseCommandPanel{background:rgb(30,30,30);border:1px solid rgb(%1,%2,%3);}"
                                 "QLabel{color:white;background:transparent;}"
                                 "QTreeWidget{background:rgb(40,40,40);color:white;border:none;}"
                                 "QTreeWidget::item{height:%4px;}"
                                 "QTreeWidget::item:selected{background:rgb(80,80,80);}"
                                 "QLineEdit{background:rgb(60,60,60);color:white;border:none;}")
                      .arg(accent.red())
                      .arg(accent.green())
                      .arg(accent.blue())
                      // Rows of one height in every language, so that the
                      // panel holds the nine items and one opened button.
                      .arg(UiScale::scaled(19)));
}
