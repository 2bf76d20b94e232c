#include "reportratepage.h"

#include "pageevents.h"

#include "config/reportrate.h"
#include "config/settingranges.h"
#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinlabel.h"
#include "widgets/skinbutton.h"

#include <QButtonGroup>
#include <QDebug>
#include <QMenu>

namespace {

// Design geometry inside the page (229 x 90).
const int kLeft = 12;
const QRect kRateCaption(12, 6, 112, 28);
const QRect kRateButton(124, 6, 95, 28);
const QRect kLiftCaption(12, 38, 207, 22);
const int kRadioY = 62;
const int kRadioHeight = 24;
const int kRadioWidth = 95;
const int kSecondRadioX = kLeft + 105;
const int kMenuWidth = 95;   // the rate button's width: the menu stays inside the window
const int kTextSliceBorder = 8;

} // namespace

PagePlace ReportRatePage::placement()
{
    return {PageTab::Performance, QRect(746, 90, 229, 90), "VeskReportRate"};
}

ReportRatePage::ReportRatePage(PageEvents &events, const PageContext &, QWidget *parent)
    : QWidget(parent)
    , m_events(events)
{
    setObjectName(QLatin1String(placement().objectName));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#VeskReportRate{background-color: rgba(33,35,35,0.5)}"));

    m_rateCaption = new SkinLabel(this);
    m_rateButton = new SkinButton(this);
    m_rateButton->setObjectName(QStringLiteral("rate"));
    m_rateButton->setPictures({Skin::path(QStringLiteral("tabbutton-1.png")),
                               Skin::path(QStringLiteral("tabbutton-3.png")),
                               Skin::path(QStringLiteral("tabbutton-2.png"))});
    m_rateButton->setSliceBorder(kTextSliceBorder);
    m_rateMenu = new QMenu(m_rateButton);
    for (int code : kReportRateCodes) {
        QAction *action = m_rateMenu->addAction(reportRateText(code));
        action->setData(code);
        connect(action, &QAction::triggered, this, [this, code] { chooseRate(code); });
    }
    m_rateButton->setMenu(m_rateMenu);

    m_liftCaption = new SkinLabel(this);
    m_liftGroup = new QButtonGroup(this);
    m_liftGroup->setExclusive(true);
    for (int id = 0; id < 2; ++id) {
        auto *box = new SkinCheckBox(QString(), this);
        box->setObjectName(id == 0 ? QStringLiteral("lift1mm") : QStringLiteral("lift2mm"));
        box->setPictures(Skin::path(QStringLiteral("checkbox2-1.png")), Skin::path(QStringLiteral("checkbox2-2.png")));
        m_liftGroup->addButton(box, id);
    }
    connect(m_liftGroup, &QButtonGroup::idClicked, this, &ReportRatePage::onRadioChanged);

    retranslate();
}

ReportRatePage::~ReportRatePage() = default;

SkinCheckBox *ReportRatePage::liftBox(int id) const
{
    return static_cast<SkinCheckBox *>(m_liftGroup->button(id));
}

void ReportRatePage::show(ProfileData &profile, MouseConfig &config, const PageContext &)
{
    m_profile = &profile;
    m_config = &config;
    showRateLabel();
    showLift(config.LiftHigh);
}

void ReportRatePage::showRate(int)
{
    // The mouse's own button set the rate the record holds now.
    showRateLabel();
}

void ReportRatePage::showLift(int liftHigh)
{
    m_liftGroup->button(SettingRanges::isLowLift(liftHigh) ? 0 : 1)->setChecked(true);
}

int ReportRatePage::shownLift() const
{
    return m_liftGroup->checkedId() == 0 ? SettingRanges::kLiftLow : SettingRanges::kLiftHigh;
}

void ReportRatePage::showRateLabel()
{
    m_rateButton->setText(m_profile ? reportRateText(m_profile->pollrate) : QString());
}

void ReportRatePage::chooseRate(int code)
{
    if (!m_profile)
        return;
    m_profile->pollrate = uint8_t(code);
    showRateLabel();
}

void ReportRatePage::onRadioChanged(int id)
{
    if (!m_config)
        return;
    m_config->LiftHigh = uint8_t(SettingRanges::liftFor(id == 0));
    qCDebug(lcUi, "lift-off distance code %d", m_config->LiftHigh);
    emit m_events.liftChanged(m_config->LiftHigh);
}

void ReportRatePage::retranslate()
{
    m_rateCaption->setText(tr("REPORT RATE"));
    m_liftCaption->setText(tr("Lift off Distance"));
    m_liftGroup->button(0)->setText(tr("1 mm"));
    m_liftGroup->button(1)->setText(tr("2 mm"));
    for (QAction *action : m_rateMenu->actions())
        action->setText(reportRateText(action->data().toInt()));
    showRateLabel();
}

void ReportRatePage::setScale(double)
{
    const QFont font = LanguageFont::current();
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    UiTheme::styleMenu(m_rateMenu, kMenuWidth);
    placeControls();
}

void ReportRatePage::placeControls()
{
    m_rateCaption->setGeometry(UiScale::scaled(kRateCaption));
    m_rateButton->setGeometry(UiScale::scaled(kRateButton));
    m_liftCaption->setGeometry(UiScale::scaled(kLiftCaption));
    m_liftGroup->button(0)->setGeometry(UiScale::scaled(QRect(kLeft, kRadioY, kRadioWidth, kRadioHeight)));
    m_liftGroup->button(1)->setGeometry(UiScale::scaled(QRect(kSecondRadioX, kRadioY, kRadioWidth, kRadioHeight)));
}
