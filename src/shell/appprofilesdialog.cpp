#include "appprofilesdialog.h"

#include "osdtexts.h"

#include "config/mouseconfig.h"

#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skinmessagebox.h"
#include "widgets/skinbutton.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const QSize kDesignSize(560, 470);
// The height the focus note takes above the list.
const int kNoteSpace = 44;

QString controlStyle()
{
    const QColor theme = UiTheme::currentColor();
    return QStringLiteral("QTreeWidget,QComboBox{color:white;background:rgb(20,22,26);border:1px solid rgb(90,90,90);}"
                          "QTreeWidget::item:selected{background:rgb(%1,%2,%3);color:black;}"
                          "QHeaderView::section{color:white;background:rgb(50,50,50);border:0px;padding:2px;}"
                          "QComboBox QAbstractItemView{color:white;background:rgb(50,50,50);"
                          "selection-background-color:rgb(145,145,145);}"
                          "QLabel{color:white;background:transparent;}")
        .arg(theme.red())
        .arg(theme.green())
        .arg(theme.blue());
}

SkinButton *textButton(QWidget *parent, const QString &text, const QRect &design)
{
    auto *button = new SkinButton(parent);
    button->setPictures({Skin::path(QStringLiteral("tabbutton-1.png")), Skin::path(QStringLiteral("tabbutton-3.png")),
                         Skin::path(QStringLiteral("tabbutton-2.png"))});
    button->setSliceBorder(8);
    button->setText(text);
    button->setFont(LanguageFont::current(12));
    button->setGeometry(UiScale::scaled(design));
    return button;
}

QString triggerText(AppProfileRule::Trigger trigger)
{
    return trigger == AppProfileRule::Trigger::Running ? AppProfilesDialog::tr("While running")
                                                       : AppProfilesDialog::tr("When focused");
}

} // namespace

AppProfilesDialog::AppProfilesDialog(const AppProfileRules &rules, const QString &focusNote, QWidget *parent)
    : SkinnedDialog(parent)
    , m_rules(rules)
{
    setObjectName(QStringLiteral("AppProfilesDialog"));
    setThemeFrame(true);
    // Without a note the rows move up into its place: no empty band.
    const int lift = focusNote.isEmpty() ? kNoteSpace : 0;
    const auto place = [lift](const QRect &design) { return design.translated(0, -lift); };
    setDesignSize(kDesignSize - QSize(0, lift));
    setTitle(tr("Application profiles"));
    addAcceptButton(tr("OK"));
    addRejectButton(tr("Cancel"));
    setStyleSheet(controlStyle());
    const QFont font = LanguageFont::current(12);

    m_note = new QLabel(focusNote, this);
    m_note->setWordWrap(true);
    m_note->setFont(font);
    m_note->setGeometry(UiScale::scaled(QRect(26, 48, 508, 40)));
    m_note->setVisible(!focusNote.isEmpty());

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("rules"));
    m_list->setFont(font);
    m_list->setRootIsDecorated(false);
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({tr("Application"), tr("Profile"), tr("When")});
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->setGeometry(UiScale::scaled(place(QRect(26, 92, 400, 214))));
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { takeSelection(); });

    m_up = textButton(this, tr("Up"), place(QRect(436, 92, 98, 28)));
    m_down = textButton(this, tr("Down"), place(QRect(436, 126, 98, 28)));
    m_remove = textButton(this, tr("Remove"), place(QRect(436, 160, 98, 28)));
    connect(m_up, &QPushButton::clicked, this, [this] { moveRule(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveRule(1); });
    connect(m_remove, &QPushButton::clicked, this, &AppProfilesDialog::removeRule);

    // The application: picked from those with windows now, or typed.
    m_application = new QComboBox(this);
    m_application->setObjectName(QStringLiteral("application"));
    m_application->setEditable(true);
    m_application->setInsertPolicy(QComboBox::NoInsert);
    m_application->setFont(font);
    m_application->lineEdit()->setPlaceholderText(tr("Window class or program"));
    m_application->setGeometry(UiScale::scaled(place(QRect(26, 316, 186, 28))));
    m_profile = new QComboBox(this);
    m_profile->setFont(font);
    for (int slot = 0; slot < kProfileCount; ++slot)
        m_profile->addItem(OsdTexts::profile(slot), slot);
    m_profile->setGeometry(UiScale::scaled(place(QRect(218, 316, 82, 28))));
    m_trigger = new QComboBox(this);
    m_trigger->setFont(font);
    m_trigger->addItem(triggerText(AppProfileRule::Trigger::Focus), int(AppProfileRule::Trigger::Focus));
    m_trigger->addItem(triggerText(AppProfileRule::Trigger::Running), int(AppProfileRule::Trigger::Running));
    m_trigger->setGeometry(UiScale::scaled(place(QRect(306, 316, 120, 28))));
    m_add = textButton(this, tr("ADD"), place(QRect(436, 316, 98, 28)));
    connect(m_add, &QPushButton::clicked, this, &AppProfilesDialog::addRule);

    auto *defaultLabel = new QLabel(tr("When no rule matches:"), this);
    defaultLabel->setFont(font);
    defaultLabel->setGeometry(UiScale::scaled(place(QRect(26, 356, 270, 28))));
    m_default = new QComboBox(this);
    m_default->setObjectName(QStringLiteral("default"));
    m_default->setFont(font);
    m_default->addItem(tr("Keep the profile"), AppProfileRules::kStay);
    for (int slot = 0; slot < kProfileCount; ++slot)
        m_default->addItem(OsdTexts::profile(slot), slot);
    m_default->setCurrentIndex(m_default->findData(m_rules.defaultSlot));
    m_default->setGeometry(UiScale::scaled(place(QRect(302, 356, 232, 28))));
    connect(m_default, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { m_rules.defaultSlot = m_default->currentData().toInt(); });

    fillList(0);
}

