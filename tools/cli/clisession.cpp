#include "clisession.h"

#include "clioutput.h"

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/configrepair.h"
#include "config/outputtarget.h"
#include "config/paths.h"
#include "config/reportrate.h"
#include "device/commandset.h"
#include "device/deviceaccessadvice.h"
#include "device/fullupload.h"
#include "device/discovery.h"
#include "device/mouselink.h"
#include "device/mouselist.h"
#include "device/profileswitch.h"
#include "device/transport.h"
#include "device/uploadworker.h"

#include <QFileInfo>
#include <QJsonObject>

CliSession::CliSession(bool reportOnly)
    : m_link(m_settings.mouse())
{
    prepareSettings(reportOnly);
}

CliSession::CliSession(MouseLink &windowLink)
    : m_link(windowLink)
    , m_ownsLink(false)
    , m_opened(true)
{
    prepareSettings(false);
}

void CliSession::prepareSettings(bool reportOnly)
{
    QString why;
    if (!Paths::ensureConfigs(&why))
        CliOutput::error(QStringLiteral("settings folder: ") + why);
    bool repairFailed = false;
    const QStringList restored = ConfigRepair::restoreFromShipped(&repairFailed);
    if (!restored.isEmpty())
        CliOutput::error(QStringLiteral("%1 named no product or no sensor; restored from the shipped defaults: %2")
                             .arg(Paths::configFile(), restored.join(QStringLiteral(", "))));
    else if (repairFailed)
        CliOutput::error(QStringLiteral("%1 names no product or no sensor and could not be restored from the "
                                        "shipped defaults").arg(Paths::configFile()));
    // The records as the files hold them: a save writes only the profiles
    // a command changed.
    m_settings.load(reportOnly);
}

CliSession::~CliSession()
{
    if (m_opened && m_ownsLink) {
        m_link.close();
        hidBackend().exit();
    }
}

bool CliSession::openDevice()
{
    if (!m_opened) {
        m_opened = true;
        LoadMouseList();
        if (EnumerateMice() == 0)
            m_link.openByName(AppConfig::currentProductName());
        const QString advice = currentDeviceAccessAdvice(m_link);
        if (!advice.isEmpty())
            CliOutput::error(advice);
    }
    return m_link.commandHandle() != nullptr;
}

void CliSession::readMouseState()
{
    // Once a run: the answer does not change within it.
    if (m_stateRead)
        return;
    m_stateRead = true;
    const HidHandle handle = m_link.commandHandle();
    if (!handle)
        return;
    const StatusSnapshot snapshot = queryStatusOnce(handle);
    if (snapshot.reported)
        takeReport(snapshot.report);
    if (!snapshot.answered)
        return;
    m_link.takeStatus(snapshot.answer);
    if (snapshot.answer.mouseOff())
        return;
    noteWriteStatus(snapshot.answer.writeStatus);
}

void CliSession::followMouse()
{
    openDevice();
    readMouseState();
}

void CliSession::takeReport(const StatusReport &report)
{
    // The same belief as the window's: values that would index past a table
    // are not taken.
    MouseConfig &config = m_settings.editing();
    if (report.profile >= kProfileCount)
        return;
    if (report.profile != config.ProfileID) {
        config.ProfileID = report.profile;
        if (!AppConfig::saveActiveProfileIndex(report.profile))
            CliOutput::error(QStringLiteral("the active profile could not be stored in %1").arg(Paths::configFile()));
        CliOutput::error(QStringLiteral("the mouse is on profile %1 (switched with its own button); following it")
                             .arg(report.profile + 1));
    }
    ProfileData &profile = currentProfile(config);
    if (report.dpi < kDpiStageCount)
        profile.dpi = report.dpi;
    if (isReportRateCode(report.rate))
        profile.pollrate = report.rate;
}

int CliSession::finish(int result)
{
    // A mouse that may not be opened has been explained already.
    if (result == kTransferNoDevice && !m_link.deniedPath().isEmpty())
        return result;
    const QString message = CliOutput::resultMessage(result);
    if (!message.isEmpty())
        CliOutput::error(message);
    return result;
}

