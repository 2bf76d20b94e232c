#include "sniperdialog.h"

#include "config/dpicode.h"

#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skinslider.h"

#include <QLabel>

SniperDialog::Range SniperDialog::rangeFor(int sensorType)
{
    switch (sensorType) {
    case 3325:
    case 3327:
    case 3360:
    case 3335: return {1, 10, 1, 10, 3};
    case 3333: return {2, 10, 1, 10, 3};
    case 3389: return {2, 20, 2, 20, 6};
    case 3212: return {16, 32, 17, 32, 16};
    case 3104: return {14, 26, 15, 26, 14};
    default: return {1, 10, 0, 255, 0};
    }
}

int SniperDialog::presetValue(int value, int sensorType)
{
    const Range range = rangeFor(sensorType);
    return value >= range.keepFrom && value <= range.keepTo ? value : range.fallback;
}

SniperDialog::SniperDialog(int sensorType, QWidget *parent)
    : SkinnedDialog(parent)
    , m_sensorType(sensorType)
{
    setObjectName(QStringLiteral("VeskSniperWindow"));
    setThemeFrame(true);
    setDesignSize(QSize(400, 258));
    setTitle(tr("Sniper Setting"));
    addAcceptButton(tr("OK"));
    addRejectButton(tr("Cancel"));

    m_dpi = new QLabel(this);
    m_dpi->setAlignment(Qt::AlignCenter);
    m_dpi->setFont(LanguageFont::current(20));
    m_dpi->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    m_dpi->setGeometry(UiScale::scaled(QRect(75, 70, 250, 36)));

    auto *slider = new SkinSlider(Qt::Horizontal, this);
    slider->applyTheme(UiTheme::currentColor(), UiScale::factor());
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setGeometry(UiScale::scaled(QRect(75, 120, 250, 30)));
    m_slider = slider;
    connect(m_slider, &QSlider::valueChanged, this, &SniperDialog::setCode);

    preset(0);
}

void SniperDialog::preset(int code)
{
    const Range range = rangeFor(m_sensorType);
    const int value = presetValue(code, m_sensorType);
    m_slider->blockSignals(true);
    m_slider->setRange(range.minimum, range.maximum);
    m_slider->setValue(value);
    m_slider->blockSignals(false);
    setCode(value);
}

void SniperDialog::setCode(int code)
{
    m_code = code;
    m_dpi->setText(dpiText());
}

QString SniperDialog::dpiText() const { return QString::number(dpiCodeToDpi(m_code, m_sensorType)); }
