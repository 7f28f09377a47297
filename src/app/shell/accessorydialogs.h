#pragma once

#include <QWidget>

#include "core/shell/accessories.h"

namespace spectavo::app {

// "Multicell settings": which of the first `rows` cells are in use and their names (and
// concentrations when asked for). True when confirmed; the selection then holds the choice. The
// title names whose selection it is (a window kind's, or none for the main window's).
bool showMulticellDialog(QWidget *parent, program::CellSelection &selection, int rows,
                         bool withConcentrations, const QString &owner = {});
// "Setup the sipper": time, interval and auto sipping.
bool showSipperSetupDialog(QWidget *parent, shell::AccessorySettings &settings);
// "Please input the required parameter": one integer within limits.
bool showIntegerInput(QWidget *parent, const QString &prompt, int &value,
                      shell::AccessorySettings::Limits limits);

} // namespace spectavo::app
