#pragma once

#include "core/form.h"
#include "core/handoff.h"

namespace tools {

// What the two banner converters share: the edition buttons, the width and
// height fields with the converted height kept at H - 20, the input memo with
// its import, paste and clear, the hidden output buffer, convert-and-copy and
// the help label.
class BannerConverter : public core::Form {
    Q_OBJECT
protected:
    // `extraHeight` is the room left free between the size row and the input
    // memo for the fields of a derived window.
    BannerConverter(const QString& className, const QString& caption, int clientHeight, int extraHeight,
                    const QString& defaultWidth, const QString& help);

    // The checked edition button: rb1 professional, rb2 Tmall, otherwise basic.
    core::Edition edition() const;

    // The texts a wrapper inserts, as typed: W, H, Hc and the input code C.
    struct Fields {
        QString width, height, converted, code;
    };
    Fields fields() const;

    // The wrapped code of the checked edition. Parses the width first, so a
    // width that is not a number fails before anything has changed.
    virtual QString converted() const = 0;

    // The top of the free room for a derived window's fields.
    static constexpr int kExtraTop = 104;
};

} // namespace tools
