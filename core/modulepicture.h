#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;
class QWidget;

namespace core {

// The folder of the module pictures: "tiles" in the files folder.
QString modulePictureFolder();

// The picture of a generator's module ("files/tiles/<window class>.png"), read
// from disk when a widget first needs it and kept by that widget. The widget
// carries it in its property "modulePicture"; a window without a picture
// leaves it null and the widget keeps its drawn look.
class ModulePicture {
public:
    // Reads the window's picture the first time only.
    const QPixmap& load(QWidget* owner, const QString& windowClass);
    bool isNull() const { return m_picture.isNull(); }

    // Paints the picture scaled smoothly to the width of the box, from its top
    // edge, on white: what does not fit is cut off at the bottom. The scaled
    // copy is kept until the size changes.
    void paint(QPainter& painter, const QRectF& box);

private:
    bool m_looked = false;
    QPixmap m_picture;
    QPixmap m_scaled;
};

// A caption in white on a dark band along the bottom of the box.
void paintCaptionBand(QPainter& painter, const QRectF& box, const QString& caption, int pixelSize,
                      const QFont& font);

} // namespace core
