#pragma once

#include "core/form.h"

namespace generators {

// The fields of the page background rule, as typed; the defaults are the window's.
struct BeijingInput {
    QString picture;   // edt1
    bool fixed = true; // 生成固定背景; otherwise 生成随页面变化背景
};

// The style rule that puts the picture behind the whole page: fixed in the
// window, or scrolling away with the top of the page.
QString beijingSnippet(const BeijingInput& input);

// A style rule that puts a picture behind the whole shop page.
class Tfrmbeijing : public core::Form {
public:
    Tfrmbeijing();

private:
    BeijingInput input(bool fixed) const;
};

} // namespace generators
