#pragma once

#include "core/form.h"
#include "core/snippet.h"

#include <QStringList>

namespace generators {

// What the back of a flip picture is: a picture, or the user's own HTML.
enum class RowFlipBack { Picture, CustomHtml };

// The fields of a row of flip pictures as the window holds them; the defaults
// are the window's.
struct RowFlipInput {
    RowFlipBack back = RowFlipBack::Picture;
    int count = -1;                             // rg1: 0 three pictures, 1 four, -1 none chosen
    QString total = QStringLiteral("950");      // edtall, the row's width
    QString width = QStringLiteral("?????");    // lblkuan, a picture's width as 设置 computed it
    QString height = QStringLiteral("300");     // edtgao
    QString classNumber = QStringLiteral("82"); // edtclass
    // Row k (from 0): edttu(k+1), edtfan(k+1) or mmofan(k+1), edtlian(k+1).
    QStringList fronts, backs, links;

    explicit RowFlipInput(RowFlipBack back = RowFlipBack::Picture);
};

// The width of one picture as 设置 computes it: the chosen count of pictures
// with 10 px between them fill the total, truncated to whole pixels. Without
// a count the width stays; a total that is not a number fails.
QString rowFlipWidth(const RowFlipInput& input);

// The snippet for the chosen count: the front blocks, then the popups that
// show the backs. The two parts are written into "mmodiv" and "mmoclass".
core::Built rowFlipSnippet(const RowFlipInput& input);

// A row of 3 or 4 front pictures; each turns into its back side (a picture or
// the user's own HTML inside a link) while the pointer rests on it.
class RowFlipForm : public core::Form {
    Q_OBJECT
protected:
    RowFlipForm(const QString& className, RowFlipBack back, const QString& help);

private:
    QString backField(int row) const;
    RowFlipInput input() const;
    void generate();

    RowFlipBack m_back;
};

class TFrmimgfanzhuan : public RowFlipForm {
    Q_OBJECT
public:
    TFrmimgfanzhuan();
};

class TFrmzdyfanzhuan : public RowFlipForm {
    Q_OBJECT
public:
    TFrmzdyfanzhuan();
};

} // namespace generators
