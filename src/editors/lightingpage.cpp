#include "lightingpage.h"

#include "coloreditdialog.h"
#include "config/lightingeffects.h"

#include "config/ledcolor.h"
#include "config/productdescriptor.h"
#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"
#include "widgets/skinslider.h"

#include <QDebug>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// Design geometry inside the page (351 x 440). The effect's own rows stack
// below the effect button, so that an effect without brightness or speed
// leaves no hole; the sleep rows stay at the foot of the page.
const int kLeft = 24;
const int kWidth = 300;
const int kLabelHeight = 22;
const int kLabelGap = 4;
const int kRowGap = 14;
const int kFirstRowY = 16;
const int kEffectButtonWidth = 220;
const int kEffectButtonHeight = 30;
const int kSliderHeight = 22;
const int kColorButtonSize = 60;
const int kColorButtonHeight = 28;
const int kSleepLabelY = 318;
const int kSleepSliderY = 344;
const int kMoveOffY = 384;
const int kMoveOffHeight = 26;
const int kSleepValueWidth = 130;
const int kMenuWidth = 220;
const int kTextSliceBorder = 8;

void setSliderQuietly(SkinSlider *slider, int value)
{
    const QSignalBlocker blocker(slider);
    slider->setValue(value);
}

} // namespace

PagePlace LightingPage::placement()
{
    return {PageTab::Lighting, QRect(285, 90, 351, 440), "VeskColorWindow", false, true};
}

LightingPage::LightingPage(PageEvents &, const PageContext &, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QLatin1String(placement().objectName));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#VeskColorWindow{background-color: rgba(33,35,35,0.5)}"));

    m_effectLabel = new SkinLabel(this);
    m_brightnessLabel = new SkinLabel(this);
    m_speedLabel = new SkinLabel(this);
    m_colorLabel = new SkinLabel(this);
    m_sleepLabel = new SkinLabel(this);
    m_sleepValue = new SkinLabel(this);
    m_sleepValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_brightness = new SkinSlider(Qt::Horizontal, this);
    m_brightness->setObjectName(QStringLiteral("brightness"));
    m_brightness->setRange(1, kBrightnessMax);
    m_speed = new SkinSlider(Qt::Horizontal, this);
    m_speed->setObjectName(QStringLiteral("speed"));
    m_speed->setRange(1, kSpeedMax);
    m_sleep = new SkinSlider(Qt::Horizontal, this);
    m_sleep->setObjectName(QStringLiteral("sleep"));
    for (SkinSlider *slider : {m_brightness, m_speed, m_sleep}) {
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::NoTicks);
        connect(slider, &QSlider::valueChanged, this, &LightingPage::onSliderChanged);
    }

    m_colorButton = new QPushButton(this);
    m_colorButton->setObjectName(QStringLiteral("color"));
    m_colorButton->setCursor(Qt::PointingHandCursor);
    m_colorButton->setFocusPolicy(Qt::NoFocus);
    connect(m_colorButton, &QPushButton::clicked, this, &LightingPage::editColor);

    m_effectButton = new SkinButton(this);
    m_effectButton->setObjectName(QStringLiteral("effect"));
    m_effectButton->setPictures({Skin::path(QStringLiteral("tabbutton-1.png")),
                                 Skin::path(QStringLiteral("tabbutton-3.png")),
                                 Skin::path(QStringLiteral("tabbutton-2.png"))});
    m_effectButton->setSliceBorder(kTextSliceBorder);
    m_effectMenu = new QMenu(m_effectButton);
    m_effectButton->setMenu(m_effectMenu);
    buildEffectMenu();

    m_moveOff = new SkinCheckBox(QString(), this);
    m_moveOff->setObjectName(QStringLiteral("moveOff"));
    connect(m_moveOff, &QCheckBox::clicked, this, &LightingPage::onMoveOffClicked);

    retranslate();
}

LightingPage::~LightingPage() = default;

