#pragma once

#include <QString>

class QColor;
class QWidget;

namespace core {
class Browser;
class Form;
} // namespace core

namespace generators::lists {

// Writes the text of the form's box whole into the preview page and answers
// its path; a page that cannot be written fails with the file error.
QString writePreviewPage(const core::Form* form, const QString& box);

// Selects and copies the box, then shows the notice under the given title.
void copyWithNotice(core::Form* form, const QString& box, const QString& notice, const QString& title);

// A picture address on the marketplace's image host for the sample values.
QString samplePicture(const QString& name);

} // namespace generators::lists
