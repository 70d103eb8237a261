#pragma once

#include "core/form.h"

namespace generators {

class TFrmjianfeng : public core::Form {
    Q_OBJECT
public:
    TFrmjianfeng();
};

} // namespace generators
