#include "sniperdialog.h"

#include "config/sensortable.h"

#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"
#include "widgets/skinslider.h"

#include <QLabel>

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
    const SniperRange range = sniperRange(m_sensorType);
    const int value = range.preset(code);
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
