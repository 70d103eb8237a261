#pragma once

#include "core/form.h"

namespace generators {

// A footer with four text links, four titled information columns and two
// picture buttons, in one theme colour.
class Tfrmdbdm : public core::Form {
    Q_OBJECT
public:
    Tfrmdbdm();

private:
    QString snippet() const;
};

// A footer drawn over an animated background picture: three titled texts, a
// back-to-top link and an invisible favourites area.
class TFrmdonghuadibu : public core::Form {
    Q_OBJECT
public:
    TFrmdonghuadibu();

private:
    QString snippet() const;
};

} // namespace generators
