#pragma once

#include <QLabel>

#include "app/measurementwindow.h"
#include "core/shell/documentfiles.h"

namespace spectavo::app {

// The window of a measurement kind that is not built yet: it says so, and opens its files by name
// only, so that the desktop's hand-offs and the recent files already work for it.
class CPlaceholderWindow : public QLabel, public MeasurementWindow {
public:
    explicit CPlaceholderWindow(shell::DocumentKind kind);

    QWidget *widget() override { return this; }
    shell::DocumentKind kind() const override { return m_kind; }
    bool openFile(const QString &path) override;

private:
    shell::DocumentKind m_kind;
};

} // namespace spectavo::app
