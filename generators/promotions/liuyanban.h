#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the message board, as typed; the defaults are the window's.
struct LiuyanbanInput {
    QString width = QStringLiteral("750");                 // edt2, the block
    QString height = QStringLiteral("500");                // edt1
    QString colour = QStringLiteral("#fff");               // edt4, the block's background colour
    QString picture = QStringLiteral("none");              // edt3, the block's background picture
    QString areaWidth = QStringLiteral("600");             // edt6, the comment area
    QString areaHeight = QStringLiteral("400");            // edt5
    QString top = QStringLiteral("50");                    // lbl10, the area's offsets as the sizes and
    QString left = QStringLiteral("75");                   // lbl11  placements set them
    QString shop = QStringLiteral("qingwu360.taobao.com"); // edt7, without "http://"
};

// The block with the marketplace's comment widget at the area's offsets.
QString liuyanbanSnippet(const LiuyanbanInput& input);

// A block of given size and background holding the marketplace's comment
// widget, placed left, centred or right and top, centred or bottom.
class TFrmliuyanban : public core::Form {
    Q_OBJECT
public:
    TFrmliuyanban();

private:
    void place(const QString& combo, const QStringList& places, const QString& block, const QString& area,
               const QString& offset);
    LiuyanbanInput input() const;
};

} // namespace generators
