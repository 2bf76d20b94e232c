#include "buttonpage.h"

#include "buttonmenus.h"
#include "combokeydialog.h"
#include "firekeydialog.h"
#include "macroselectdialog.h"
#include "pageevents.h"
#include "singlekeydialog.h"
#include "sniperdialog.h"

#include "config/buttonassignment.h"
#include "config/functioncatalogue.h"
#include "config/macrofile.h"
#include "config/productdescriptor.h"
#include "widgets/uilog.h"

#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uiscale.h"
#include "widgets/skinmessagebox.h"
#include "widgets/skinbutton.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

namespace {

// Design geometry of the button column.
constexpr int kColumnX = 56;
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 30;
constexpr int kNumberX = 20;
constexpr int kNumberWidth = 30;
// Room kept below the rows for the two wheel buttons.
constexpr int kWheelBand = 70;
constexpr int kManyButtons = 9;
constexpr int kManyTop = 30;
constexpr int kManyGap = 20;

SkinButton *makeButton(QWidget *parent)
{
    auto *button = new SkinButton(parent);
    button->setPictures({Skin::path(QStringLiteral("tabbutton-1.png")), Skin::path(QStringLiteral("tabbutton-3.png")),
                         Skin::path(QStringLiteral("tabbutton-2.png"))});
    button->setSliceBorder(8);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel *makeMark(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color:rgb(200,200,200);background:transparent;"));
    return label;
}

} // namespace

PagePlace ButtonPage::placement()
{
    // The scroll area around the page stands at the base geometry.
    return {PageTab::Customize, QRect(285, 90, 332, 442), "VeskBtnWindow", true};
}

ButtonPage::ButtonPage(PageEvents &events, const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_events(events)
    , m_menus(std::make_unique<ButtonMenus>())
    , m_product(context.product)
{
    setObjectName(QLatin1String(placement().objectName));
    setAttribute(Qt::WA_TranslucentBackground, true);
    m_buttonCount = m_product.buttonCount;
    buildButtons();
    for (QAction *action : m_menus->actions())
        connect(action, &QAction::triggered, this, [this, action] { applyFunction(action->data().toInt()); });
    retranslate();
    showGroup(FirstRow);
}

ButtonPage::~ButtonPage() = default;

void ButtonPage::buildButtons()
{
    for (int i = 0; i < kRowSize; ++i) {
        m_firstRow[size_t(i)] = makeButton(this);
        m_firstRow[size_t(i)]->setObjectName(QStringLiteral("firstRow%1").arg(i));
        m_secondRow[size_t(i)] = makeButton(this);
        m_secondRow[size_t(i)]->setObjectName(QStringLiteral("secondRow%1").arg(i));
        m_firstNumbers[size_t(i)] = makeMark(this, QString());
        m_secondNumbers[size_t(i)] = makeMark(this, QString());
    }
    for (int i = 0; i < 2; ++i) {
        m_wheel[size_t(i)] = makeButton(this);
        m_wheel[size_t(i)]->setObjectName(i == 0 ? QStringLiteral("wheelUp") : QStringLiteral("wheelDown"));
        m_wheelMarks[size_t(i)] = makeMark(this, i == 0 ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC"));
    }
    const auto wire = [this](SkinButton *button, QMenu *menu) {
        button->setMenu(menu);
        connect(button, &SkinButton::entered, this, &ButtonPage::onPressed);
        connect(button, &SkinButton::hovered, this, &ButtonPage::onHover);
    };
    for (int i = 0; i < kRowSize; ++i) {
        wire(m_firstRow[size_t(i)], m_menus->mainMenu());
        wire(m_secondRow[size_t(i)], m_menus->mainMenu());
    }
    for (SkinButton *button : m_wheel)
        wire(button, m_menus->wheelMenu());
}

int ButtonPage::entryOf(int group, int index)
{
    switch (group) {
    case FirstRow: return index >= 0 && index < kRowSize ? index : -1;
    case SecondRow: return index >= 0 && index < kRowSize ? kRowSize + index : -1;
    case Wheel: return index >= 0 && index < 2 ? kWheelUpEntry + index : -1;
    default: return -1;
    }
}

SkinButton *ButtonPage::buttonWidget(int group, int index) const
{
    if (entryOf(group, index) < 0)
        return nullptr;
    switch (group) {
    case FirstRow: return m_firstRow[size_t(index)];
    case SecondRow: return m_secondRow[size_t(index)];
    default: return m_wheel[size_t(index)];
    }
}

bool ButtonPage::findWidget(const SkinButton *button, int *group, int *index) const
{
    for (int g = FirstRow; g <= Wheel; ++g) {
        for (int i = 0; SkinButton *candidate = buttonWidget(g, i); ++i) {
            if (candidate == button) {
                *group = g;
                *index = i;
                return true;
            }
        }
    }
    return false;
}

QMenu *ButtonPage::mainMenu() const { return m_menus->mainMenu(); }

QMenu *ButtonPage::wheelMenu() const { return m_menus->wheelMenu(); }

void ButtonPage::show(ProfileData &profile, MouseConfig &, const PageContext &context)
{
    m_profile = &profile;
    m_sensorType = context.sensorType;
    refreshLabels();
}

void ButtonPage::retranslate()
{
    m_menus->build(m_product.macros, m_product.lighting);
    applyFonts();
    layoutButtons();
    refreshLabels();
}

void ButtonPage::applyFonts()
{
    const QFont font = LanguageFont::current();
    for (int g = FirstRow; g <= Wheel; ++g) {
        for (int i = 0; SkinButton *button = buttonWidget(g, i); ++i)
            button->setFont(font);
    }
    for (QLabel *label : m_firstNumbers)
        label->setFont(font);
    for (QLabel *label : m_secondNumbers)
        label->setFont(font);
    for (QLabel *label : m_wheelMarks)
        label->setFont(font);
    for (QAction *action : m_menus->actions())
        action->setFont(font);
}

void ButtonPage::setScale(double factor)
{
    (void)factor;   // the process-wide factor, which UiScale reads
    layoutButtons();
}

void ButtonPage::layoutButtons()
{
    const ProductDescriptor::Matrix &matrix = m_product.pageMatrix;
    const int count = qBound(0, m_product.pageMatrixCount, int(kDescriptorButtonCount));
    const int shown = m_product.shownButtonCount;

    // Buttons the product does not have, and those the page matrix hides,
    // get an empty geometry.
    for (int i = 0; i < kRowSize; ++i) {
        for (QWidget *w : {static_cast<QWidget *>(m_firstRow[size_t(i)]), static_cast<QWidget *>(m_secondRow[size_t(i)]),
                           static_cast<QWidget *>(m_firstNumbers[size_t(i)]),
                           static_cast<QWidget *>(m_secondNumbers[size_t(i)])})
            w->setGeometry(QRect());
    }

    const int height = EditorPage::buttonPageHeight(shown);
    int top = 0;
    int step = 0;
    if (shown > kManyButtons) {
        top = UiScale::scaled(kManyTop);
        step = UiScale::scaled(kManyGap + kButtonHeight);
        // The wheel buttons follow the last row.
        setMinimumHeight(UiScale::scaled(height + kWheelBand - kManyGap));
    } else {
        const int gap = (UiScale::scaled(height - kWheelBand) - UiScale::scaled(kButtonHeight) * shown) / (shown + 1);
        top = gap;
        step = gap + UiScale::scaled(kButtonHeight);
        setMinimumHeight(0);
    }
    const int x = UiScale::scaled(kColumnX);
    const int w = UiScale::scaled(kButtonWidth);
    const int h = UiScale::scaled(kButtonHeight);
    const int numberX = UiScale::scaled(kNumberX);
    const int numberW = UiScale::scaled(kNumberWidth);
    int c = 0;
    for (int b = 0; b < count && b < kRowSize; ++b) {
        if (matrix[size_t(b)] == 255)
            continue;
        const int y = top + c * step;
        for (auto *row : {&m_firstRow, &m_secondRow})
            (*row)[size_t(b)]->setGeometry(x, y, w, h);
        for (auto *numbers : {&m_firstNumbers, &m_secondNumbers}) {
            (*numbers)[size_t(b)]->setGeometry(numberX, y, numberW, h);
            (*numbers)[size_t(b)]->setText(QString::number(c + 1));
        }
        ++c;
    }

    const int wheelY = shown > kManyButtons ? top + shown * step : UiScale::scaled(height - kWheelBand + 10);
    const int half = (w - UiScale::scaled(10)) / 2;
    m_wheel[0]->setGeometry(x, wheelY, half, h);
    m_wheel[1]->setGeometry(x + w - half, wheelY, half, h);
    m_wheelMarks[0]->setGeometry(numberX, wheelY, numberW, h);
    m_wheelMarks[1]->setGeometry(x + w + UiScale::scaled(5), wheelY, numberW, h);
    showGroup(m_shownGroup);
}

void ButtonPage::showGroup(int group)
{
    if (group != FirstRow && group != SecondRow && group != Wheel)
        return;
    m_shownGroup = group;
    const bool second = group == SecondRow;
    for (int i = 0; i < kRowSize; ++i) {
        m_firstRow[size_t(i)]->setVisible(!second);
        m_firstNumbers[size_t(i)]->setVisible(!second);
        m_secondRow[size_t(i)]->setVisible(second);
        m_secondNumbers[size_t(i)]->setVisible(second);
    }
    for (int i = 0; i < 2; ++i) {
        m_wheel[size_t(i)]->setVisible(!second);
        m_wheelMarks[size_t(i)]->setVisible(!second);
    }
}

QString ButtonPage::labelOf(int entry) const
{
    if (!m_profile || entry < 0 || entry >= kButtonEntryCount)
        return QString();
    const ButtonInfo &button = m_profile->buttons[size_t(entry)];
    if (isMacroFunction(button.Fun))
        return button.macroname;
    return m_menus->label(button.Fun, entry >= kWheelUpEntry);
}

void ButtonPage::refreshLabels()
{
    for (int g = FirstRow; g <= Wheel; ++g) {
        for (int i = 0; SkinButton *button = buttonWidget(g, i); ++i)
            button->setText(labelOf(entryOf(g, i)));
    }
}

void ButtonPage::setSelection(int group, int index)
{
    m_group = group;
    m_index = index;
}

void ButtonPage::clearSelection() { setSelection(kNoSelection, kNoSelection); }

void ButtonPage::selectButton(int index, int group)
{
    // The window's hot spots: the front picture's buttons and the wheel.
    setSelection(group, index);
    showGroup(group);
    refreshLabels();
}

void ButtonPage::showView(bool frontView) { showGroup(frontView ? FirstRow : SecondRow); }

void ButtonPage::onPressed(SkinButton *button)
{
    int group = 0;
    int index = 0;
    if (findWidget(button, &group, &index))
        setSelection(group, index);
}

void ButtonPage::onHover(SkinButton *button, bool over)
{
    int group = 0;
    int index = 0;
    if (!findWidget(button, &group, &index))
        return;
    emit m_events.hoverButton(index, group, over);
    if (over)
        emit m_events.highlightButton(index, group);
}

QWidget *ButtonPage::dialogParent()
{
    // The window rather than the page: the page sits in a scroll area whose
    // transparent style sheet would reach a child dialog's controls.
    return window();
}

ButtonInfo *ButtonPage::aimedEntry(const ProfileData *aimed, int entry) const
{
    if (m_profile != aimed || !m_profile) {
        qCDebug(lcUi, "Button page: another profile was shown while the dialog was open; its result is dropped");
        return nullptr;
    }
    return &m_profile->buttons[size_t(entry)];
}

void ButtonPage::applyFunction(int code)
{
    const int group = m_group;
    const int index = m_index;
    const int entry = entryOf(group, index);
    if (!m_profile || entry < 0 || !m_menus->action(code))
        return;
    emit m_events.highlightButton(index, group);

    switch (assignmentRefusal(m_profile->buttons, entry, code, m_buttonCount, countMacros())) {
    case AssignmentRefusal::LastLeftClick:
        emit m_events.oneClickWarning();
        return;
    case AssignmentRefusal::GunFileOnFirstButton:
        SkinMessageBox::show(SkinMessageBox::Warning, QCoreApplication::translate("ButtonMenus", "Warning"),
                             QCoreApplication::translate("ButtonMenus", "Left Button Can not be Gun Function."),
                             dialogParent());
        return;
    case AssignmentRefusal::NoMacro:
        emit m_events.showMacroTab();
        return;
    case AssignmentRefusal::None:
        break;
    }
    switch (code) {
    case Fun::Macro:
    case Fun::GunFile:
        applyMacro(entry, code);
        break;
    case Fun::SingleKey: applySingleKey(entry); break;
    case Fun::ComboKey: applyComboKey(entry); break;
    case Fun::FireKey: applyFireKey(entry); break;
    case Fun::Sniper: applySniper(entry); break;
    default:
        m_profile->buttons[size_t(entry)].Fun = code;
        break;
    }
    refreshLabels();
    // The menu and any dialog are gone: the mouse picture shows the whole
    // mouse again, and the next choice needs a button chosen anew.
    emit m_events.hoverButton(index, group, false);
    clearSelection();
}

void ButtonPage::applyMacro(int entry, int code)
{
    ProfileData *aimed = m_profile;
    const ButtonInfo &now = aimed->buttons[size_t(entry)];
    const bool same = now.Fun == code;
    MacroSelectDialog dialog(code == Fun::Macro ? QCoreApplication::translate("ButtonMenus", "MACRO SELECT") : QCoreApplication::translate("ButtonMenus", "GUNFILE SELECT"),
                             same ? now.macroname : QString(), same ? now.LoopNumber : 1, same ? now.Res1 : 0, dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ButtonInfo *button = aimedEntry(aimed, entry);
    if (!button)
        return;
    const int stored = ButtonAssignment::setMacro(*button, code, dialog.name(), dialog.loopCount(), dialog.mode());
    if (stored > button->KeyNumber)
        qCDebug(lcUi, "Macro %s has %d events; the button takes the first %d", qPrintable(dialog.name()), stored,
               button->KeyNumber);
}

void ButtonPage::applySingleKey(int entry)
{
    ProfileData *aimed = m_profile;
    SingleKeyDialog dialog(dialogParent());
    if (aimed->buttons[size_t(entry)].Fun == Fun::SingleKey)
        dialog.preset(aimed->buttons[size_t(entry)].Res1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (ButtonInfo *button = aimedEntry(aimed, entry)) {
        ButtonAssignment::setSingleKey(*button, dialog.key());
        qCDebug(lcUi, "%d", dialog.key());
    }
}

void ButtonPage::applyComboKey(int entry)
{
    ProfileData *aimed = m_profile;
    ComboKeyDialog dialog(dialogParent());
    if (aimed->buttons[size_t(entry)].Fun == Fun::ComboKey)
        dialog.preset(aimed->buttons[size_t(entry)].KeyInfo);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (ButtonInfo *button = aimedEntry(aimed, entry)) {
        ButtonAssignment::setCombo(*button, dialog.keyCodes());
    }
}

void ButtonPage::applyFireKey(int entry)
{
    ProfileData *aimed = m_profile;
    FireKeyDialog dialog(dialogParent());
    const ButtonInfo &now = aimed->buttons[size_t(entry)];
    if (now.Fun == Fun::FireKey)
        dialog.preset(now.Res1, now.LoopNumber, now.KeyNumber);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (ButtonInfo *button = aimedEntry(aimed, entry)) {
        ButtonAssignment::setFireKey(*button, dialog.res1(), dialog.times(), dialog.delay());
    }
}

void ButtonPage::applySniper(int entry)
{
    ProfileData *aimed = m_profile;
    SniperDialog dialog(m_sensorType, dialogParent());
    if (aimed->buttons[size_t(entry)].Fun == Fun::Sniper)
        dialog.preset(aimed->buttons[size_t(entry)].Res1);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (ButtonInfo *button = aimedEntry(aimed, entry)) {
        button->Res1 = uint8_t(dialog.code());
        button->Fun = Fun::Sniper;
    }
}
