#pragma once

#include "core/form.h"

#include <QColor>
#include <QHash>

class QAction;
class QMenu;

namespace core {
class Browser;
class RichEdit;
}

namespace tools {

// A small editor for hand-written shop code: quick-insert fragments, ready CSS
// declarations, a colour picker, a reading layout with tag colours and a
// preview pane.
class TFrmhtml : public core::Form {
    Q_OBJECT
public:
    TFrmhtml();

    // The preview page, below the working folder of the window's creation.
    QString previewPath() const { return m_previewPath; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QAction* action(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys = {});
    // Replaces the selection of the code pane (or inserts at the caret).
    void insert(const QString& text);
    void refresh();
    void readingLayout();
    void chooseColour();
    void findText(bool fromStart);
    void replaceText();

    core::RichEdit* m_code = nullptr;
    core::Browser* m_browser = nullptr;
    QMenu* m_context = nullptr;
    QString m_previewPath;
    QString m_lastFind;
    QColor m_lastColour = Qt::black;
};

} // namespace tools
