#include "clibattery.h"

#include "clioutput.h"
#include "clisession.h"

#include "device/batteryclock.h"
#include "device/batteryhistory.h"
#include "device/batteryrecorder.h"
#include "device/mouselink.h"
#include "device/statusquery.h"
#include "device/transferoutcome.h"
#include "device/transport.h"

#include <QDateTime>
#include <QJsonArray>

#include <cmath>

namespace CliBattery {

namespace {

constexpr qint64 kDefaultSpan = 86400;

QString isoTime(qint64 at)
{
    return QDateTime::fromSecsSinceEpoch(at, Qt::UTC).toString(Qt::ISODate);
}

QString localTime(qint64 at)
{
    return QDateTime::fromSecsSinceEpoch(at).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int history(const CliCommands::Parsed &parsed)
{
    qint64 span = kDefaultSpan;
    QString spanText = QStringLiteral("24h");
    if (parsed.isSet(QStringLiteral("since"))) {
        spanText = parsed.value(QStringLiteral("since"));
        span = parseSpan(spanText);
        if (span == 0) {
            CliOutput::error(QStringLiteral("--since takes a span such as 24h, 7d or 30d (at most 365d)"));
            return CliOutput::kUsage;
        }
    }
    const BatteryHistory store;
    if (!store.isOpen()) {
        CliOutput::error(QStringLiteral("the battery history %1 cannot be read: %2").arg(store.file(), store.lastError()));
        return CliOutput::kNoInput;
    }
    const qint64 now = BatteryClock::now();
    const BatteryReadings readings = store.readings(now - span, now + 1);
    const QVector<ChargeEvent> events = store.chargeEvents(now - span, now + 1);
    const BatteryEstimate estimate = estimateFromHistory(store, now);

    if (parsed.isSet(QStringLiteral("json"))) {
        QJsonArray rows;
        for (const BatteryReading &r : readings) {
            QJsonObject row{{"at", isoTime(r.at)}, {"time", r.at}, {"off", r.off()}, {"raw", r.raw}};
            if (!r.off()) {
                row.insert("level", r.level);
                row.insert("charging", r.charging);
            }
            rows.append(row);
        }
        QJsonArray charges;
        for (const ChargeEvent &e : events)
            charges.append(QJsonObject{{"at", isoTime(e.at)}, {"time", e.at}, {"started", e.started}});
        CliOutput::json(QJsonObject{{"since", spanText},
                                    {"from", isoTime(now - span)},
                                    {"to", isoTime(now)},
                                    {"file", store.file()},
                                    {"readings", rows},
                                    {"chargeEvents", charges},
                                    {"estimate", estimateJson(estimate)}});
        return 0;
    }
    if (readings.isEmpty())
        CliOutput::line(QStringLiteral("no readings in the last %1").arg(spanText));
    for (const BatteryReading &r : readings) {
        if (r.off())
            CliOutput::line(QStringLiteral("%1  asleep or off").arg(localTime(r.at)));
        else
            CliOutput::line(QStringLiteral("%1  %2 %%3")
                                .arg(localTime(r.at))
                                .arg(r.level, 3)
                                .arg(r.charging ? QStringLiteral("  charging") : QString()));
    }
    CliOutput::line(QStringLiteral("estimate: %1").arg(estimateLine(estimate)));
    return 0;
}

} // namespace

qint64 parseSpan(const QString &text)
{
    if (text.size() < 2)
        return 0;
    const QChar unit = text.back().toLower();
    bool ok = false;
    const qint64 n = text.chopped(1).toLongLong(&ok, 10);
    if (!ok || n < 1 || text.front() == QLatin1Char('+'))
        return 0;
    const qint64 seconds = unit == QLatin1Char('h') ? n * 3600 : unit == QLatin1Char('d') ? n * 86400 : 0;
    return seconds > 0 && seconds <= BatteryHistory::kKeepSeconds ? seconds : 0;
}

QString duration(double hours)
{
    const qint64 minutes = qint64(std::llround(hours * 60));
    if (minutes < 1)
        return QStringLiteral("under a minute");
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QJsonObject estimateJson(const BatteryEstimate &estimate)
{
    QJsonObject object;
    switch (estimate.kind) {
    case BatteryEstimate::Kind::None: object.insert("kind", "none"); break;
    case BatteryEstimate::Kind::UntilEmpty: object.insert("kind", "until-empty"); break;
    case BatteryEstimate::Kind::UntilFull: object.insert("kind", "until-full"); break;
    }
    if (estimate.known()) {
        object.insert("hours", std::round(estimate.hours * 100) / 100);
        object.insert("percentPerHour", std::round(estimate.ratePerHour * 100) / 100);
        object.insert("since", isoTime(estimate.since));
    }
    return object;
}

QString estimateLine(const BatteryEstimate &estimate)
{
    switch (estimate.kind) {
    case BatteryEstimate::Kind::UntilEmpty:
        return QStringLiteral("about %1 left (%2 % per hour)")
            .arg(duration(estimate.hours))
            .arg(estimate.ratePerHour, 0, 'f', 1);
    case BatteryEstimate::Kind::UntilFull:
        return QStringLiteral("full in about %1 (%2 % per hour)")
            .arg(duration(estimate.hours))
            .arg(estimate.ratePerHour, 0, 'f', 1);
    case BatteryEstimate::Kind::None: break;
    }
    return estimate.charging ? QStringLiteral("none yet: too little of this charge seen")
                             : QStringLiteral("none yet: too little use seen since the last charge");
}

int run(const CliCommands::Parsed &parsed, CliSession &session)
{
    if (parsed.isSet(QStringLiteral("history")))
        return history(parsed);
    if (parsed.isSet(QStringLiteral("since"))) {
        CliOutput::error(QStringLiteral("--since belongs to --history"));
        return CliOutput::kUsage;
    }
    const bool asJson = parsed.isSet(QStringLiteral("json"));
    if (!session.openDevice()) {
        if (asJson)
            CliOutput::json(QJsonObject{{"connection", "none"}, {"result", kTransferNoDevice}});
        if (session.link().deniedPath().isEmpty())
            CliOutput::error(QStringLiteral("Dongle Disconnect!"));
        return kTransferNoDevice;
    }
    const bool cable = session.link().cableOpen();
    const StatusSnapshot snapshot = queryStatusOnce(session.link().commandHandle());
    if (!snapshot.answered) {
        const int result = snapshot.writeResult < 0 ? kTransferWriteFailed : kTransferReadBackFailed;
        if (asJson)
            CliOutput::json(QJsonObject{{"connection", cable ? "cable" : "receiver"}, {"result", result}});
        CliOutput::error(CliOutput::resultMessage(result));
        return result;
    }

    // The reading is kept as the window's poller keeps its own.
    BatteryRecorder recorder(batteryFullMillivolts());
    const BatteryReading reading =
        BatteryRecorder::readingOf(snapshot.answer, cable, batteryFullMillivolts(), BatteryClock::now());
    recorder.record(reading);
    const BatteryEstimate estimate = estimateFromHistory(recorder.history(), reading.at);
    const int result = reading.off() ? kTransferMouseOff : kTransferOk;

    if (asJson) {
        QJsonObject object{{"connection", cable ? "cable" : "receiver"},
                           {"mouseOff", reading.off()},
                           {"result", result}};
        if (!reading.off()) {
            object.insert("level", reading.level);
            object.insert("charging", reading.charging);
            object.insert("estimate", estimateJson(estimate));
        }
        CliOutput::json(object);
    } else if (reading.off()) {
        CliOutput::line(QStringLiteral("battery: MOUSE OFF"));
    } else {
        CliOutput::line(QStringLiteral("battery: %1 %").arg(reading.level));
        CliOutput::line(QStringLiteral("charging: %1").arg(reading.charging ? "yes" : "no"));
        CliOutput::line(QStringLiteral("estimate: %1").arg(estimateLine(estimate)));
    }
    if (result != kTransferOk)
        CliOutput::error(CliOutput::resultMessage(result));
    return result;
}

} // namespace CliBattery
