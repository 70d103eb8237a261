#pragma once

#include "core/form.h"

namespace tools {

// How wide each picture of an image list must be, plus a small four-function
// calculator.
class Tfrmjsq : public core::Form {
    Q_OBJECT
public:
    Tfrmjsq();

private:
    enum class Operator { None, Add, Subtract, Multiply, Divide };

    void width(int outerGaps);
    void pickOperator(Operator op);
    void equals();

    QString m_first;
    Operator m_pending = Operator::None;
};

} // namespace tools
