#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the header with a small carousel, as typed; the defaults are
// the window's.
struct DianzhaolunboInput {
    // mmo1, the user's own header code as the memo holds it.
    QString header = QStringLiteral("<img src=\"https://img.alicdn.com/imgextra/i1/qingwu/dianzhao-950x120.jpg\" "
                                    "width=\"950\" height=\"120\" />\r\n");
    // Slide k (from 0): picture edt(2k+1), link edt(2k+2).
    QStringList pictures =
        QStringList(3, QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/dianzhao-lunbo-250x100.jpg"));
    QStringList links = QStringList(3, QStringLiteral("#"));
};

// The header code with the three-picture carousel laid over its right-hand side.
QString dianzhaolunboSnippet(const DianzhaolunboInput& input);

// The user's own header code with a small three-picture carousel laid over its
// right-hand side.
class Tfrmdianzhaolunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmdianzhaolunbo();

private:
    DianzhaolunboInput input() const;
};

} // namespace generators
