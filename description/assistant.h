#pragma once

#include "core/form.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QTreeWidget;

namespace core {
class Browser;
}

namespace description {

// The description assistant: a column of section kinds, one editor page per
// kind, a numbered list of rendered sections and the page assembled from them.
class Tfrmmain : public core::Form {
    Q_OBJECT
public:
    Tfrmmain();

    // What the section units build their editor pages with.
    using core::Form::addButton;
    using core::Form::addCaption;
    using core::Form::addCombo;
    using core::Form::addEdit;
    using core::Form::addGroup;
    using core::Form::addHolderMemo;
    using core::Form::addMemo;
    using core::Form::addRadioGroup;
    using core::Form::on;

    // A colour field whose chosen colour also becomes its background.
    void addColourEdit(QWidget* page, const QString& name, const QRect& geometry, const QString& colour);

    // The total width W of every section: "750" or "790".
    QString totalWidth() const;
    // Whether the shop type "天猫店" is chosen.
    bool tmall() const;

    // The natural heights in pixels of the pictures the render under way
    // measured before building its section (SectionKind::pictures), by
    // address; nothing older is ever measured.
    const QHash<QString, int>& measuredHeights() const { return m_heights; }
    // The scratch picture's path.
    QString scratchPicture() const;

    // The preview file in the current folder.
    static QString previewFile();

    core::Browser* browser() const { return m_browser; }
    QTreeWidget* sectionList() const;

private:
    void buildColumn(QWidget* column);
    void buildEditor(QWidget* editor);
    void buildPreview(QWidget* area);

    void render(const QString& code, bool preview);
    // Fetches picture i and those after it into the scratch file, one after
    // another, measures each, then runs `then`.
    void measureThen(const QStringList& pictures, int i, const std::function<void()>& then);
    // Writes the page to the preview file exactly as given and shows it.
    void preview(const QString& page);
    void addEntry(const QString& question, const QString& suffix);
    int selectedRow() const;
    void swapWith(int offset);

    core::Browser* m_browser = nullptr;
    int m_countdown = 20;
    std::unique_ptr<QTemporaryDir> m_scratch;
    QHash<QString, int> m_heights; // of the pictures measured for the render under way
};

} // namespace description
