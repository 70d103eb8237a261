#pragma once

#include "core/form.h"

namespace generators {

// The user's own header code over a bar of seven tabs and a search form that
// posts to the shop's own search page.
class TFrmdaohangdaisousuo : public core::Form {
    Q_OBJECT
public:
    TFrmdaohangdaisousuo();

private:
    QString snippet() const;
};

} // namespace generators
