#pragma once

#include "core/form.h"

#include <QStringList>

namespace core {
class Browser;
}

namespace generators {

// The fields of the coupon strip, as typed; the defaults are the window's.
struct YhqInput {
    QString textColour = QStringLiteral("#FF9"); // edt21
    // The four coupons, in order: background colour, amount, background
    // picture, title, link and condition.
    QStringList backgrounds, amounts, pictures, titles, links, conditions;

    YhqInput();
};

// The strip of the four coupons, a quarter of the width each.
QString yhqSnippet(const YhqInput& input);

// A full-width strip of four shop coupons on plain colours or pictures, with
// five colour presets and a preview in the window's web view.
class Tfrmyhq : public core::Form {
public:
    Tfrmyhq();

private:
    YhqInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
