#pragma once

#include <functional>
#include <vector>

#include <QSize>

#include "app/measurementwindow.h"
#include "core/shell/documentfiles.h"

namespace spectavo::app {

// How the program makes a window of each document kind. Adding a kind of measurement window is one
// entry here (and its titles and extensions in shell::documentKinds()).
struct WindowKind {
    shell::DocumentKind kind;
    std::function<MeasurementWindow *(const WindowHost &host)> make;
    QSize initialSize;
};

const std::vector<WindowKind> &windowKinds();
const WindowKind &windowKind(shell::DocumentKind kind);

} // namespace spectavo::app
