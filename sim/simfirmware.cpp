#include "simfirmware.h"

#include "device/report.h"

#include <QJsonArray>

#include <algorithm>

namespace {

constexpr uint8_t kCmdSystem = 0x01;
constexpr uint8_t kCmdMacro = 0x05;
constexpr uint8_t kCmdApply = 0x40;
constexpr uint8_t kCmdSelectProfile = 0x44;
constexpr uint8_t kCmdUploadMark = 0x46;
constexpr uint8_t kCmdStatusQuery = 0x48;
constexpr uint8_t kCmdStatusReport = 0x49;

constexpr uint8_t kTagFirst = 0xD1;
constexpr uint8_t kTagNext = 0xD2;
constexpr uint8_t kTagEnd = 0xD3;
constexpr uint8_t kEndMarker = 0x1A;
constexpr int kEndAddress = 0x007F;
constexpr int kMacroEndAddress = 0x0FFF;

constexpr uint8_t kApplyMarker = 0xF3;
constexpr size_t kHistoryLimit = 256;

const std::array<int, 4> kRates = {1, 2, 4, 8};   // 1000, 500, 250, 125 Hz

QString hex(const std::vector<uint8_t> &bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())).toHex());
}

QJsonArray intArray(const std::vector<int> &values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

bool fromHex(const QJsonValue &value, size_t size, std::vector<uint8_t> &out)
{
    const QByteArray bytes = QByteArray::fromHex(value.toString().toLatin1());
    if (size_t(bytes.size()) != size)
        return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
}

} // namespace

QJsonObject SimFirmware::state() const
{
    const SimMemory &m = m_memory;
    QJsonArray profiles;
    for (int k = 0; k < SimMemory::kProfiles; ++k)
        profiles.append(QJsonObject{{"dpiStage", m.dpiStage[k]}, {"pollrate", m.pollrate[k]},
                                    {"scrollspeed", m.scrollspeed[k]}});
    return QJsonObject{
        {"system", hex(m.system)},         {"dpi", hex(m.dpi)},
        {"buttons", hex(m.buttons)},       {"lighting", hex(m.lighting)},
        {"macro", hex(m.macro)},           {"liveDpi", hex(m_liveDpi)},
        {"activeProfile", m.activeProfile}, {"profiles", profiles},
        {"lightingMode", m.lightingMode},  {"pendingApply", m.pendingApply},
        {"writeStatus", m_writeStatus},
    };
}

bool SimFirmware::restore(const QJsonObject &state)
{
    SimMemory m = m_memory;
    std::vector<uint8_t> liveDpi;
    if (!fromHex(state.value("system"), SimMemory::kSystemSize, m.system)
        || !fromHex(state.value("dpi"), SimMemory::kDpiSize, m.dpi)
        || !fromHex(state.value("buttons"), SimMemory::kButtonSize, m.buttons)
        || !fromHex(state.value("lighting"), SimMemory::kLightingSize, m.lighting)
        || !fromHex(state.value("macro"), SimMemory::kMacroSize, m.macro)
        || !fromHex(state.value("liveDpi"), SimMemory::kDpiSize, liveDpi))
        return false;
    const QJsonArray profiles = state.value("profiles").toArray();
    const int active = state.value("activeProfile").toInt(-1);
    if (profiles.size() != SimMemory::kProfiles || active < 0 || active >= SimMemory::kProfiles)
        return false;
    for (int k = 0; k < SimMemory::kProfiles; ++k) {
        const QJsonObject p = profiles[k].toObject();
        m.dpiStage[k] = p.value("dpiStage").toInt();
        m.pollrate[k] = p.value("pollrate").toInt();
        m.scrollspeed[k] = p.value("scrollspeed").toInt();
    }
    m.activeProfile = active;
    m.lightingMode = state.value("lightingMode").toInt();
    m.pendingApply = state.value("pendingApply").toInt();
    m_memory = m;
    m_liveDpi = liveDpi;
    m_writeStatus = uint8_t(state.value("writeStatus").toInt(1));
    return true;
}

