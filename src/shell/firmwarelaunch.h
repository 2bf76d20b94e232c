#pragma once

class ConnectionController;
class QWidget;

// The firmware button: hands the mouse to the updater program. Questions
// and warnings are message boxes over `parent`; the status poller pauses
// while the updater has the mouse.
void launchFirmwareUpdate(QWidget *parent, ConnectionController &connection, int languageId);
