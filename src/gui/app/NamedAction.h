#pragma once

#include <QAction>

// A command of a menu or toolbar: tests and the window find it by its object name.
template <typename Owner, typename Run>
QAction* namedAction(Owner* owner, const char* name, const QString& caption, Run run) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner, run);
    return action;
}
