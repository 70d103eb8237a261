#pragma once

#include <QString>

class QWidget;

namespace core {

// The save dialog of a window that appends `suffix` to whatever name is
// chosen: the dialog would ask about the typed name, so the question before
// an existing file is replaced is asked here, about the final name. `start`
// is the folder or suggested name the dialog opens with. The final name, or
// nothing when the dialog is cancelled or the file is not to be replaced.
QString saveNameWithSuffix(QWidget* owner, const QString& title, const QString& filter, const QString& suffix,
                           const QString& start = {});

} // namespace core
