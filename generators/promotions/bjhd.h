#pragma once

#include "core/form.h"

namespace generators {

class TfrmBJHD : public core::Form {
    Q_OBJECT
public:
    TfrmBJHD();
};

} // namespace generators
