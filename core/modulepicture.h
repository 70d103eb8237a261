#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>

class QFont;
class QPainter;
class QWidget;

namespace core {

// The folder of the module pictures: "tiles" in the files folder.
QString modulePictureFolder();

// The picture of a window ("files/tiles/<window class>.png"): a rendering of a
// generator's module or a drawing of what a tool does. Its PNG text "Focus"
// ("x,y,width,height" in pixels) names the part a small box shows; without it
// the whole picture is the focus.
struct PictureFile {
    QPixmap picture;
    QRectF focus;
};
PictureFile readModulePicture(const QString& path);

// The scale a picture is shown at in a box: the one at which its focus covers
// the box, at most `largest` (1: never past the picture's own pixels).
qreal shownScale(const QRectF& focus, const QSizeF& box, qreal largest);
// The part of a picture of `size` shown in a box at that scale: as much as the
// box holds, around the focus's centre, as far as the picture reaches.
QRectF visiblePart(const QSizeF& size, const QRectF& focus, const QSizeF& box, qreal largest);

// A window's picture, read from disk when a widget first needs it and kept by
// that widget. The widget carries it in its property "modulePicture"; a window
// without a picture leaves it null and the widget keeps its drawn look.
class ModulePicture {
public:
    // Reads the window's picture the first time only.
    const QPixmap& load(QWidget* owner, const QString& windowClass);
    bool isNull() const { return m_file.picture.isNull(); }
    QRectF focus() const { return m_file.focus; }

    // Paints the visible part of the picture into the box, scaled smoothly
    // (enlarged at most `largest` times), on white; a picture smaller than the
    // box sits in its middle. The scaled copy is kept until the size changes.
    void paint(QPainter& painter, const QRectF& box, qreal largest);

private:
    bool m_looked = false;
    PictureFile m_file;
    QPixmap m_scaled;
};

// A box with a caption: the picture above, the caption in its own band along
// the bottom, so that the caption never lies on the picture.
struct CaptionedBox {
    QRectF picture;
    QRectF band;
    int pixelSize = 12; // of the caption's font
};
// The caption's font is a fifth of the box's height, from `smallest` to
// `largest` pixels; the band is 1.6 times as high.
CaptionedBox splitCaption(const QRectF& box, int smallest, int largest);

// The caption's font on the band: bold, smaller for a caption too long for
// the band, down to 9 px.
QFont captionFont(const CaptionedBox& box, const QString& caption, const QFont& font);
// The width a caption has on the band.
qreal captionRoom(const CaptionedBox& box);

// The caption in white, bold, on the dark band, in captionFont(); a caption
// too long even then loses its end to "…".
void paintCaption(QPainter& painter, const CaptionedBox& box, const QString& caption, const QFont& font);

} // namespace core
