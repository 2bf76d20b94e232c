#include "clisession.h"

#include "clioutput.h"

#include "config/appconfig.h"
#include "config/configfile.h"
#include "config/configrepair.h"
#include "config/outputtarget.h"
#include "config/paths.h"
#include "config/settingsdigest.h"
#include "device/profileswitch.h"
#include "device/commandset.h"
#include "device/deviceaccessadvice.h"
#include "device/devicehandles.h"
#include "device/devicestate.h"
#include "device/discovery.h"
#include "device/mouselist.h"
#include "device/transferoutcome.h"
#include "device/transport.h"
#include "device/uploadall.h"
#include "device/uploadworker.h"

#include <QFileInfo>
#include <QJsonObject>

CliSession::CliSession(bool wholeRecord)
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
    AppConfig::loadAll(workingConfig, !wholeRecord);
    m_loaded = workingConfig;
}

void CliSession::readSnapshot()
{
    // What the mouse last received from the command line: an upload sends
    // the groups that differ from it, and everything when there is none.
    // Read only when an upload needs it: most commands never do.
    if (m_snapshotRead)
        return;
    m_snapshotRead = true;
    // The quick way: the settings files are as the last upload left them,
    // so the record loaded from them is the one the mouse has.
    // Without the copy itself the record is not known, whatever the digest.
    const QByteArray digest = SettingsDigest::stored(Paths::lastSentDigestFile());
    if (!digest.isEmpty() && QFileInfo::exists(Paths::lastSentFile()) && digest == SettingsDigest::of(m_loaded)) {
        storedConfig = m_loaded;
        m_haveSnapshot = true;
        return;
    }
    storedConfig = workingConfig;
    m_haveSnapshot = readRecordSnapshot(storedConfig, Paths::lastSentFile(), AppConfig::currentProductName());
}

CliSession::~CliSession()
{
    if (m_opened) {
        CloseDevices();
        ShutdownHid();
    }
}

bool CliSession::openDevice()
{
    if (!m_opened) {
        m_opened = true;
        LoadMouseList();
        if (EnumerateMice() == 0)
            OpenDevicesByName(AppConfig::currentProductName());
        const QString advice = currentDeviceAccessAdvice();
        if (!advice.isEmpty())
            CliOutput::error(advice);
    }
    return CurrentCommandHandle() != nullptr;
}

void CliSession::readMouseState()
{
    const HidHandle handle = CurrentCommandHandle();
    if (!handle)
        return;
    const StatusSnapshot snapshot = queryStatusOnce(handle);
    if (!snapshot.answered)
        return;
    setMouseOff(snapshot.answer.mouseOff());
    if (snapshot.answer.mouseOff())
        return;
    setCurrentSensorMode(snapshot.answer.sensorMode);
    if (snapshot.answer.writeStatus == 0)
        AppConfig::setDiff(1);
}

int CliSession::finish(int result)
{
    // A mouse that may not be opened has been explained already.
    if (result == kTransferNoDevice && !deniedDevicePath().isEmpty())
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
    readSnapshot();
    UploadWorker worker;
    worker.full = full || !m_haveSnapshot;
    worker.start();
    worker.wait();
    // Without a command channel nothing could be sent: that is no mouse,
    // not a failed send.
    const int result = worker.result != kTransferOk && !CurrentCommandHandle() ? int(kTransferNoDevice) : worker.result;
    if (result == kTransferOk) {
        m_haveSnapshot = writeRecordSnapshot(storedConfig, Paths::lastSentFile(), AppConfig::currentProductName());
        if (!m_haveSnapshot)
            CliOutput::error(QStringLiteral("%1: cannot be written; the next apply sends everything")
                                 .arg(Paths::lastSentFile()));
    }
    // The digest says that the files hold what the mouse has: true only
    // after a successful upload whose settings were all saved.
    const bool certified = result == kTransferOk && worker.settingsSaved && m_haveSnapshot;
    if (!SettingsDigest::store(certified ? SettingsDigest::of(workingConfig) : QByteArray(),
                               Paths::lastSentDigestFile()))
        CliOutput::error(QStringLiteral("%1: cannot be written").arg(Paths::lastSentDigestFile()));
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
    const ConfigImport imported = importConfiguration(workingConfig, path, AppConfig::currentProductName());
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
    const MouseConfig copy = workingConfig;
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

    // The switch itself, as the window's profile menu makes it. The stored
    // active profile follows whatever the mouse said, so that the settings
    // name the profile the user chose.
    int result = open ? int(kTransferMouseOff) : int(kTransferNoDevice);
    if (open && !mouseOff())
        result = SendProfileSwitch(index);
    // Whatever the mouse did with a switch that failed, the next upload
    // sends everything, the new profile's tables included.
    recordTransferOutcome(result);
    workingConfig.ProfileID = uint8_t(index);
    const bool stored = AppConfig::saveActiveProfileIndex(index);
    if (!stored)
        CliOutput::error(QStringLiteral("the active profile could not be stored in %1").arg(Paths::configFile()));
    if (result != kTransferOk)
        return finish(result);

    // The mouse holds the tables of one profile: those of the newly active
    // profile follow, as the next "Apply" would send them.
    result = upload(false, false);
    return result == kTransferOk && !stored ? CliOutput::kCantCreate : result;
}

int CliSession::status(bool asJson)
{
    const bool open = openDevice();
    const bool cable = g_hCableCmd != nullptr;
    const bool receiver = g_hReceiverCmd != nullptr;
    const QString connection = cable ? QStringLiteral("cable") : receiver ? QStringLiteral("receiver") : QStringLiteral("none");

    StatusSnapshot snapshot;
    if (open)
        snapshot = queryStatusOnce(CurrentCommandHandle());
    const StatusAnswer &answer = snapshot.answer;
    const bool off = snapshot.answered && answer.mouseOff();

    // Profile, stage and rate: what the mouse said if it said it just now,
    // else what the settings hold (the mouse reports them only on change).
    const ProfileData &current = currentProfile(workingConfig);
    int profile = workingConfig.profileIndex();
    int stage = current.dpi;
    int rate = current.pollrate;
    if (snapshot.reported) {
        profile = snapshot.report.profile;
        stage = snapshot.report.dpi;
        rate = snapshot.report.rate;
    }
    const QString name = workingConfig.names[(profile >= 0 && profile < kProfileCount) ? profile : 0];
    const int level = batteryLevel(answer.rawBattery(), AppConfig::batteryFull());

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
        if (deniedDevicePath().isEmpty())
            CliOutput::error(CliOutput::resultMessage(kTransferNoDevice));
        return result;
    }
    return finish(result);
}

int CliSession::commit(bool apply)
{
    if (apply)
        return upload(false);
    if (!AppConfig::saveAll(workingConfig)) {
        CliOutput::error(QStringLiteral("the settings could not be saved in %1").arg(Paths::configsDir()));
        return CliOutput::kCantCreate;
    }
    // The mouse has not seen these settings: the next upload sends them all.
    if (!AppConfig::setDiff(1))
        CliOutput::error(QStringLiteral("Config/Diff could not be set; run apply --full to send everything"));
    return 0;
}