int CliSession::upload(bool full, bool readState)
{
    if (readState) {
        openDevice();
        readMouseState();
    }
    // What the mouse holds is shared with the window and earlier runs
    // through Paths::sentTablesFile(): only the tables whose bytes differ
    // from it go out, and everything when it is missing.
    UploadWorker worker;
    worker.full = full;
    m_settings.prepare(worker);
    worker.setLink(&m_link);
    worker.start();
    worker.wait();
    // Without a command channel nothing could be sent: that is no mouse,
    // not a failed send.
    const int result = worker.result != kTransferOk && !m_link.commandHandle() ? int(kTransferNoDevice) : worker.result;
    if (!worker.settingsSaved) {
        CliOutput::error(QStringLiteral("the settings could not be saved in %1").arg(Paths::configsDir()));
        if (result == kTransferOk)
            return CliOutput::kCantCreate;
    }
    return finish(result);
}

int CliSession::apply(bool full)
{
    return upload(full);
}

int CliSession::load(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        CliOutput::error(QStringLiteral("%1: no such file").arg(path));
        return CliOutput::kNoInput;
    }
    const ConfigImport imported = importConfiguration(m_settings.editing(), path, AppConfig::currentProductName());
    switch (imported.outcome) {
    case ConfigImport::NoFile:
        CliOutput::error(QStringLiteral("%1: cannot be read").arg(path));
        return CliOutput::kNoInput;
    case ConfigImport::OtherProduct:
        CliOutput::error(QStringLiteral("The file is not match current mouse!"));
        return CliOutput::kDataError;
    case ConfigImport::Incomplete:
        CliOutput::error(QStringLiteral("%1: incomplete configuration (a profile lacks its button or DPI "
                                        "settings); nothing was changed").arg(path));
        return CliOutput::kDataError;
    case ConfigImport::OutOfRange:
        CliOutput::error(QStringLiteral("%1: %2; nothing was changed").arg(path, imported.outOfRange));
        return CliOutput::kDataError;
    case ConfigImport::DuplicateName:
        CliOutput::error(QStringLiteral("Profile is Already Used! (%1: two slots are named \"%2\"); nothing was changed")
                             .arg(path, imported.duplicateName));
        return CliOutput::kDataError;
    case ConfigImport::Imported:
        break;
    }
    for (const QString &refused : imported.refusedNames)
        CliOutput::error(QStringLiteral("%1 is not a usable profile name; that slot keeps its name").arg(refused));
    return upload(false);
}

int CliSession::save(const QString &path, bool replace)
{
    const OutputTarget::Verdict target = OutputTarget::check(path, replace);
    if (!OutputTarget::writable(target)) {
        CliOutput::error(OutputTarget::message(target, path, QStringLiteral("--force")));
        return CliOutput::kCantCreate;
    }
    const MouseConfig copy = m_settings.editing();
    // The file is written whole: the product stamp goes in with it, or a
    // later load would refuse the file as another mouse's.
    if (!exportConfigFile(copy, path, AppConfig::currentProductName())) {
        CliOutput::error(QStringLiteral("%1: cannot be written").arg(path));
        return CliOutput::kCantCreate;
    }
    return 0;
}

int CliSession::profile(int number)
{
    const int index = number - 1;
    const bool open = openDevice();
    readMouseState();

    // The switch as the window's profile menu makes it.
    ProfileSwitchSteps steps;
    if (!open)
        steps.send = [](int) { return int(kTransferNoDevice); };
    bool stored = true;
    steps.makeCurrent = [this, &stored](int profile) {
        m_settings.editing().ProfileID = uint8_t(profile);
        stored = AppConfig::saveActiveProfileIndex(profile);
        if (!stored)
            CliOutput::error(QStringLiteral("the active profile could not be stored in %1").arg(Paths::configFile()));
    };
    bool tablesSent = false;
    steps.sendTables = [this, &tablesSent] {
        tablesSent = true;
        return upload(false, false);
    };
    const int result = switchProfileThenSendTables(m_link, index, steps);
    if (!tablesSent)
        return finish(result);
    return result == kTransferOk && !stored ? CliOutput::kCantCreate : result;
}

