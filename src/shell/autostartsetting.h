#pragma once

#include <QObject>
#include <QString>

// "Start with the desktop", shared by the tray menu and the window: the
// autostart entry on disk is the setting, so both show what the file says,
// also after a failed write.
class AutostartSetting : public QObject {
    Q_OBJECT
public:
    explicit AutostartSetting(QObject *parent = nullptr);

    bool isEnabled() const;

    // The program the entry starts: this executable by default.
    QString program() const { return m_program; }
    void setProgram(const QString &program) { m_program = program; }

public slots:
    void setEnabled(bool enabled);

signals:
    // After every attempt, with the state the entry is in now.
    void changed(bool enabled);

private:
    QString m_program;
};
