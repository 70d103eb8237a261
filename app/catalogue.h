#pragma once

#include "core/modulepicture.h"
#include "core/registry.h"

#include <QLabel>
#include <QString>
#include <QVector>

namespace app {

// One thumbnail of the launcher's catalogue, as the window's descriptor
// places it.
struct CatalogueSlot {
    QString image;   // control name, "img133"
    QString page;    // page name, "ts11"
    int row;         // 1..5 (1..3 on the large page)
    int column;      // 1..3
    QString target;  // window class, empty for a blank slot
    QString caption; // shown over the schematic
    core::TileSize size = core::TileSize::Small;
};

const QVector<CatalogueSlot>& catalogue();

// A thumbnail: the picture of its window (a generator's module, a drawing of
// what a tool does) with the caption in a band below it. The picture is read
// when the tile is first shown.
class Thumbnail : public QLabel {
    Q_OBJECT
public:
    Thumbnail(const QString& caption, bool blank, QWidget* parent);
    // Where the picture and the caption band lie in the tile.
    core::CaptionedBox captionedBox() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // From the keyboard: Enter or Space opens the tile as a click does, the
    // arrow keys move to the nearest tile in their direction.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_blank;
    core::ModulePicture m_picture;
};

} // namespace app