void LightingPage::buildEffectMenu()
{
    for (int code : LightingEffects::kMenuOrder) {
        QAction *action = m_effectMenu->addAction(LightingEffects::name(code));
        action->setData(code);
        connect(action, &QAction::triggered, this, [this, code] { chooseEffect(code); });
    }
}

void LightingPage::show(ProfileData &profile, MouseConfig &, const PageContext &context)
{
    m_profile = &profile;
    const LightingEffects::SleepRange sleep = context.product.sleepRange;
    {
        // A new range can move the handle; that is no edit of the new profile.
        const QSignalBlocker blocker(m_sleep);
        m_sleep->setRange(sleep.minimum, sleep.maximum);
    }
    m_showSleep = context.product.showSleep;

    showEffect();
    setSliderQuietly(m_sleep, profile.LedSleepTime);
    showSleepValue();
    const QSignalBlocker blocker(m_moveOff);
    m_moveOff->setChecked(LightingEffects::lightOutWhileMoving(profile.LedMoveOFF));
    placeControls();
}

void LightingPage::showEffect()
{
    const int code = m_profile ? m_profile->LedMode : 0;
    const LightingEffects::Effect *effect = LightingEffects::effect(code);
    m_brightnessLabel->setVisible(effect && effect->brightness);
    m_brightness->setVisible(effect && effect->brightness);
    m_speedLabel->setVisible(effect && effect->speed);
    m_speed->setVisible(effect && effect->speed);
    m_colorLabel->setVisible(effect && effect->colour);
    m_colorButton->setVisible(effect && effect->colour);
    m_effectButton->setText(LightingEffects::name(code));
    if (effect && m_profile) {
        const LedModeInfo &led = m_profile->ledModes[size_t(code)];
        setSliderQuietly(m_brightness, led.bright);
        setSliderQuietly(m_speed, led.breath);
        showColor(ledColorSent(led.RGB));
    }
    placeControls();
}

void LightingPage::showColor(const QColor &color)
{
    m_shownColor = color;
    m_colorButton->setStyleSheet(
        QStringLiteral("QPushButton{background:rgb(%1,%2,%3);border:1px solid rgb(150,150,150);border-radius:3px;}"
                       "QPushButton:hover{border:1px solid white;}")
            .arg(color.red())
            .arg(color.green())
            .arg(color.blue()));
}

void LightingPage::showSleepValue()
{
    const int step = m_profile ? m_profile->LedSleepTime : m_sleep->value();
    m_sleepValue->setText(QString::number(step) + tr(" MINUTE"));
}

void LightingPage::chooseEffect(int code)
{
    if (!m_profile || !LightingEffects::effect(code))
        return;
    m_profile->LedMode = uint8_t(code);
    showEffect();
    const QColor rgb = ledColorSent(m_profile->ledModes[size_t(code)].RGB);
    qCDebug(lcUi, "EffectMenuFunction i=%d r=%d g=%d b=%d", code, rgb.red(), rgb.green(), rgb.blue());
}

void LightingPage::showLightMode(int mode)
{
    if (!LightingEffects::effect(mode)) {
        qCDebug(lcUi, "lighting effect %d from the mouse ignored", mode);
        return;
    }
    if (!m_profile)
        return;
    m_profile->LedMode = uint8_t(mode);
    showEffect();
}

void LightingPage::onSliderChanged(int value)
{
    if (!m_profile)
        return;
    if (sender() == m_sleep) {
        m_profile->LedSleepTime = uint8_t(value);
        showSleepValue();
        return;
    }
    // An effect the page does not know has no entry to write into.
    const int code = m_profile->LedMode;
    if (!LightingEffects::effect(code))
        return;
    LedModeInfo &led = m_profile->ledModes[size_t(code)];
    if (sender() == m_brightness)
        led.bright = value;
    else if (sender() == m_speed)
        led.breath = value;
}

void LightingPage::onMoveOffClicked(bool checked)
{
    if (m_profile)
        m_profile->LedMoveOFF = LightingEffects::moveOffByte(checked);
}

