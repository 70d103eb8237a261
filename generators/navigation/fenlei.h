#pragma once

#include "core/form.h"
#include "generators/navigation/navigation.h"

namespace generators {

// Six category columns side by side, each a coloured heading over five text
// links, sized in percent of the module they are pasted into.
class Tfrmfenlei : public core::Form {
    Q_OBJECT
public:
    Tfrmfenlei();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