SimFirmware::SimFirmware()
{
    // Factory contents: what a new mouse holds before the program first
    // writes to it, chosen to agree with the program's own defaults so that
    // a first connection shows no spurious change.
    m_memory.system = {1, 1, 1, 1, 1,   // scroll speed of profiles 0..4
                       0,               // sensor options
                       0,               // active profile
                       0, 1, 20, 1,     // light on move, light sleep time, debounce, 1
                       1, 1, 1, 1, 1,   // report rate of profiles 0..4 (1000 Hz)
                       0x1F, 1, 6};     // DPI stage 1, lighting block of mode 9 plus 1
    m_memory.dpi.assign(SimMemory::kDpiSize, 0);
    m_memory.dpi[0] = 6;
    const int codes[6] = {8, 12, 16, 24, 50, 75};
    for (int k = 0; k < 6; ++k) {
        uint8_t *stage = &m_memory.dpi[1 + 5 * k];
        stage[0] = 1;
        stage[1] = stage[3] = uint8_t(codes[k]);
    }
    m_memory.buttons.assign(SimMemory::kButtonSize, 0);
    m_memory.buttons[0] = 0x0A;
    std::fill(m_memory.buttons.end() - 4, m_memory.buttons.end(), 0xFF);
    m_memory.lighting.assign(SimMemory::kLightingSize, 0);
    m_memory.macro.assign(SimMemory::kMacroSize, 0);
    m_liveDpi = m_memory.dpi;
    applySystem();
}

void SimFirmware::setBattery(int rawValue, bool charging)
{
    m_batteryRaw = std::clamp(rawValue, 0, 0xFFFF);
    m_charging = charging;
}

SimFirmware::Answer SimFirmware::receive(const Report &report, bool viaReceiver)
{
    // The firmware drops frames that are not its own or whose checksum does
    // not add up, like the hardware: nothing is stored and nothing answers.
    if (report[0] != kReportId || report[2] != kFrameMarker) {
        reject("not a command frame");
        return {};
    }
    if (report[1] != reportChecksum(report.data())) {
        reject("checksum mismatch");
        return {};
    }
    const uint8_t code = report[3];
    const bool verified = (code >= 0x01 && code <= 0x05) || code == kCmdApply || code == kCmdUploadMark;

    // A receiver whose mouse sleeps still answers the status query itself,
    // with an all-zero reading; it cannot pass anything on to the mouse.
    if (viaReceiver && !m_awake) {
        if (code == kCmdStatusQuery)
            return statusAnswer(true);
        Answer lost;
        lost.refused = verified;
        return lost;
    }

    switch (code) {
    case 0x01: case 0x02: case 0x03: case 0x04: case 0x05:
        if (!writeBlock(Block(code - kCmdSystem), report))
            return {};
        return echo(report);
    case kCmdApply:
        if (report[4] != kApplyMarker) {
            reject("apply group without its 0xF3 marker");
            return {};
        }
        apply(report[5]);
        return echo(report);
    case kCmdUploadMark:
        uploadMark(report[4]);
        return echo(report);
    case kCmdSelectProfile:
        selectProfile(report[4]);
        return {};   // written without read-back
    case kCmdStatusQuery:
        return statusAnswer(false);
    default:
        reject("unknown command");
        return {};
    }
}

SimFirmware::Answer SimFirmware::echo(const Report &report) const
{
    Answer a;
    a.sent = true;
    a.isEcho = true;
    a.hasPayload = report[6] > 0;
    a.bytes = report;
    return a;
}

SimFirmware::Answer SimFirmware::statusAnswer(bool asleep) const
{
    Answer a;
    a.sent = true;
    if (asleep) {
        a.bytes = framed(kCmdStatusQuery, {});
        return a;
    }
    a.bytes = framed(kCmdStatusQuery, {uint8_t(m_batteryRaw & 0xFF), uint8_t(m_batteryRaw >> 8),
                                       uint8_t(m_charging ? 1 : 0), m_writeStatus, 0, 0, m_sensorMode});
    return a;
}

