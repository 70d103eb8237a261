#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the detail block as the window holds them; the defaults are
// the window's.
struct XijiewutuInput {
    QString width = QStringLiteral("950");                 // lbl1
    QString leftWidth = QStringLiteral("440");             // lbl2, the large picture
    QString picture;                                       // edt1, the large picture
    QStringList smallPictures;                             // edt2 to edt4
    QStringList captions;                                  // edt8 to edt10
    QString link = QStringLiteral("#");                    // edt5, the one link of the block
    QString heading = QStringLiteral("面料");              // edt6
    QString subheading = QStringLiteral("[ 新疆长绒棉 ]"); // edt7
    QString body;                                          // mmo1

    XijiewutuInput();
};

// The large picture, three small ones with captions and the text box, all in one link.
QString xijiewutuSnippet(const XijiewutuInput& input);

// One large picture, three small detail pictures with captions and a text box,
// all behind one link.
class Tfrmxijiewutu : public core::Form {
    Q_OBJECT
public:
    Tfrmxijiewutu();

private:
    XijiewutuInput input() const;
};

} // namespace generators