void LightingPage::editColor()
{
    if (!m_profile || !LightingEffects::effect(m_profile->LedMode))
        return;
    const int code = m_profile->LedMode;
    const QColor before = m_shownColor;
    ColorEditDialog dialog(before, window());
    // The button previews what the dialog shows until it closes.
    connect(&dialog, &ColorEditDialog::colorChanged, this, &LightingPage::showColor);
    if (dialog.exec() == QDialog::Accepted && m_profile && m_profile->LedMode == code) {
        m_profile->ledModes[size_t(code)].RGB = dialog.color();
        showColor(dialog.color());
        qCDebug(lcUi, "slotSendLedState i=%d r=%d g=%d b=%d", code, dialog.color().red(), dialog.color().green(),
                dialog.color().blue());
    } else {
        showColor(before);
    }
}

void LightingPage::retranslate()
{
    m_effectLabel->setText(tr("EFFECT"));
    m_brightnessLabel->setText(tr("BRIGHTNESS"));
    m_speedLabel->setText(tr("SPEED"));
    m_colorLabel->setText(tr("COLOR"));
    m_sleepLabel->setText(tr("SLEEP TIME"));
    m_moveOff->setText(tr("MOVE TO LIGHT OFF"));
    for (QAction *action : m_effectMenu->actions())
        action->setText(LightingEffects::name(action->data().toInt()));
    m_effectButton->setText(LightingEffects::name(m_profile ? m_profile->LedMode : 0));
    showSleepValue();
    placeControls();
}

void LightingPage::setScale(double factor)
{
    const QFont font = LanguageFont::current();
    for (QWidget *w : std::initializer_list<QWidget *>{m_effectLabel, m_brightnessLabel, m_speedLabel, m_colorLabel,
                                                        m_sleepLabel, m_sleepValue, m_effectButton, m_moveOff})
        w->setFont(font);
    for (SkinSlider *slider : {m_brightness, m_speed, m_sleep})
        slider->applyTheme(UiTheme::currentColor(), factor);
    UiTheme::styleMenu(m_effectMenu, kMenuWidth);
    placeControls();
}

void LightingPage::placeControls()
{
    auto place = [](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(UiScale::scaled(QRect(x, y, width, height)));
    };
    int y = kFirstRowY;
    place(m_effectLabel, kLeft, y, kWidth, kLabelHeight);
    y += kLabelHeight + kLabelGap;
    place(m_effectButton, kLeft, y, kEffectButtonWidth, kEffectButtonHeight);
    y += kEffectButtonHeight + kRowGap;

    auto row = [&](QWidget *label, QWidget *control, int width, int height) {
        if (!control->isVisibleTo(this))
            return;
        place(label, kLeft, y, kWidth, kLabelHeight);
        y += kLabelHeight + kLabelGap;
        place(control, kLeft, y, width, height);
        y += height + kRowGap;
    };
    row(m_brightnessLabel, m_brightness, kWidth, kSliderHeight);
    row(m_speedLabel, m_speed, kWidth, kSliderHeight);
    row(m_colorLabel, m_colorButton, kColorButtonSize, kColorButtonHeight);

    // Products without a sleep time give these controls no room at all.
    for (QWidget *w : std::initializer_list<QWidget *>{m_sleepLabel, m_sleepValue, m_sleep, m_moveOff})
        w->setVisible(m_showSleep);
    if (!m_showSleep) {
        for (QWidget *w : std::initializer_list<QWidget *>{m_sleepLabel, m_sleepValue, m_sleep, m_moveOff})
            w->setGeometry(QRect());
        return;
    }
    place(m_sleepLabel, kLeft, kSleepLabelY, kWidth - kSleepValueWidth, kLabelHeight);
    place(m_sleepValue, kLeft + kWidth - kSleepValueWidth, kSleepLabelY, kSleepValueWidth, kLabelHeight);
    place(m_sleep, kLeft, kSleepSliderY, kWidth, kSliderHeight);
    place(m_moveOff, kLeft, kMoveOffY, kWidth, kMoveOffHeight);
}
