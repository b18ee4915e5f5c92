#include "Logging.h"

Q_LOGGING_CATEGORY(lcPages, "postling.pages", QtWarningMsg)
