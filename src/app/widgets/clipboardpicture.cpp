#include "app/widgets/clipboardpicture.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace spectavo::app {

void copyPictureToClipboard(const QRect &area, const QString &description,
                            const std::function<void(QPainter &, const QRect &)> &paint) {
    QByteArray svg;
    {
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(area.size());
        generator.setViewBox(area);
        generator.setDescription(description);
        QPainter painter(&generator);
        paint(painter, area);
    }
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, area);
    }
    auto *picture = new QMimeData;
    picture->setData("image/svg+xml", svg);
    picture->setImageData(image);
    QApplication::clipboard()->setMimeData(picture);
}

} // namespace spectavo::app