int CliSession::status(bool asJson)
{
    const bool open = openDevice();
    const bool cable = m_link.cableOpen();
    const bool receiver = m_link.receiverOpen();
    const QString connection = cable ? QStringLiteral("cable") : receiver ? QStringLiteral("receiver") : QStringLiteral("none");

    StatusSnapshot snapshot;
    if (open)
        snapshot = queryStatusOnce(m_link.commandHandle());
    // A switch the mouse made on its own becomes the settings' too.
    if (snapshot.reported)
        takeReport(snapshot.report);
    const StatusAnswer &answer = snapshot.answer;
    const bool off = snapshot.answered && answer.mouseOff();

    // Profile, stage and rate: what the mouse said if it said it just now,
    // else what the settings hold (the mouse reports them only on change).
    const ProfileData &current = currentProfile(m_settings.editing());
    int profile = m_settings.editing().profileIndex();
    int stage = current.dpi;
    int rate = current.pollrate;
    if (snapshot.reported) {
        profile = snapshot.report.profile;
        stage = snapshot.report.dpi;
        rate = snapshot.report.rate;
    }
    const QString name = m_settings.editing().names[(profile >= 0 && profile < kProfileCount) ? profile : 0];
    const int level = batteryLevel(answer.rawBattery(), batteryFullMillivolts());

    int result = kTransferOk;
    if (!open)
        result = kTransferNoDevice;
    else if (!snapshot.answered)
        result = snapshot.writeResult < 0 ? kTransferWriteFailed : kTransferReadBackFailed;
    else if (off)
        result = kTransferMouseOff;

    if (asJson) {
        QJsonObject object{
            {"connection", connection},
            {"receiver", receiver},
            {"cable", cable},
            {"answered", snapshot.answered},
            {"mouseOff", off},
            {"profile", profile + 1},
            {"profileName", name},
            {"dpiStage", stage + 1},
            {"reportRate", QJsonObject{{"code", rate}, {"hz", reportRateHz(rate)}}},
            {"source", snapshot.reported ? "mouse" : "settings"},
            {"result", result},
        };
        // What the mouse did not answer is null: the keys are always there.
        const bool known = snapshot.answered && !off;
        const auto answered = [known](const QJsonValue &value) { return known ? value : QJsonValue(); };
        object.insert("battery", answered(QJsonObject{{"level", level},
                                                      {"raw", answer.rawBattery()},
                                                      {"millivolts", batteryMillivolts(answer.rawBattery())}}));
        object.insert("charging", answered(answer.charge != 0));
        object.insert("writeStatus", answered(answer.writeStatus));
        object.insert("sensorMode", answered(answer.sensorMode));
        CliOutput::json(object);
    } else {
        CliOutput::line(QStringLiteral("connection: %1").arg(connection));
        if (snapshot.answered && !off) {
            CliOutput::line(QStringLiteral("battery: %1 % (raw %2, %3 mV)")
                                .arg(level)
                                .arg(answer.rawBattery())
                                .arg(batteryMillivolts(answer.rawBattery()), 0, 'f', 0));
            CliOutput::line(QStringLiteral("charging: %1").arg(answer.charge ? "yes" : "no"));
        } else if (off) {
            CliOutput::line(QStringLiteral("battery: MOUSE OFF"));
        }
        CliOutput::line(QStringLiteral("profile: %1 (%2)").arg(profile + 1).arg(name));
        CliOutput::line(QStringLiteral("dpi stage: %1").arg(stage + 1));
        CliOutput::line(QStringLiteral("report rate: %1 Hz").arg(reportRateHz(rate)));
    }

    if (!open) {
        // A refused mouse has been explained already; it is not disconnected.
        if (m_link.deniedPath().isEmpty())
            CliOutput::error(CliOutput::resultMessage(kTransferNoDevice));
        return result;
    }
    return finish(result);
}

int CliSession::commit(bool apply)
{
    if (apply)
        return upload(false);
    if (!m_settings.save()) {
        CliOutput::error(QStringLiteral("the settings could not be saved in %1").arg(Paths::configsDir()));
        return CliOutput::kCantCreate;
    }
    // The mouse has not seen these settings: the next upload sends them all.
    if (!FullUpload::require(FullUpload::Reason::NotSent))
        CliOutput::error(QStringLiteral("Config/Diff could not be set; run apply --full to send everything"));
    return 0;
}
