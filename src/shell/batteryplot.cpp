#include "batteryplot.h"

#include "device/batteryestimate.h"
#include "widgets/languagefont.h"
#include "widgets/uiscale.h"

#include <QDateTime>
#include <QPainter>

namespace {

// Design units of the margins around the plotting area: room for the level
// labels on the left and the times below.
constexpr int kLeft = 40;
constexpr int kRight = 10;
constexpr int kTop = 8;
constexpr int kBottom = 24;
constexpr int kLabelPixels = 11;

const QColor kBackground(24, 24, 24);
const QColor kGrid(80, 80, 80);
const QColor kLabel(200, 200, 200);

// Ticks on the time axis: every 6 hours over a day, every day over a week,
// every 5 days over a month.
qint64 tickStep(qint64 span)
{
    if (span <= 2 * 86400)
        return 6 * 3600;
    if (span <= 10 * 86400)
        return 86400;
    return 5 * 86400;
}

} // namespace

BatteryPlot::BatteryPlot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BatteryPlot::setReadings(const BatteryReadings &readings, qint64 from, qint64 to)
{
    m_readings = readings;
    m_from = from;
    m_to = qMax(from + 1, to);
    update();
}

void BatteryPlot::setAccent(const QColor &accent)
{
    m_accent = accent;
    update();
}

QVector<QPair<qint64, qint64>> BatteryPlot::chargingSpans(const BatteryReadings &readings)
{
    QVector<QPair<qint64, qint64>> spans;
    bool open = false;
    qint64 start = 0;
    qint64 lastCharging = 0;
    for (const BatteryReading &r : readings) {
        const bool charging = !r.off() && r.charging;
        if (open && r.at - lastCharging > BatteryEstimate::kMaxStepSeconds) {
            spans.append({start, lastCharging});
            open = false;
        }
        if (charging) {
            if (!open) {
                open = true;
                start = r.at;
            }
            lastCharging = r.at;
        } else if (open) {
            spans.append({start, r.at});
            open = false;
        }
    }
    if (open)
        spans.append({start, lastCharging});
    return spans;
}

void BatteryPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(UiScale::scaled(kLeft), UiScale::scaled(kTop),
                      width() - UiScale::scaled(kLeft) - UiScale::scaled(kRight),
                      height() - UiScale::scaled(kTop) - UiScale::scaled(kBottom));
    const double span = double(m_to - m_from);
    auto xOf = [&](qint64 at) { return area.left() + area.width() * double(at - m_from) / span; };
    auto yOf = [&](int level) { return area.bottom() - area.height() * qBound(0, level, 100) / 100.0; };

    QFont font = LanguageFont::current(kLabelPixels);
    painter.setFont(font);

    // Charging: shaded behind everything else.
    QColor shade = m_accent;
    shade.setAlpha(70);
    for (const auto &spanPair : chargingSpans(m_readings)) {
        const double left = qMax(area.left(), xOf(spanPair.first));
        const double right = qMin(area.right(), xOf(spanPair.second));
        // A charge seen by one reading still shows.
        painter.fillRect(QRectF(left, area.top(), qMax(right - left, 2.0 * UiScale::factor()), area.height()), shade);
    }

    // Grid and level labels.
    painter.setPen(QPen(kGrid, 1));
    for (int level : {0, 50, 100}) {
        const double y = yOf(level);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.save();
        painter.setPen(kLabel);
        painter.drawText(QRectF(0, y - UiScale::scaled(8), area.left() - UiScale::scaled(4), UiScale::scaled(16)),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(level));
        painter.restore();
    }

    // Time ticks at whole local hours or days.
    const qint64 step = tickStep(m_to - m_from);
    const QDateTime start = QDateTime::fromSecsSinceEpoch(m_from);
    // The first tick before the span: a whole multiple of the step's hours
    // (0:00, 6:00 ...), or midnight for steps of days.
    QDateTime tick(start.date(), QTime(0, 0));
    if (step < 86400) {
        const int hours = int(step / 3600);
        tick.setTime(QTime(start.time().hour() - start.time().hour() % hours, 0));
    }
    const QString format = step < 86400 ? QStringLiteral("HH:mm") : QStringLiteral("MM-dd");
    for (int guard = 0; guard < 64; ++guard) {
        tick = tick.addSecs(step);
        const qint64 at = tick.toSecsSinceEpoch();
        if (at >= m_to)
            break;
        if (at <= m_from)
            continue;
        const double x = xOf(at);
        painter.setPen(QPen(kGrid, 1, Qt::DotLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(kLabel);
        painter.drawText(QRectF(x - UiScale::scaled(30), area.bottom() + UiScale::scaled(4), UiScale::scaled(60),
                                UiScale::scaled(16)),
                         Qt::AlignHCenter | Qt::AlignTop, tick.toString(format));
    }

    // The level, broken where the mouse slept or nothing was read for long.
    // A month holds thousands of readings, mostly repeating the level before
    // them: a reading between two of the same level adds nothing to the
    // line and is left out, which keeps the polylines short.
    painter.setPen(QPen(m_accent, qMax(1.5, 2.0 * UiScale::factor()), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(area.adjusted(-2, -2, 2, 2));
    QPolygonF run;
    auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    qint64 previous = 0;
    for (int i = 0; i < m_readings.size(); ++i) {
        const BatteryReading &r = m_readings[i];
        if (r.off()) {
            flush();
            continue;
        }
        if (!run.isEmpty() && r.at - previous > kBreakSeconds)
            flush();
        const bool last = i + 1 == m_readings.size();
        const bool inner = !run.isEmpty() && !last && !m_readings[i + 1].off()
                           && m_readings[i + 1].level == r.level && m_readings[i - 1].level == r.level
                           && m_readings[i + 1].at - r.at <= kBreakSeconds;
        if (!inner)
            run << QPointF(xOf(r.at), yOf(r.level));
        previous = r.at;
    }
    flush();
    painter.setClipping(false);

    if (m_readings.isEmpty()) {
        painter.setPen(kLabel);
        painter.drawText(area, Qt::AlignCenter, tr("No readings in this period"));
    }
}
