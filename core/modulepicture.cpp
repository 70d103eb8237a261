#include "core/modulepicture.h"

#include "core/files.h"

#include <QFileInfo>
#include <QPainter>
#include <QWidget>

namespace core {

QString modulePictureFolder() {
    return filesFolder() + QStringLiteral("/tiles");
}

const QPixmap& ModulePicture::load(QWidget* owner, const QString& windowClass) {
    if (m_looked || windowClass.isEmpty()) return m_picture;
    m_looked = true;
    const QString path = modulePictureFolder() + QLatin1Char('/') + windowClass + QStringLiteral(".png");
    if (QFileInfo::exists(path) && m_picture.load(path, "PNG")) owner->setProperty("modulePicture", m_picture);
    return m_picture;
}

void ModulePicture::paint(QPainter& painter, const QRectF& box) {
    if (m_picture.isNull()) return;
    const QSize size = box.size().toSize();
    if (m_scaled.size() != size) {
        // A module is shown as on a white page, from its top.
        m_scaled = QPixmap(size);
        m_scaled.fill(Qt::white);
        QPainter onto(&m_scaled);
        onto.drawPixmap(0, 0, m_picture.scaledToWidth(size.width(), Qt::SmoothTransformation));
    }
    painter.drawPixmap(box.topLeft(), m_scaled);
}

void paintCaptionBand(QPainter& painter, const QRectF& box, const QString& caption, int pixelSize,
                      const QFont& font) {
    if (caption.isEmpty()) return;
    const qreal band = std::min<qreal>(box.height(), pixelSize * 1.6);
    const QRectF strip(box.left(), box.bottom() - band, box.width(), band);
    painter.fillRect(strip, QColor(0, 0, 0, 150));
    QFont bold = font;
    bold.setPixelSize(pixelSize);
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(strip.adjusted(4, 0, -4, 0), Qt::AlignCenter, caption);
}

} // namespace core
