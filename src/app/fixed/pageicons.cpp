#include "app/fixed/pageicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace spectavo::app {
namespace {

void drawMethod(QPainter &p) {
    // A clipboard with lines.
    p.setBrush(QColor(250, 240, 200));
    p.drawRect(3, 2, 10, 13);
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(6, 1, 4, 2);
    for (int y = 6; y <= 12; y += 3)
        p.drawLine(5, y, 11, y);
}

void drawInformation(QPainter &p) {
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(QPen(Qt::white, 2));
    p.drawPoint(8, 4);
    p.drawLine(8, 7, 8, 12);
}

void drawFitting(QPainter &p) {
    p.drawLine(2, 14, 14, 14);
    p.drawLine(2, 14, 2, 2);
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.drawLine(3, 13, 14, 3);
    p.setPen(QPen(QColor(30, 30, 30), 2.5));
    for (const QPoint &point : {QPoint(5, 11), QPoint(8, 8), QPoint(11, 6)})
        p.drawPoint(point);
}

void drawCuvette(QPainter &p, const QColor &liquid) {
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 14);
    p.setBrush(liquid);
    p.drawRect(4, 7, 8, 8);
}

void drawDisplay(QPainter &p) {
    p.setBrush(QColor(70, 70, 90));
    p.drawRect(1, 2, 14, 10);
    p.setPen(QPen(QColor(120, 220, 120), 1.2));
    p.drawLine(3, 9, 6, 6);
    p.drawLine(6, 6, 9, 8);
    p.drawLine(9, 8, 13, 4);
    p.setPen(QPen(QColor(40, 40, 40)));
    p.drawLine(8, 12, 8, 14);
    p.drawLine(5, 14, 11, 14);
}

} // namespace

QIcon fixedPageIcon(int key) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40)));
    switch (key) {
    case 0:
        drawMethod(painter);
        break;
    case 1:
        drawInformation(painter);
        break;
    case 2:
        drawFitting(painter);
        break;
    case 3:
        drawCuvette(painter, QColor(230, 160, 40));
        break;
    case 4:
        drawCuvette(painter, QColor(80, 150, 230));
        break;
    default:
        drawDisplay(painter);
        break;
    }
    return QIcon(pixmap);
}

} // namespace spectavo::app
