#include "windowcommandserver.h"

#include "applycontroller.h"

#include "clioutput.h"
#include "clirun.h"
#include "clisession.h"
#include "clisetters.h"
#include "device/ownerchannel.h"
#include "device/settingsowner.h"
#include "widgets/uilog.h"

#include <QDebug>
#include <QTimer>

WindowCommandServer::WindowCommandServer(SettingsOwner &settings, ApplyController &apply,
                                         Window window, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_apply(apply)
    , m_window(std::move(window))
{
    m_server = new OwnerChannel::Server(
        [this](const OwnerChannel::Request &request, OwnerChannel::Server::Reply reply) {
            if (request.kind == OwnerChannel::Request::Kind::Show) {
                // Answered first: showing may open a modal warning.
                reply(OwnerChannel::Answer{true, QString(), 0, QString(), QString()});
                QTimer::singleShot(0, this, [this] { m_window.show(); });
                return;
            }
            // Queued behind a running upload, like the mouse's own reports.
            const QStringList arguments = request.arguments;
            m_apply.whenIdle([this, arguments, reply] { run(arguments, reply); });
        },
        this);
}

WindowCommandServer::~WindowCommandServer() = default;

bool WindowCommandServer::listen()
{
    return m_server->listen();
}

void WindowCommandServer::run(const QStringList &arguments, const OwnerChannel::Server::Reply &reply)
{
    OwnerChannel::Answer answer;
    answer.reached = true;
    const CliCommands::Parsed parsed = CliCommands::parse(QStringList{QStringLiteral("mousecfg-cli")} + arguments);
    if (!parsed.error.isEmpty() || parsed.help) {
        // The command line answers these itself; a request that still has
        // one is not from it.
        answer.err = parsed.error.isEmpty() ? QStringLiteral("help is not handed to the window\n") : parsed.error + '\n';
        answer.exitCode = 64;
        reply(answer);
        return;
    }
    qCDebug(lcUi) << "command from the command line:" << arguments;

    // What the user sees, unapplied edits included.
    Outcome outcome;
    outcome.parsed = parsed;
    outcome.seen = m_settings.editing();
    outcome.profileBefore = m_settings.editing().profileIndex();

    // What the mouse holds goes through the sent-tables file, which the
    // session's upload reads and writes as the window's does. The outcome
    // is taken in before a command or mouse report that waited meanwhile
    // runs, so that it starts from this one's settings.
    m_apply.runExclusive(
        [&] {
            CliOutput::Capture capture;
            CliSession session(m_settings.mouse());
            const int code = runParsedCommand(parsed, session);
            // What the session stored: the files hold it now.
            outcome.stored = session.record();
            answer.out = capture.out;
            answer.err = capture.err;
            return code;
        },
        m_window.isVisible(),
        [&](int exitCode) {
            answer.exitCode = exitCode;
            // The command line waits for the answer, not for the pages.
            reply(answer);
            takeOutcome(outcome);
        });
}

void WindowCommandServer::takeOutcome(const Outcome &outcome)
{
    const bool edits = outcome.seen != m_settings.stored();
    MouseConfig editing = outcome.stored;
    bool dropped = false;
    if (edits && CliSetters::isSetter(outcome.parsed.command)) {
        // The user's unapplied edits stay; the command's change joins them.
        editing = outcome.seen;
        CliSetters::apply(outcome.parsed, editing, targetProfile(outcome.parsed, editing));
    } else if (edits && outcome.stored == m_settings.stored()) {
        // A command that stored nothing (status, show, save, ...) leaves
        // the window's edits alone.
        editing = outcome.seen;
    } else {
        dropped = edits;
    }
    m_settings.takeStored(outcome.stored);
    m_settings.editing() = editing;
    m_window.settingsReplaced(m_settings.editing().profileIndex() != outcome.profileBefore);
    if (dropped && m_window.editsDropped)
        m_window.editsDropped(outcome.profileBefore);
}
