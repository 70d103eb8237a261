#pragma once

#include "core/form.h"
#include "generators/navigation/navigation.h"

#include <QList>
#include <QStringList>

namespace generators {

// The fields of the six category columns, as typed; the defaults are the
// window's.
struct FenleiInput {
    struct Column {
        QString heading, headingColour;
        // Rows 1 to 5 from top to bottom.
        QStringList names, colours, links;
    };
    QList<Column> columns; // ① to ⑥

    FenleiInput();
};

// The six columns side by side, without a wrapper.
QString fenleiSnippet(const FenleiInput& input);

// Six category columns side by side, each a coloured heading over five text
// links, sized in percent of the module they are pasted into.
class Tfrmfenlei : public core::Form {
    Q_OBJECT
public:
    Tfrmfenlei();

private:
    FenleiInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
