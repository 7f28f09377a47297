#pragma once

#include <functional>

#include <QRect>
#include <QString>

class QPainter;

namespace spectavo::app {

// Puts a chart on the clipboard twice: as SVG carrying `description` (for programs that take vector
// pictures) and as a bitmap. `paint` draws the chart into the rectangle on the painter it is given.
void copyPictureToClipboard(const QRect &area, const QString &description,
                            const std::function<void(QPainter &, const QRect &)> &paint);

} // namespace spectavo::app
