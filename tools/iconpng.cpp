// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the SVG icon as a square PNG of the given size, so that the
// pixel icons the icon theme wants are always made from the one drawing.
// Usage: iconpng IN.svg OUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = argc == 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: %s IN.svg OUT.png SIZE\n", argv[0]);
        return 2;
    }

    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
