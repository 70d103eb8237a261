#pragma once

#include "core/form.h"
#include "generators/promotions/pagewidgets.h"

namespace generators {

// The fields of the alternating background block, as typed; the defaults are
// the window's.
struct BjhdInput {
    QString edition = QStringLiteral("专业版");                                                     // cbb1
    QString height = QStringLiteral("500");                                                         // edt1
    QString background = pagewidgets::samplePicture(QStringLiteral("alternate-back-1920x500.jpg")); // edt2
    QString topPicture = pagewidgets::samplePicture(QStringLiteral("alternate-top-1920x500.png"));  // edt3
    QString topLink = QStringLiteral("#");                                                          // edt5
    QString middle; // mmo1, the middle part as it stands
};

// The middle part made of the top picture and its link (生成代码).
QString bjhdMiddle(const BjhdInput& input);

// The full-width block: the fixed background with the middle part over it,
// shifted left by the edition's offset (提取代码).
QString bjhdSnippet(const BjhdInput& input);

// A 1920 px block with a fixed background picture and a layer over it.
class TfrmBJHD : public core::Form {
    Q_OBJECT
public:
    TfrmBJHD();

private:
    BjhdInput input() const;
};

} // namespace generators
