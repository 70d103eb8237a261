#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// A block of given size and background holding the marketplace's comment
// widget, placed left, centred or right and top, centred or bottom.
class TFrmliuyanban : public core::Form {
    Q_OBJECT
public:
    TFrmliuyanban();

private:
    void place(const QString& combo, const QStringList& places, const QString& block, const QString& area,
               const QString& offset);
    QString snippet() const;
};

} // namespace generators
