#include "twobarslider.h"

#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skinslider.h"

#include <QSignalBlocker>

namespace {

const double kSplitHandleShare = 0.75;

} // namespace

TwoBarSlider::TwoBarSlider(QWidget *parent)
    : QWidget(parent)
    , m_xSlider(new SkinSlider(Qt::Horizontal, this))
    , m_ySlider(new SkinSlider(Qt::Horizontal, this))
    , m_linkedSlider(new SkinSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("VeskTwoBarSlider"));
    m_xSlider->setObjectName(QStringLiteral("xSlider"));
    m_ySlider->setObjectName(QStringLiteral("ySlider"));
    m_linkedSlider->setObjectName(QStringLiteral("linkedSlider"));
    // The linked slider carries X to both axes; the mouse is sent X and Y.
    connect(m_linkedSlider, &QSlider::valueChanged, this, [this](int value) {
        m_x = value;
        m_y = value;
        emit sliderChanged(m_x, m_y);
    });
    connect(m_xSlider, &QSlider::valueChanged, this, [this](int value) {
        m_x = value;
        emit sliderChanged(m_x, m_y);
    });
    connect(m_ySlider, &QSlider::valueChanged, this, [this](int value) {
        m_y = value;
        emit sliderChanged(m_x, m_y);
    });
    setLinked(false);
}

void TwoBarSlider::setLinked(bool linked)
{
    m_linked = linked;
    m_linkedSlider->setVisible(linked);
    m_xSlider->setVisible(!linked);
    m_ySlider->setVisible(!linked);
    showValues();
}

void TwoBarSlider::setValues(int x, int y)
{
    m_x = x;
    m_y = y;
    showValues();
}

void TwoBarSlider::setRange(int maximum, int minimum)
{
    for (SkinSlider *slider : {m_xSlider, m_ySlider, m_linkedSlider}) {
        const QSignalBlocker blocker(slider);
        slider->setRange(minimum, maximum);
    }
    showValues();
}

void TwoBarSlider::showValues()
{
    const QSignalBlocker bx(m_xSlider);
    const QSignalBlocker by(m_ySlider);
    const QSignalBlocker bl(m_linkedSlider);
    m_xSlider->setValue(m_x);
    m_ySlider->setValue(m_y);
    m_linkedSlider->setValue(m_x);
}

void TwoBarSlider::applyScale()
{
    // The X and Y sliders share the height of the linked one: smaller
    // handles keep the two apart.
    const double factor = UiScale::factor();
    m_linkedSlider->applyTheme(UiTheme::currentColor(), factor);
    for (SkinSlider *slider : {m_xSlider, m_ySlider})
        slider->applyTheme(UiTheme::currentColor(), factor * kSplitHandleShare);
    place();
}

void TwoBarSlider::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    place();
}

void TwoBarSlider::place()
{
    const int half = height() / 2;
    m_xSlider->setGeometry(0, 0, width(), half);
    m_ySlider->setGeometry(0, half, width(), height() - half);
    m_linkedSlider->setGeometry(0, 0, width(), height());
}
