#pragma once

#include "tools/images/styledb.h"

#include <QMap>
#include <QString>
#include <span>
#include <utility>

class QTreeWidget;

namespace core {
class Form;
}

namespace tools {

// A field of the window and the style column it shows.
using StyleFill = std::pair<const char16_t*, const char16_t*>;

// Which field takes which column on a style choice: the centre's sizes and
// the style fields that generation reads.
std::span<const StyleFill> choiceFills();

// Fails for a style that was deleted since the lists were loaded.
[[noreturn]] void styleGone(const QString& name);

// Writes a style's columns into the window's fields.
void fillStyleFields(core::Form& window, const Style& style, std::span<const StyleFill> fills);

// The administration of the grid list's styles: the style table `lv1` and
// the style list `lst1` as the database holds them, and the administration
// panel's buttons, which add, change and delete styles from the style fields.
class GeziAdministration {
public:
    GeziAdministration(core::Form& window, StyleDatabase& db);

    // Fills the style table and the style list, in table order. At start the
    // table's height column shows `总高`; after "刷新" (`keptHeight`) `高度`.
    void loadStyles(bool keptHeight);
    // A click in the style table loads that style into the style fields only.
    void loadStyleFields();
    // "添加", "修改" and "删除", each after its question.
    void addStyle();
    void modifyStyle();
    // The row id of the style deleted; 0 when nothing was deleted.
    qint64 deleteStyle();

    // The record "修改" writes into: the one a style choice or a click in the
    // table loaded last.
    void setLoaded(qint64 rowId) { m_loadedRow = rowId; }

private:
    QTreeWidget* table() const;
    QMap<QString, QString> styleFields() const;

    core::Form& m_window;
    StyleDatabase& m_db;
    qint64 m_loadedRow = 0;
};

} // namespace tools
