#pragma once

#include "simmemory.h"
#include "simtypes.h"

#include <QJsonObject>

#include <array>
#include <cstdint>

// The mouse's firmware as the program expects it to behave: echo rules per
// command, memory blocks assembled from chunk reports and committed on the
// end report, upload marks, apply groups, profile select, the status answer
// and the status report its own buttons send. No I/O and no locking: the
// virtual mouse feeds it one written report at a time under its own lock.
class SimFirmware {
public:
    using Report = std::array<uint8_t, 33>;

    struct Answer {
        bool sent = false;        // a reply goes back
        bool refused = false;     // the write itself fails (receiver with a sleeping mouse)
        bool isEcho = false;      // the reply repeats the written report (else: status answer)
        bool hasPayload = false;  // the reply carries payload bytes that the program compares
        Report bytes{};
    };

    SimFirmware();

    // One report written to the mouse (33 bytes, report ID first), through
    // the receiver or over the cable.
    Answer receive(const Report &report, bool viaReceiver);

    // The mouse's own button: changes its live state and returns the
    // unsolicited status report (0x49) it sends.
    Report press(SimButton button);
    Report statusReport() const;

    void setAwake(bool awake) { m_awake = awake; }
    bool isAwake() const { return m_awake; }
    void setBattery(int rawValue, bool charging);
    int batteryRaw() const { return m_batteryRaw; }
    bool isCharging() const { return m_charging; }
    void setWriteStatus(uint8_t status) { m_writeStatus = status; }
    uint8_t writeStatus() const { return m_writeStatus; }
    void setSensorMode(uint8_t mode) { m_sensorMode = mode; }
    uint8_t sensorMode() const { return m_sensorMode; }

    const SimMemory &memory() const { return m_memory; }
    // The stages that the live DPI table enables, in order.
    std::vector<int> enabledDpiStages() const;

    // Memory and status, with the blocks as lower-case hex strings.
    QJsonObject toJson() const;

    // What survives a power cycle of the program (not of the mouse): the
    // committed blocks, the live table and state, the write status. restore
    // takes what state() gave and refuses anything malformed, unchanged.
    QJsonObject state() const;
    bool restore(const QJsonObject &state);

private:
    enum Block { System, Dpi, Buttons, Lighting, Macro, BlockCount };

    Answer echo(const Report &report) const;
    Answer statusAnswer(bool asleep) const;
    bool writeBlock(Block block, const Report &report);
    void apply(int bits);
    void applySystem();
    void selectProfile(int profile);
    void uploadMark(int mark);
    void reject(const std::string &why);
    std::vector<uint8_t> &committed(Block block);
    static int blockSize(Block block);
    static void record(std::vector<int> &list, int value);
    static Report framed(uint8_t command, std::initializer_list<uint8_t> data);

    SimMemory m_memory;
    std::array<std::vector<uint8_t>, BlockCount> m_staging;
    std::array<bool, BlockCount> m_staged{};
    std::vector<uint8_t> m_liveDpi;   // the DPI table the last apply made live

    bool m_awake = true;
    int m_batteryRaw = 980;           // about 4040 mV: 80 %
    bool m_charging = false;
    uint8_t m_writeStatus = 1;
    uint8_t m_sensorMode = 0;
};
