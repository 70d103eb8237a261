#pragma once

#include "core/form.h"

namespace generators {

// One large picture, three small detail pictures with captions and a text box,
// all behind one link.
class Tfrmxijiewutu : public core::Form {
    Q_OBJECT
public:
    Tfrmxijiewutu();

private:
    QString snippet() const;
};

} // namespace generators
