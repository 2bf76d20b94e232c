#pragma once

#include "platform/osdmessage.h"

#include <QTimer>
#include <QWidget>

// The display itself: a frameless, translucent window above all others that
// lets every click through to what lies below. It shows one text at a time,
// centred on the screen, and hides itself when the text's time is up; a new
// text replaces the old one and restarts the time.
class OsdWindow : public QWidget {
    Q_OBJECT
public:
    explicit OsdWindow(QWidget *parent = nullptr);

    void showMessage(const OsdMessage &message);

    QString text() const { return m_message.text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont messageFont() const;

    OsdMessage m_message;
    QTimer m_hideTimer;
};
