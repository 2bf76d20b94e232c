#pragma once

#include "clicommands.h"
#include "config/mouseconfig.h"
#include "device/ownerchannel.h"

#include <QObject>

#include <functional>

class ApplyController;
class SettingsOwner;

// The running window's side of the settings socket: it carries out the
// commands that mousecfg-cli hands it, through the same command code as the
// command line and the window's own upload path, so that neither front end
// undoes the other; and it shows the window when a second start asks.
//
// A command runs when no upload runs, with the poller stopped, behind the
// busy dialog when the window is visible. Afterwards the window holds what
// the command stored; unapplied edits of the window survive a command that
// stored nothing and a setter (whose change joins them), while a command that
// replaces the settings (load, profile) drops them, as a profile switch from
// outside the window does, and the window says so.
class WindowCommandServer : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<bool()> isVisible;
        std::function<void()> show;
        // The settings were replaced: controls and pages show them again.
        std::function<void(bool profileChanged)> settingsReplaced;
        // The unapplied edits made while slot `slot` was active were dropped.
        std::function<void(int slot)> editsDropped;
    };

    WindowCommandServer(SettingsOwner &settings, ApplyController &apply, Window window,
                        QObject *parent = nullptr);
    ~WindowCommandServer() override;

    // False when the socket could not be made (another window of the same
    // settings listens); the window then works on its own.
    bool listen();

private:
    // What a command left, for the window to take in after answering.
    struct Outcome {
        CliCommands::Parsed parsed;
        MouseConfig seen;     // the window's edited record, before
        MouseConfig stored;   // what the command stored
        int profileBefore = 0;
    };

    // Runs a command and answers it through `reply`, with its exit code and
    // what it printed; then the window takes in what it stored.
    void run(const QStringList &arguments, const OwnerChannel::Server::Reply &reply);
    void takeOutcome(const Outcome &outcome);

    SettingsOwner &m_settings;
    ApplyController &m_apply;
    Window m_window;
    OwnerChannel::Server *m_server = nullptr;
};
