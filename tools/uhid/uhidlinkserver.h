#pragma once

#include "uhidlink.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class VirtualMouse;

// Serves the links of one virtual mouse: a kernel device for every plugged
// link, created when the link is plugged and destroyed when it is unplugged,
// so that the control socket's plug and unplug are real hot-plug events.
class UhidLinkServer : public QObject {
    Q_OBJECT
public:
    explicit UhidLinkServer(VirtualMouse *mouse, QObject *parent = nullptr);
    ~UhidLinkServer() override;

    // A link that /dev/uhid refused: the run cannot serve what it was asked to.
    bool failed() const { return m_failed; }

private:
    void plugged(const QString &node);
    void unplugged(const QString &node);

    VirtualMouse *m_mouse;
    std::map<QString, std::unique_ptr<UhidLink>> m_links;
    bool m_failed = false;
};
