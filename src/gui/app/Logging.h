#pragma once

#include <QLoggingCategory>

// What Postling shows, for whoever needs to see it from outside (QT_LOGGING_RULES=
// "postling.pages.info=true"): each address a view is sent to, and each help topic opened.
Q_DECLARE_LOGGING_CATEGORY(lcPages)
