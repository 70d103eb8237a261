#pragma once

#include "core/form.h"

#include <QComboBox>
#include <QStringList>

namespace testing {

// The item texts of a window's combo box, in order.
inline QStringList comboItems(core::Form* form, const QString& combo) {
    QStringList items;
    auto* box = form->control<QComboBox>(combo);
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace testing
