#pragma once

#include <QWidget>

// The main window. For now the frameless shell that start-up shows; the
// pages, tabs, tray icon and device reactions are hosted here.
class MousecfgWidget : public QWidget {
    Q_OBJECT
public:
    explicit MousecfgWidget(QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    // Number of supported mouse models present on the machine.
    int presentModelCount() const { return m_presentModelCount; }

private:
    int m_presentModelCount = 0;
};
