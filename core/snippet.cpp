#include "core/snippet.h"

#include "core/failure.h"
#include "core/form.h"

namespace core {

Built build(const std::function<void(Built&)>& steps) {
    Built built;
    try {
        steps(built);
    } catch (const Failure& failure) {
        built.snippet.clear();
        built.failure = failure.message();
    }
    return built;
}

QString applyBuilt(Form& form, const Built& built) {
    for (const FieldUpdate& update : built.updates)
        form.setText(update.control, update.text);
    if (built.failure) fail(*built.failure);
    return built.snippet;
}

} // namespace core
