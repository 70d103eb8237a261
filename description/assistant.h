#pragma once

#include "core/form.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
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

    // A bar-separated list field: trimmed, written back, split into entries.
    QStringList barList(const QString& memo);

    // Fetches a picture into the private scratch file and answers its natural
    // height in pixels. A failed download or a file that is not a JPEG
    // picture fails; nothing older is ever measured.
    int pictureHeight(const QString& address);
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
    // Writes the page to the preview file exactly as given and shows it.
    void preview(const QString& page);
    void addEntry(const QString& question, const QString& suffix);
    int selectedRow() const;
    void swapWith(int offset);

    core::Browser* m_browser = nullptr;
    int m_countdown = 20;
    std::unique_ptr<QTemporaryDir> m_scratch;
};

} // namespace description