SimFirmware::Report SimFirmware::framed(uint8_t command, std::initializer_list<uint8_t> data)
{
    Report r{};
    r[0] = kReportId;
    r[2] = kFrameMarker;
    r[3] = command;
    std::copy(data.begin(), data.end(), r.begin() + 4);
    r[1] = reportChecksum(r.data());
    return r;
}

bool SimFirmware::writeBlock(Block block, const Report &report)
{
    const uint8_t tag = report[7];
    const int address = report[4] | (report[5] << 8);
    const int length = report[6];

    if (tag == kTagEnd) {
        const int expected = block == Macro ? kMacroEndAddress : kEndAddress;
        if (address != expected || length != 1 || report[kPayloadOffset] != kEndMarker) {
            reject("malformed end report");
            return false;
        }
        if (m_staged[block]) {
            committed(block) = m_staging[block];
            m_staged[block] = false;
            ++m_memory.commits[block];
            m_memory.pendingApply |= 1 << block;
        }
        return true;
    }
    if (tag != kTagFirst && tag != kTagNext) {
        reject("unknown chunk tag");
        return false;
    }
    if (length > kMaxPayload || address + length > blockSize(block)) {
        reject("chunk outside its block");
        return false;
    }
    // A first chunk starts the block over from what is committed; a further
    // chunk without one (a macro upload whose bank 0 is empty) does the same
    // once. Bytes that no chunk covers keep their committed contents.
    if (tag == kTagFirst || !m_staged[block]) {
        m_staging[block] = committed(block);
        m_staged[block] = true;
    }
    std::copy_n(report.begin() + kPayloadOffset, length, m_staging[block].begin() + address);
    return true;
}

void SimFirmware::apply(int bits)
{
    record(m_memory.applyGroups, bits);
    // Only what was committed since the last apply becomes live, so that a
    // profile select followed by "apply system" does not bring back the
    // profile of an older system block.
    if ((bits & 0x01) && (m_memory.pendingApply & 0x01))
        applySystem();
    if ((bits & 0x02) && (m_memory.pendingApply & 0x02))
        m_liveDpi = m_memory.dpi;
    m_memory.pendingApply &= ~bits;
}

void SimFirmware::applySystem()
{
    const std::vector<uint8_t> &s = m_memory.system;
    for (int k = 0; k < SimMemory::kProfiles; ++k) {
        m_memory.scrollspeed[k] = s[k];
        m_memory.pollrate[k] = s[11 + k];
    }
    if (s[6] < SimMemory::kProfiles)
        m_memory.activeProfile = s[6];
    else
        reject("system block names a profile out of range");
    m_memory.dpiStage[m_memory.activeProfile] = s[17];
    m_memory.lightingMode = s[18];
}

void SimFirmware::selectProfile(int profile)
{
    record(m_memory.profileSelects, profile);
    if (profile < SimMemory::kProfiles)
        m_memory.activeProfile = profile;
    else
        reject("profile select out of range");
}

void SimFirmware::uploadMark(int mark)
{
    record(m_memory.uploadMarks, mark);
    // The write status tells the program whether the mouse's memory is whole:
    // an upload that began and never ended leaves it at 0, and the program
    // then sends everything next time.
    if (mark == 0) {
        m_memory.uploading = true;
        m_writeStatus = 0;
    } else if (mark == 1) {
        m_memory.uploading = false;
        m_writeStatus = 1;
    }
}

std::vector<int> SimFirmware::enabledDpiStages() const
{
    int count = m_liveDpi[0];
    if (count < 1 || count > 8)
        count = 8;
    std::vector<int> stages;
    for (int k = 0; k < count; ++k) {
        if (m_liveDpi[1 + 5 * k] != 0)
            stages.push_back(k);
    }
    return stages;
}

