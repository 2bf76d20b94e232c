#include "dpistagerow.h"

#include "twobarslider.h"

#include "config/sensortable.h"
#include "widgets/languagefont.h"
#include "widgets/skin.h"
#include "widgets/uilog.h"
#include "widgets/uiscale.h"
#include "widgets/skincheckbox.h"
#include "widgets/skinslider.h"
#include "widgets/skinlabel.h"

#include <QDebug>
#include <QSignalBlocker>
#include <QSlider>

namespace {

const QRect kEnable(0, 0, 36, 20);
const QRect kDpi(44, 0, 150, 20);
const QRect kX(44, 0, 100, 20);
const QRect kY(148, 0, 100, 20);
const QRect kLink(290, 0, 138, 20);
const QRect kMinimum(0, 22, 44, 34);
const QRect kSlider(48, 22, 326, 34);
const QRect kMaximum(378, 22, 50, 34);

const int kRangeFontSize = 11;

SkinLabel *textLabel(QWidget *parent, const char *name, Qt::Alignment alignment)
{
    auto *label = new SkinLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color:rgb(228,231,236);background:transparent;"));
    return label;
}

QString numbered(const QString &format, int value)
{
    // Replacement, not printf: the format comes from a catalogue.
    return QString(format).replace(QLatin1String("%d"), QString::number(value));
}

} // namespace

DpiStageRow::DpiStageRow(quint8 stage, QWidget *parent)
    : QWidget(parent)
    , m_stage(stage)
    , m_slider(new TwoBarSlider(this))
    , m_linkBox(new SkinCheckBox(QString(), this))
    , m_enableBox(new SkinCheckBox(QString(), this))
    , m_dpiLabel(textLabel(this, "dpiLabel", Qt::AlignLeft))
    , m_xLabel(textLabel(this, "xLabel", Qt::AlignLeft))
    , m_yLabel(textLabel(this, "yLabel", Qt::AlignLeft))
    , m_minimumLabel(textLabel(this, "minimumLabel", Qt::AlignRight))
    , m_maximumLabel(textLabel(this, "maximumLabel", Qt::AlignLeft))
{
    setObjectName(QStringLiteral("VeskSingleDPI"));
    m_linkBox->setObjectName(QStringLiteral("linkBox"));
    m_enableBox->setObjectName(QStringLiteral("enableBox"));
    m_enableBox->setPictures(Skin::path(QStringLiteral("DPI-OFF.png")), Skin::path(QStringLiteral("DPI-ON.png")));
    m_enableBox->setIndicatorSize(kEnable.width(), kEnable.height());
    connect(m_linkBox, &QCheckBox::stateChanged, this, &DpiStageRow::onStateChanged);
    connect(m_enableBox, &QCheckBox::stateChanged, this, &DpiStageRow::onStateChanged);
    connect(m_slider, &TwoBarSlider::sliderChanged, this, &DpiStageRow::onSliderChanged);
    connect(m_dpiLabel, &SkinLabel::clicked, this, [this] { emit labelClicked(m_stage); });
    setLink(0);
    retranslate();
    applyScale();
}

void DpiStageRow::setSensor(int sensorType, const SensorRange &range)
{
    m_sensor = sensorType;
    if (range.known)
        m_slider->setRange(range.maximum, range.minimum);
    const QSlider *shown = m_slider->linkedSlider();
    m_minimumLabel->setText(QString::number(dpiCodeToDpi(shown->minimum(), sensorType)));
    m_maximumLabel->setText(QString::number(dpiCodeToDpi(shown->maximum(), sensorType)));
    showNumbers();
}

void DpiStageRow::setValues(int x, int y)
{
    m_x = x;
    m_y = y;
    m_slider->setValues(x, y);
    showNumbers();
}

void DpiStageRow::setLink(quint8 link)
{
    m_link = link;
    const bool linked = link == 1;
    m_slider->setLinked(linked);
    const QSignalBlocker blocker(m_linkBox);
    m_linkBox->setChecked(linked);
    m_dpiLabel->setVisible(linked);
    m_xLabel->setVisible(!linked);
    m_yLabel->setVisible(!linked);
}

void DpiStageRow::setEnable(quint8 enable)
{
    m_enable = enable;
    const QSignalBlocker blocker(m_enableBox);
    m_enableBox->setChecked(enable == 1);
}

void DpiStageRow::onStateChanged(int state)
{
    const quint8 checked = state == Qt::Checked ? 1 : 0;
    if (sender() == m_linkBox) {
        // A linked stage has one value, the X the row shows: Y follows it
        // before the link is reported, so the mouse is sent what is shown.
        const bool yFollows = checked == 1 && m_y != m_x;
        if (yFollows)
            setValues(m_x, m_x);
        setLink(checked);
        if (yFollows)
            emit dpiChanged(m_x, m_y, m_stage);
        emit linkToggled(m_link, m_stage);
    } else if (sender() == m_enableBox) {
        m_enable = checked;
        emit stageEnabled(m_enable, m_stage);
    }
}

void DpiStageRow::onSliderChanged(int x, int y)
{
    m_x = x;
    m_y = y;
    qCDebug(lcUi, "ix = %d", x);
    showNumbers();
    emit dpiChanged(x, y, m_stage);
}

void DpiStageRow::showNumbers()
{
    m_xLabel->setText(numbered(tr("X:%d"), dpiCodeToDpi(m_x, m_sensor)));
    m_yLabel->setText(numbered(tr("Y:%d"), dpiCodeToDpi(m_y, m_sensor)));
    m_dpiLabel->setText(numbered(tr("DPI : %d"), dpiCodeToDpi(m_x, m_sensor)));
}

void DpiStageRow::retranslate()
{
    m_linkBox->setText(tr("Link XY"));
    showNumbers();
}

void DpiStageRow::applyScale()
{
    const QFont font = LanguageFont::current();
    for (QWidget *widget : {static_cast<QWidget *>(m_linkBox), static_cast<QWidget *>(m_dpiLabel),
                            static_cast<QWidget *>(m_xLabel), static_cast<QWidget *>(m_yLabel)})
        widget->setFont(font);
    const QFont small = LanguageFont::current(kRangeFontSize);
    m_minimumLabel->setFont(small);
    m_maximumLabel->setFont(small);
    m_slider->applyScale();
    place();
}

void DpiStageRow::place()
{
    m_enableBox->setGeometry(UiScale::scaled(kEnable));
    m_dpiLabel->setGeometry(UiScale::scaled(kDpi));
    m_xLabel->setGeometry(UiScale::scaled(kX));
    m_yLabel->setGeometry(UiScale::scaled(kY));
    m_linkBox->setGeometry(UiScale::scaled(kLink));
    m_minimumLabel->setGeometry(UiScale::scaled(kMinimum));
    m_slider->setGeometry(UiScale::scaled(kSlider));
    m_maximumLabel->setGeometry(UiScale::scaled(kMaximum));
}

void DpiStageRow::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
    emit pointerEntered(m_stage);
}
