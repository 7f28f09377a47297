#pragma once

#include <QWidget>

#include "core/link/stationlink.h"

namespace spectavo::app {

// The small dialogs of the main window's menus.
void showChangePasswordDialog(QWidget *parent);
void showAboutBox(QWidget *parent, const link::StationStatus &status);
// The switch point dialog; on Setup sends the new point (and the baseline calibration).
bool showSwitchPointDialog(QWidget *parent, link::StationLink &link);

} // namespace spectavo::app
