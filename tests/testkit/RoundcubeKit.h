#pragma once

#include "RoundcubeProcess.h"

#include <QString>
#include <QVariant>
#include <memory>

class MainForm;

namespace testkit {

class Workspace;

using RoundcubeServer = roundcube::RoundcubeProcess;

// Signs the user in on the Inbox view (again, after the session ended) and waits for the list.
bool signIn(MainForm& form, const RoundcubeServer& server, const QString& user);

// Opens MainForm on the user's Roundcube, signs in and waits for the message list.
std::unique_ptr<MainForm> openRoundcube(const RoundcubeServer& server, Workspace& workspace,
                                        const QString& user, const QStringList& extraArgs = {});

// Runs a script in the page's own world (Roundcube's objects are there), for the test's own
// moves: what a person would do with the mouse.
QVariant runInPage(MainForm& form, int view, const QString& script, int timeoutMs = 10000);

} // namespace testkit
