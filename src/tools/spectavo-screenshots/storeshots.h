#pragma once

#include <QDir>

#include "app/shell/mainframe.h"
#include "app/shell/resultsrecorder.h"

namespace spectavo::screenshots {

// The Results window with what this session measured, and the Audit Trail window after Verify.
bool showStoreWindows(app::ResultsRecorder &recorder, shell::MessageService &messages, app::CMainFrame &frame,
                      const QDir &folder);

} // namespace spectavo::screenshots
