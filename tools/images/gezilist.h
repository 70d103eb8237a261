#pragma once

#include "core/form.h"
#include "tools/images/geziadmin.h"
#include "tools/images/gezigrid.h"
#include "tools/images/styledb.h"

#include <QDialog>
#include <QPointer>

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace core {
class Browser;
}

namespace tools {

// The grid list generator: picture grids built row by row from the styles of
// the style database, collected in a group list and copied at once.
class Tfrmgezilist : public core::Form {
    Q_OBJECT
public:
    Tfrmgezilist();

    // Connects to a style database file and loads its styles into the style
    // table and the style list; "数据库连接错误" when it cannot be read.
    void connectDatabase(const QString& path);
    StyleDatabase& database() { return m_db; }
    // The path of "gezi.db" beside the program.
    static QString databasePath();
    // The administrator password of this build.
    static QString adminPassword();

    // Selects the style list's entry of that name and runs the style choice.
    bool chooseStyle(const QString& name);
    // Selects a row of the style table (-1 for none) as a click does, without running the handler.
    void selectStyleRow(int row);
    // Selects the groups at these rows of the group list.
    void selectGroups(const QList<int>& rows);
    QStringList groupCaptions() const;
    QStringList groupCodes() const;
    // The sample picture viewer, once opened.
    QDialog* viewer() const { return m_viewer; }

private:
    void buildLeft();
    void buildCentre();
    void buildAdministration();

    void chooseStyle();
    void widthPrompt();
    void cellsPerRow();
    void refillField(const QString& field);
    void demoFill();
    GeziGroupInput groupInput() const;
    void generateGroup();
    void previewGroup();
    void deleteGroups();
    void extractAll();
    void unlock();
    void showSample();

    // Writes the preview page "files.html" and shows it.
    void showPreview(const QString& extraHeading, const QString& body, const QString& footer);
    void showPage(const QString& html);

    StyleDatabase m_db;
    GeziAdministration m_administrator;
    core::Browser* m_browser = nullptr;
    QListWidget* m_styles = nullptr;
    QTreeWidget* m_groups = nullptr;
    QTreeWidget* m_table = nullptr;
    QWidget* m_parameters = nullptr;
    QWidget* m_administration = nullptr;
    QPointer<QDialog> m_viewer;
    // The style chosen last.
    QString m_style;
    qint64 m_chosenRow = 0;
};

} // namespace tools
