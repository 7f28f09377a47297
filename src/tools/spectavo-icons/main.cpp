// Renders the program's SVG icon into the PNG sizes a desktop looks for, at build time:
//
//   spectavo-icons ICON.svg OUTPUT_FOLDER SIZE...
//
// writes OUTPUT_FOLDER/SIZExSIZE/apps/<name>.png for each size, the hicolor theme's layout.

#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: spectavo-icons ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "spectavo-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[1])).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "spectavo-icons: %s is no icon size\n", argv[i]);
            return 1;
        }
        const QString folder = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!QDir().mkpath(folder) || !image.save(folder + "/" + name + ".png")) {
            std::fprintf(stderr, "spectavo-icons: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
