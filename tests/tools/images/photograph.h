#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace testing {

// A picture with the detail of a photograph, made on the spot: soft shapes
// over a sky gradient under fine grain, the same for the same size.
inline QImage photograph(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(230, 190, 140));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::NoPen);
    const int scale = qMax(1, width / 640);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv((i * 37) % 360, 120 + i % 100, 100 + (i * 13) % 150, 160));
        painter.drawEllipse(QPoint((i * 97 * scale) % width, (i * 61 * scale) % height),
                            (20 + (i * 7) % 90) * scale, (15 + (i * 11) % 70) * scale);
    }
    painter.end();
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 27) - 16;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + grain, 255), qBound(0, qGreen(c) + grain, 255),
                           qBound(0, qBlue(c) + grain, 255));
        }
    }
    return picture;
}

} // namespace testing
