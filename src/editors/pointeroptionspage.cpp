#include "pointeroptionspage.h"

#include "pageevents.h"

#include "config/productdescriptor.h"
#include "config/settingranges.h"
#include "widgets/languagefont.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinslider.h"

#include <QButtonGroup>
#include <QDebug>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// Design geometry inside the page (229 x 366): six rows of a caption line
// and a control line.
const int kLeft = 12;
const int kWidth = 205;
const int kTop = 12;
const int kCaptionHeight = 22;
const int kCaptionGap = 2;
const int kControlHeight = 26;
const int kRowGap = 8;
const int kValueWidth = 50;
const int kSpinWidth = 80;
const int kBoxWidth = 95;
const int kSecondBoxX = kLeft + 105;

} // namespace

PagePlace PointerOptionsPage::placement()
{
    return {PageTab::Performance, QRect(746, 185, 229, 366), "VeskPointSpeed"};
}

PointerOptionsPage::PointerOptionsPage(PageEvents &events, const PageContext &, QWidget *parent)
    : QWidget(parent)
    , m_events(events)
{
    setObjectName(QLatin1String(placement().objectName));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#VeskPointSpeed{background-color: rgba(33,35,35,0.5)}"));

    m_responseCaption = new SkinLabel(this);
    m_responseValue = new SkinLabel(this);
    m_responseValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_response = new SkinSlider(Qt::Horizontal, this);
    m_response->setObjectName(QStringLiteral("response"));
    m_response->setRange(SettingRanges::kDebounceMin, SettingRanges::kDebounceMax);
    m_response->setSingleStep(1);
    m_response->setPageStep(1);
    m_response->setTickPosition(QSlider::NoTicks);
    connect(m_response, &QSlider::valueChanged, this, [this](int value) {
        if (m_config)
            m_config->Debounce = uint8_t(value);
        m_responseValue->setText(QString::number(value));
    });

    m_scrollCaption = new SkinLabel(this);
    m_scroll = new QSpinBox(this);
    m_scroll->setObjectName(QStringLiteral("scroll"));
    m_scroll->setRange(SettingRanges::kScrollMin, SettingRanges::kScrollMax);
    UiTheme::styleSpinBox(m_scroll);
    connect(m_scroll, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        qCDebug(lcUi, "slider_clicked 1 = %d", value);
        if (m_profile)
            m_profile->scrollspeed = uint8_t(value);
    });

    for (int c = 0; c < ChoiceCount; ++c) {
        const auto choice = Choice(c);
        m_captions[size_t(c)] = new SkinLabel(this);
        m_on[size_t(c)] = new SkinCheckBox(QString(), this);
        m_off[size_t(c)] = new SkinCheckBox(QString(), this);
        // An exclusive group: one box of the pair is always checked, and
        // clicking the checked one leaves it so.
        auto *group = new QButtonGroup(this);
        group->setExclusive(true);
        group->addButton(m_on[size_t(c)]);
        group->addButton(m_off[size_t(c)]);
        connect(group, qOverload<QAbstractButton *>(&QButtonGroup::buttonClicked), this,
                [this, choice](QAbstractButton *button) { onChoiceClicked(choice, button == m_on[size_t(choice)]); });
        m_groups[size_t(c)] = group;
    }
    m_on[Lift]->setObjectName(QStringLiteral("lift1mm"));
    m_off[Lift]->setObjectName(QStringLiteral("lift2mm"));

    retranslate();
}

PointerOptionsPage::~PointerOptionsPage() = default;

std::array<PointerOptionsPage::Choice, PointerOptionsPage::ChoiceCount> PointerOptionsPage::choiceOrder(int syncMode)
{
    switch (syncMode) {
    case 0:   // the firmware reads the lift distance alone
        return {Lift, Sync, Angle, Jitter};
    case 1:   // the sync switch alone
        return {Sync, Lift, Angle, Jitter};
    default:  // the lift distance and one flag, jitter before angle before sync
        return {Lift, Jitter, Angle, Sync};
    }
}

