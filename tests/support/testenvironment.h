#pragma once

#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

// A private installation for one test: a temporary read-only data directory
// (MOUSECFG_DATA) and a temporary writable home (MOUSECFG_HOME), both removed
// afterwards. With `copyInstallation` the data directory receives the
// pristine installation data of the build (MOUSECFG_TEST_INSTALLATION) (descriptor and shipped
// Configs) and the writable Configs is seeded from it.
class TestEnvironment {
public:
    enum Installation { Empty, CopyInstallation };

    explicit TestEnvironment(Installation installation = CopyInstallation);
    ~TestEnvironment();

    QString root() const { return m_dir.path(); }
    QString dataDir() const;
    QString homeDir() const;
    QString configsDir() const;

    // Replaces the descriptor with one holding exactly these PROFILE/... keys
    // (written through QSettings, as a shipped one is).
    void writeDescriptor(const QVariantMap &keys) const;
    void removeDescriptor() const;

    // Writes raw bytes to a file below the root, creating folders.
    QString writeFile(const QString &relativePath, const QByteArray &bytes) const;

    // Whether a child program meets the virtual mouse from its start
    // (MOUSECFG_SIMULATE=1) or only when it asks for it (--virtual).
    enum ChildMouse { SimulatedMouse, MouseOnRequest };
    // The environment for a program of the build that this test starts: the
    // system's, with this installation's data and home, real HID devices
    // forbidden and the offscreen platform, the mouse as `mouse` says, and,
    // when given, a runtime folder of its own (where the single-instance lock
    // lives, so that no other instance refuses the program).
    QProcessEnvironment childEnvironment(ChildMouse mouse, const QString &runtimeDir = QString()) const;

    // The directory that holds the built programs and installation data.
    static QString buildBinDir();

private:
    QTemporaryDir m_dir;
    QByteArray m_oldData;
    QByteArray m_oldHome;
};

// The system's OpenGL drivers mapped into this process (Mesa's DRI and GLX/EGL
// vendor libraries). Tests on a real display platform check that it stays
// empty: what they show must not depend on the machine's graphics driver.
QStringList loadedGraphicsDrivers();

// What a program left when it ended: its exit code (-1 when it crashed or
// did not end in time) and its output.
struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs the build's program `name` (in TestEnvironment::buildBinDir()) with
// `env` (an empty one: this process's) and waits for its end.
ProgramRun runProgram(const QString &name, const QStringList &arguments, const QProcessEnvironment &env = {},
                      int timeoutMs = 30000);

// Reads a whole file (empty when missing).
QByteArray readWholeFile(const QString &path);

// Every file below `dir` (sub-folders too) with its bytes: a test compares
// two of these to see that a refused command changed nothing.
QMap<QString, QByteArray> filesBelow(const QString &dir);