SimFirmware::Report SimFirmware::press(SimButton button)
{
    // A button press wakes a sleeping mouse.
    m_awake = true;
    const int p = m_memory.activeProfile;
    switch (button) {
    case SimButton::Profile:
        m_memory.activeProfile = (p + 1) % SimMemory::kProfiles;
        break;
    case SimButton::Dpi: {
        const std::vector<int> stages = enabledDpiStages();
        if (!stages.empty()) {
            const int current = m_memory.dpiStage[p];
            auto next = std::upper_bound(stages.begin(), stages.end(), current);
            m_memory.dpiStage[p] = next == stages.end() ? stages.front() : *next;
        }
        break;
    }
    case SimButton::Rate: {
        auto it = std::find(kRates.begin(), kRates.end(), m_memory.pollrate[p]);
        m_memory.pollrate[p] = (it == kRates.end() || it + 1 == kRates.end()) ? kRates.front() : *(it + 1);
        break;
    }
    }
    return statusReport();
}

SimFirmware::Report SimFirmware::statusReport() const
{
    const int p = m_memory.activeProfile;
    return framed(kCmdStatusReport, {uint8_t(p), uint8_t(m_memory.dpiStage[p]), uint8_t(m_memory.pollrate[p]),
                                     uint8_t(m_memory.lightingMode)});
}

void SimFirmware::reject(const std::string &why)
{
    ++m_memory.rejectedReports;
    m_memory.lastRejection = why;
}

void SimFirmware::record(std::vector<int> &list, int value)
{
    if (list.size() >= kHistoryLimit)
        list.erase(list.begin());
    list.push_back(value);
}

std::vector<uint8_t> &SimFirmware::committed(Block block)
{
    switch (block) {
    case System: return m_memory.system;
    case Dpi: return m_memory.dpi;
    case Buttons: return m_memory.buttons;
    case Lighting: return m_memory.lighting;
    default: return m_memory.macro;
    }
}

int SimFirmware::blockSize(Block block)
{
    switch (block) {
    case System: return SimMemory::kSystemSize;
    case Dpi: return SimMemory::kDpiSize;
    case Buttons: return SimMemory::kButtonSize;
    case Lighting: return SimMemory::kLightingSize;
    default: return SimMemory::kMacroSize;
    }
}

QJsonObject SimFirmware::toJson() const
{
    const SimMemory &m = m_memory;
    QJsonObject blocks{{"system", hex(m.system)}, {"dpi", hex(m.dpi)}, {"buttons", hex(m.buttons)},
                       {"lighting", hex(m.lighting)}, {"macro", hex(m.macro)}};
    QJsonArray profiles;
    for (int k = 0; k < SimMemory::kProfiles; ++k)
        profiles.append(QJsonObject{{"dpiStage", m.dpiStage[k]}, {"pollrate", m.pollrate[k]},
                                    {"scrollspeed", m.scrollspeed[k]}});
    return QJsonObject{
        {"memory", blocks},
        {"commits", intArray({m.commits.begin(), m.commits.end()})},
        {"pendingApply", m.pendingApply},
        {"activeProfile", m.activeProfile},
        {"profiles", profiles},
        {"lightingMode", m.lightingMode},
        {"enabledDpiStages", intArray(enabledDpiStages())},
        {"uploading", m.uploading},
        {"uploadMarks", intArray(m.uploadMarks)},
        {"applyGroups", intArray(m.applyGroups)},
        {"profileSelects", intArray(m.profileSelects)},
        {"rejectedReports", m.rejectedReports},
        {"lastRejection", QString::fromStdString(m.lastRejection)},
        {"awake", m_awake},
        {"battery", QJsonObject{{"raw", m_batteryRaw}, {"charging", m_charging}}},
        {"writeStatus", m_writeStatus},
        {"sensorMode", m_sensorMode},
    };
}
