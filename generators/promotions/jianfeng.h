#pragma once

#include "core/form.h"

namespace generators {

// The fields of the gap closer, as chosen and typed; the defaults are the window's.
struct JianfengInput {
    int shop = -1;                          // 0 集市店 (rb1), 1 天猫店 (rb2); -1 none chosen
    int gap = -1;                           // 0 10px (rb3), 1 20px (rb4); -1 none chosen
    QString height = QStringLiteral("400"); // edt1
    QString code;                           // mmo1, the user's code
};

// The gap in pixels of a chosen gap button, "10" or "20".
QString jianfengGap(const JianfengInput& input);

// The user's code lifted by the gap: the outer block is that much lower than
// the module it wraps. A null text while no shop type or no gap is chosen;
// fails when the height is no number.
QString jianfengSnippet(const JianfengInput& input);

// A wrapper that closes the gap between two modules.
class TFrmjianfeng : public core::Form {
    Q_OBJECT
public:
    TFrmjianfeng();

private:
    JianfengInput input() const;
};

} // namespace generators
