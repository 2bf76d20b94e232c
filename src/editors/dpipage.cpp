#include "dpipage.h"

#include "dpistagerow.h"
#include "pageevents.h"

#include "config/dpistagerules.h"
#include "config/productdescriptor.h"
#include "config/sensortable.h"
#include "widgets/skin.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/skincheckbox.h"

#include <QButtonGroup>
#include <QDebug>
#include <QSignalBlocker>

namespace {

const int kActiveBoxSize = 20;
const int kRowX = 28;
// Eight rows fill the page's 460 units exactly with this margin above them.
const int kTopMargin = 4;

} // namespace

PagePlace DpiPage::placement()
{
    return {PageTab::Performance, QRect(285, 90, 456, 460), "VeskDPIWindow"};
}

DpiPage::DpiPage(PageEvents &events, const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_stageCount(context.product.dpiStageCount)
    , m_shortRange3325(context.product.shortDpiRange3325)
    , m_group(new QButtonGroup(this))
{
    (void)events;
    setObjectName(QLatin1String(placement().objectName));
    setAttribute(Qt::WA_TranslucentBackground, true);
    m_group->setExclusive(true);
    for (int k = 0; k < m_stageCount; ++k) {
        auto *row = new DpiStageRow(quint8(k), this);
        m_rows[size_t(k)] = row;
        connect(row, &DpiStageRow::dpiChanged, this, &DpiPage::onSliderChanged);
        connect(row, &DpiStageRow::linkToggled, this, &DpiPage::onLinkChanged);
        connect(row, &DpiStageRow::stageEnabled, this, &DpiPage::onEnableChanged);
        connect(row, &DpiStageRow::pointerEntered, this, &DpiPage::pointerEntered);
        // A click on the DPI number makes the stage active, as its box does.
        connect(row, &DpiStageRow::labelClicked, this, [this](quint8 stage) {
            if (SkinCheckBox *box = m_active[stage]; box->isEnabled())
                box->click();
        });

        auto *box = new SkinCheckBox(QString(), this);
        box->setObjectName(QStringLiteral("activeStage"));
        box->setPictures(Skin::path(QStringLiteral("checkbox2-1.png")), Skin::path(QStringLiteral("checkbox2-2.png")));
        box->setIndicatorSize(kActiveBoxSize);
        m_active[size_t(k)] = box;
        m_group->addButton(box, k);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &DpiPage::onRadioChanged);
    place();
}

DpiStageRow *DpiPage::row(int stage) const
{
    return stage >= 0 && stage < m_stageCount ? m_rows[size_t(stage)] : nullptr;
}

SkinCheckBox *DpiPage::activeBox(int stage) const
{
    return stage >= 0 && stage < m_stageCount ? m_active[size_t(stage)] : nullptr;
}

void DpiPage::show(ProfileData &profile, MouseConfig &, const PageContext &context)
{
    m_profile = &profile;
    const SensorRange range = sensorRange(context.sensorType, context.modelName, m_shortRange3325);
    for (int k = 0; k < m_stageCount; ++k) {
        DpiStageRow *row = m_rows[size_t(k)];
        const DpiLevel &level = profile.dpiLevels[size_t(k)];
        row->setSensor(context.sensorType, range);
        row->setValues(level.x, level.y);
        row->setLink(level.link);
        row->setEnable(level.used);
    }
    showActiveStage();
}

void DpiPage::showDpiStage(int)
{
    // The record holds the mouse's stage already; only the radio moves.
    showActiveStage();
}

void DpiPage::showActiveStage()
{
    if (!m_profile)
        return;
    for (int k = 0; k < m_stageCount; ++k)
        m_active[size_t(k)]->setEnabled(DpiStageRules::canActivate(*m_profile, k, m_stageCount));
    // A stored stage the page does not show (or out of range) checks no box
    // and stays as it is.
    const QSignalBlocker blocker(m_group);
    m_group->setExclusive(false);
    for (SkinCheckBox *box : m_active) {
        if (box)
            box->setChecked(false);
    }
    m_group->setExclusive(true);
    if (SkinCheckBox *box = activeBox(m_profile->dpi))
        box->setChecked(true);
}

void DpiPage::onRadioChanged()
{
    const int stage = m_group->checkedId();
    if (!m_profile)
        return;
    if (!DpiStageRules::canActivate(*m_profile, stage, m_stageCount)) {
        showActiveStage();
        return;
    }
    m_profile->dpi = uint8_t(stage);
    qCDebug(lcUi, "active DPI stage %d", stage);
}

void DpiPage::onLinkChanged(quint8 link, quint8 stage)
{
    if (m_profile && stage < m_stageCount)
        m_profile->dpiLevels[stage].link = link;
}

void DpiPage::onEnableChanged(quint8 enable, quint8 stage)
{
    if (!m_profile || stage >= m_stageCount)
        return;
    if (!DpiStageRules::setEnabled(*m_profile, stage, enable == 1, m_stageCount)) {
        // The last enabled stage stays on.
        m_rows[stage]->setEnable(m_profile->dpiLevels[stage].used);
        return;
    }
    showActiveStage();
}

void DpiPage::onSliderChanged(int x, int y, quint8 stage)
{
    // xy is never written: it keeps what the profile was loaded with.
    if (!m_profile || stage >= m_stageCount)
        return;
    m_profile->dpiLevels[stage].x = x;
    m_profile->dpiLevels[stage].y = y;
}

void DpiPage::retranslate()
{
    for (int k = 0; k < m_stageCount; ++k)
        m_rows[size_t(k)]->retranslate();
}

void DpiPage::setScale(double factor)
{
    (void)factor;
    for (int k = 0; k < m_stageCount; ++k)
        m_rows[size_t(k)]->applyScale();
    place();
}

void DpiPage::place()
{
    for (int k = 0; k < m_stageCount; ++k) {
        const int y = kTopMargin + k * kRowPitch;
        m_rows[size_t(k)]->setGeometry(
            UiScale::scaled(QRect(kRowX, y, DpiStageRow::kDesignWidth, DpiStageRow::kDesignHeight)));
        m_active[size_t(k)]->setGeometry(UiScale::scaled(QRect(0, y, kActiveBoxSize + 4, kActiveBoxSize)));
    }
}
