// SPDX-License-Identifier: GPL-3.0-or-later

// Rasterises drawings for a device pixel ratio of 1 at build time, with the
// code the program itself rasterises with, and stores their pixels packed,
// ready for the program to show without parsing or rasterising anything.
//   prerender OUTDIR FILE.svg|FILE.png...    writes OUTDIR/FILE.pixels for each
#include "drawing.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: prerender OUTDIR FILE.svg|FILE.png...\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString file = QString::fromLocal8Bit(argv[i]);
        QImage image;
        QSizeF natural;
        if (file.endsWith(QStringLiteral(".svg"))) {
            QSvgRenderer renderer(file);
            renderer.setAspectRatioMode(Qt::KeepAspectRatio);
            if (renderer.isValid()) {
                image = rasterise(renderer, 1.0);
                natural = naturalSizeOf(renderer);
            }
        } else {
            image.load(file);
            natural = image.size();
        }
        QFile target(directory + QLatin1Char('/') + QFileInfo(file).completeBaseName()
                     + QStringLiteral(".pixels"));
        if (image.isNull() || !target.open(QIODevice::WriteOnly)
            || target.write(packPixels(image, natural)) < 0) {
            std::fprintf(stderr, "prerender: cannot rasterise %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
