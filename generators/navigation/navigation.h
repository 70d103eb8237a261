#pragma once

#include <QString>

class QWidget;

namespace core {
class Browser;
class Form;
} // namespace core

// What the shop header, category, floor and footer generators share.
namespace generators::navigation {

// The short copy notice of the category and footer blocks.
inline const QString kCopiedShort = QStringLiteral("代码已被复制了！");

// Saves the memo's lines, each followed by CR LF, as a page written whole.
// A missing folder of the page is made first.
void savePage(const core::Form& form, const QString& memo, const QString& path);

// A page in the current working folder ("files/楼层.html" for a subfolder).
QString workingPage(const QString& relative);

// The embedded browser of a window, made inside its host the first time it is
// needed and kept for the life of the window.
class PreviewBrowser {
public:
    core::Browser* in(QWidget* host);

private:
    core::Browser* m_browser = nullptr;
};

// The address the shop search form posts to: the shop's home address as typed,
// followed by the marketplace's search path.
QString searchAction(const QString& shop);

} // namespace generators::navigation
