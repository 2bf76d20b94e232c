#include "batteryhistorydialog.h"

#include "batteryoutlook.h"
#include "batteryplot.h"

#include "device/batteryclock.h"
#include "device/batteryhistory.h"
#include "widgets/languagefont.h"
#include "widgets/uiscale.h"
#include "widgets/uitheme.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kDesignWidth = 560;
constexpr int kDesignHeight = 360;
constexpr int kSpanButtonWidth = 64;
constexpr int kSpanButtonHeight = 24;
constexpr int kRowHeight = 26;

} // namespace

qint64 BatteryHistoryDialog::spanSeconds(Span span)
{
    switch (span) {
    case Day: return 86400;
    case Week: return 7 * 86400;
    case Month: return 30 * 86400;
    }
    return 86400;
}

BatteryHistoryDialog::BatteryHistoryDialog(BatteryOutlook *outlook, QWidget *parent)
    : SkinnedDialog(parent)
    , m_outlook(outlook)
    , m_history(std::make_unique<BatteryHistory>())
{
    setObjectName(QStringLiteral("BatteryHistoryDialog"));
    setThemeFrame(true);
    setDesignSize(QSize(kDesignWidth, kDesignHeight));
    setTitle(tr("Battery history"));
    // Named for the desktop too (task switchers, screen readers).
    setWindowTitle(title());
    addAcceptButton(tr("Close"));

    const QColor accent = UiTheme::currentColor();
    const QRect area = contentsArea();
    m_spans = new QButtonGroup(this);
    const QString labels[] = {tr("24 hours"), tr("7 days"), tr("30 days")};
    const QString style = UiTheme::dialogButtonStyle(accent)
                          + QStringLiteral("QToolButton:checked{background: rgb(%1, %2, %3); color: black;}")
                                .arg(accent.red())
                                .arg(accent.green())
                                .arg(accent.blue());
    const QSize buttonSize = UiScale::scaled(QSize(kSpanButtonWidth, kSpanButtonHeight));
    const int gap = UiScale::scaled(6);
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(this);
        button->setText(labels[i]);
        button->setCheckable(true);
        button->setFont(LanguageFont::current(12));
        button->setStyleSheet(style);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setFixedSize(buttonSize);
        button->move(area.right() + 1 - (3 - i) * buttonSize.width() - (2 - i) * gap, area.top());
        m_spans->addButton(button, i);
    }
    connect(m_spans, &QButtonGroup::idClicked, this, [this](int id) { setSpan(Span(id)); });

    const int row = UiScale::scaled(kRowHeight);
    m_plot = new BatteryPlot(this);
    m_plot->setAccent(accent);
    m_plot->setGeometry(area.left(), area.top() + row + UiScale::scaled(4), area.width(),
                        area.height() - 2 * row - UiScale::scaled(8));

    m_estimate = new QLabel(this);
    m_estimate->setFont(LanguageFont::current(14));
    m_estimate->setStyleSheet(QStringLiteral("color:white;background:transparent;"));
    m_estimate->setGeometry(area.left(), area.bottom() + 1 - row, area.width(), row);

    if (m_outlook)
        connect(m_outlook, &BatteryOutlook::changed, this, &BatteryHistoryDialog::reload);
    setSpan(Day);
}

BatteryHistoryDialog::~BatteryHistoryDialog() = default;

QAbstractButton *BatteryHistoryDialog::spanButton(Span span) const { return m_spans->button(int(span)); }

void BatteryHistoryDialog::setSpan(Span span)
{
    m_span = span;
    m_spans->button(int(span))->setChecked(true);
    reload();
}

void BatteryHistoryDialog::reload()
{
    const qint64 now = BatteryClock::now();
    const qint64 from = now - spanSeconds(m_span);
    const BatteryReadings readings = m_history->readings(from, now + 1);
    m_shown = readings.size();
    m_plot->setReadings(readings, from, now);

    const BatteryEstimate estimate = estimateFromHistory(*m_history, now);
    QString text = BatteryOutlook::describe(estimate);
    if (estimate.level >= 0)
        text = tr("%1% · %2").arg(estimate.level).arg(text);
    if (estimate.known())
        text = tr("%1 (%2% per hour)").arg(text).arg(estimate.ratePerHour, 0, 'f', 1);
    m_estimate->setText(text);
}
