#pragma once

#include <QWidget>

#include "core/shell/accessories.h"

namespace spectavo::app {

// "Multicell settings": which of the first `rows` cells are in use and their names (and
// concentrations when asked for). True when confirmed; the settings then hold the choice.
bool showMulticellDialog(QWidget *parent, shell::AccessorySettings &settings, int rows,
                         bool withConcentrations);
// "Setup the sipper": time, interval and auto sipping.
bool showSipperSetupDialog(QWidget *parent, shell::AccessorySettings &settings);
// "Please input the required parameter": one integer within limits.
bool showIntegerInput(QWidget *parent, const QString &prompt, int &value,
                      shell::AccessorySettings::Limits limits);

} // namespace spectavo::app
