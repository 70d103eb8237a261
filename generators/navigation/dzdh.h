#pragma once

#include "core/form.h"
#include "generators/navigation/navigation.h"

namespace generators {

// A 950 px shop header picture over a bar of nine tabs and a favourites tab,
// previewed in the window's own browser.
class Tfrmdzdh : public core::Form {
    Q_OBJECT
public:
    Tfrmdzdh();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