void AppProfilesDialog::setApplicationSource(std::function<QList<WindowApp>()> source)
{
    m_source = std::move(source);
    fillApplications();
}

void AppProfilesDialog::showError(QWidget *parent, const QString &error)
{
    SkinMessageBox box(SkinMessageBox::Warning, tr("Warning"), error, parent);
    box.exec();
}

void AppProfilesDialog::fillApplications()
{
    const QString typed = m_application->currentText();
    m_application->clear();
    if (m_source) {
        QStringList names;
        for (const WindowApp &app : m_source())
            names.append(app.windowClass);
        names.sort(Qt::CaseInsensitive);
        m_application->addItems(names);
    }
    m_application->setEditText(typed);
}

void AppProfilesDialog::fillList(int select)
{
    m_list->clear();
    for (const AppProfileRule &rule : m_rules.rules) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, rule.application);
        item->setText(1, OsdTexts::profile(rule.slot));
        item->setText(2, triggerText(rule.trigger));
    }
    if (select >= 0 && select < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(select));
    const bool any = m_list->topLevelItemCount() > 0;
    m_remove->setEnabled(any);
    m_up->setEnabled(any);
    m_down->setEnabled(any);
}

void AppProfilesDialog::takeSelection()
{
    const int row = m_list->currentIndex().row();
    if (row < 0 || row >= m_rules.rules.size())
        return;
    const AppProfileRule &rule = m_rules.rules.at(row);
    m_application->setEditText(rule.application);
    m_profile->setCurrentIndex(rule.slot);
    m_trigger->setCurrentIndex(m_trigger->findData(int(rule.trigger)));
}

void AppProfilesDialog::addRule()
{
    const QString name = m_application->currentText().trimmed();
    if (name.isEmpty())
        return;
    const auto trigger = AppProfileRule::Trigger(m_trigger->currentData().toInt());
    // A name that has a rule already gets the new profile and trigger.
    if (!m_rules.set(name, m_profile->currentData().toInt(), trigger))
        return;
    fillList(m_rules.indexOf(name));
}

void AppProfilesDialog::removeRule()
{
    const int row = m_list->currentIndex().row();
    if (row < 0 || row >= m_rules.rules.size())
        return;
    m_rules.rules.removeAt(row);
    fillList(qMin(row, int(m_rules.rules.size()) - 1));
}

void AppProfilesDialog::moveRule(int step)
{
    const int row = m_list->currentIndex().row();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_rules.rules.size())
        return;
    m_rules.rules.swapItemsAt(row, target);
    fillList(target);
}
