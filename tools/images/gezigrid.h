#pragma once

// The grid list's arithmetic and template filling, without the window: the
// sizes of a row of cells, the frames of its list fields, the demo row and
// the group code filled from a style's cell template. Everything is text as
// the window's fields hold it; the fields a step writes back come as a
// core::Built's updates, in the window's order.

#include "core/snippet.h"

#include <QString>
#include <QStringList>

namespace tools {

// The list fields of a row: pictures, links, titles, prices.
inline const QStringList kGeziRowFields = {QStringLiteral("mmo2"), QStringLiteral("mmo3"),
                                           QStringLiteral("edt5"), QStringLiteral("edt6")};

// Cells per row as typed (`edt3`); a count past 1000 fails, since no grid is
// that wide and the row frames would not fit in memory.
int geziCellCount(const QString& typed);

// Empties the fields, then, for a count that is not blank, writes into each
// the frame of N − 1 separators " | " the user fills (none for one cell).
core::Built geziRowFrames(const QString& cells, const QStringList& fields);

// What a change of the cells per row reads.
struct GeziRowInput {
    QString width;                       // edt1, the row's total width W
    QString cells = QStringLiteral("3"); // edt3, N
    QString spacing;                     // edtjianju
    QString margin;                      // edttuwaikuang, around the picture
    QString pictureWidth;                // edttupiankuan, before the change
    QString pictureHeight;               // edttupiangao, before the change
};

// Empties the row's list fields; for a count that is not blank writes the
// column width (W − (N − 1) × spacing) div N, the picture width (column −
// 2 × margin) and the picture height that keeps the picture's proportions,
// then the row frames.
core::Built geziRow(const GeziRowInput& input);

// The demo row: N times the style's sample picture (a line each), title,
// subtitle or price, and the link "#".
core::Built geziDemoRow(const QString& cells, const QString& picture, const QString& title,
                        const QString& subtitle);

// What generating a group reads.
struct GeziGroupInput {
    QString cellTemplate;                     // mmodaima, the style's `代码`
    QString width;                            // edt1, W
    QString cells = QStringLiteral("3");      // edt3, N
    QString column;                           // edt4, the column width
    QString pictureWidth;                     // edttupiankuan
    QString pictureHeight;                    // edttupiangao
    QString captionHeight;                    // edttuwaigao, the cell below its picture
    QString margin;                           // edttuwaikuang
    QString border;                           // edtbianxian
    QString spacing;                          // edtjianju
    QString titleFlag = QStringLiteral("无"); // cbbbiaoti: "有" when cells carry a title
    QString priceFlag = QStringLiteral("无"); // cbbjiage: "有" when cells carry a price
    QString pictures, links, titles, prices;  // mmo2, mmo3, edt5, edt6: bar-separated
};

struct GeziGroup {
    // The group's code, with the total height (`edt2`) and the column width
    // narrowed by twice the border (`edt4`) written back. A missing item
    // fails before anything is written.
    core::Built built;
    // The cells, each followed by CR LF, as the file "0.txt" holds them.
    QString cells;
    // The preview's footer: the group's width and height, columns and sizes.
    QString footer;
};

GeziGroup geziGroup(const GeziGroupInput& input);

// The preview page "files.html": the style's heading with its extra text,
// the body and the generation's footer, if any.
QString geziPreviewPage(const QString& width, const QString& style, const QString& extraHeading,
                        const QString& body, const QString& footer);

} // namespace tools