void PointerOptionsPage::show(ProfileData &profile, MouseConfig &config, const PageContext &context)
{
    m_profile = &profile;
    m_config = &config;
    m_syncMode = context.product.syncMode;

    {
        const QSignalBlocker blocker(m_response);
        m_response->setValue(config.Debounce);
    }
    m_responseValue->setText(QString::number(config.Debounce));
    {
        const QSignalBlocker blocker(m_scroll);
        m_scroll->setValue(profile.scrollspeed);
    }
    showChoice(Sync, config.Sync != 0);
    showChoice(Lift, SettingRanges::isLowLift(config.LiftHigh));
    showChoice(Angle, config.AngleValue != 0);
    showChoice(Jitter, config.Jitter != 0);
    placeControls();
}

void PointerOptionsPage::showChoice(Choice choice, bool on)
{
    (on ? m_on : m_off)[size_t(choice)]->setChecked(true);
}

void PointerOptionsPage::onChoiceClicked(Choice choice, bool on)
{
    if (!m_config)
        return;
    const auto flag = uint8_t(on ? 1 : 0);
    switch (choice) {
    case Sync:
        m_config->Sync = flag;
        break;
    case Angle:
        m_config->AngleValue = flag;
        break;
    case Jitter:
        m_config->Jitter = flag;
        break;
    case Lift:
        // One lift-off value for this page and the report-rate page.
        m_config->LiftHigh = uint8_t(SettingRanges::liftFor(on));
        emit m_events.liftChanged(m_config->LiftHigh);
        break;
    case ChoiceCount:
        break;
    }
}

void PointerOptionsPage::showLift(int liftHigh) { showChoice(Lift, SettingRanges::isLowLift(liftHigh)); }

void PointerOptionsPage::retranslate()
{
    m_responseCaption->setText(tr("Key Response"));
    m_scrollCaption->setText(tr("SCROLL SPEED"));
    m_captions[Sync]->setText(tr("Enable sync"));
    m_captions[Lift]->setText(tr("Lift Distance"));
    m_captions[Angle]->setText(tr("Angle Snapping"));
    m_captions[Jitter]->setText(tr("Jitter"));
    for (Choice c : {Sync, Angle, Jitter}) {
        m_on[size_t(c)]->setText(tr("ON"));
        m_off[size_t(c)]->setText(tr("OFF"));
    }
    m_on[Lift]->setText(tr("1mm"));
    m_off[Lift]->setText(tr("2mm"));
}

void PointerOptionsPage::setScale(double factor)
{
    const QFont font = LanguageFont::current();
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    m_response->applyTheme(UiTheme::currentColor(), factor);
    placeControls();
}

void PointerOptionsPage::placeControls()
{
    auto place = [](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(UiScale::scaled(QRect(x, y, width, height)));
    };
    int y = kTop;
    place(m_responseCaption, kLeft, y, kWidth - kValueWidth, kCaptionHeight);
    place(m_responseValue, kLeft + kWidth - kValueWidth, y, kValueWidth, kCaptionHeight);
    y += kCaptionHeight + kCaptionGap;
    place(m_response, kLeft, y, kWidth, kControlHeight);
    y += kControlHeight + kRowGap;

    place(m_scrollCaption, kLeft, y, kWidth, kCaptionHeight);
    y += kCaptionHeight + kCaptionGap;
    place(m_scroll, kLeft, y, kSpinWidth, kControlHeight);
    y += kControlHeight + kRowGap;

    for (Choice c : choiceOrder(m_syncMode)) {
        place(m_captions[size_t(c)], kLeft, y, kWidth, kCaptionHeight);
        y += kCaptionHeight + kCaptionGap;
        place(m_on[size_t(c)], kLeft, y, kBoxWidth, kControlHeight);
        place(m_off[size_t(c)], kSecondBoxX, y, kBoxWidth, kControlHeight);
        y += kControlHeight + kRowGap;
    }
}
