#pragma once

#include "core/form.h"
#include "core/handoff.h"

#include <QFont>
#include <QHash>
#include <QPointer>

class QAction;
class QDialog;
class QMenu;
class QTextEdit;

namespace tools {

// Options of the editor's find and replace dialogs.
struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool backward = false;
};

// The code previewer and editor: a plain-text editor whose text is placed
// between the head and the tail of a stored shop page of the chosen edition,
// written to "cache.html" beside the program and opened in the default browser.
class Tfrmyulan : public core::Form, public core::PreviewerInput {
    Q_OBJECT
public:
    Tfrmyulan();

    // Converted code from the banner converter.
    void receive(const QString& code, int edition) override;

    // The find dialog's search: selects the next occurrence after the
    // selection (before it when searching backward); without one, reports
    // "Text not found".
    bool find(const QString& text, const SearchOptions& options);
    // The replace dialog's "替换": replaces the selection when it is an
    // occurrence, then finds the next one.
    bool replace(const QString& text, const QString& replacement, const SearchOptions& options);
    // The replace dialog's "全部替换": every occurrence from the start; the
    // number replaced, after reporting "Text not found" for none.
    int replaceAll(const QString& text, const QString& replacement, const SearchOptions& options);

    // The path of the preview page.
    static QString cachePath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTools();
    void buildEditor();
    void buildPanel();
    void buildMenu();
    void loadFragments();

    void savePage();
    void readingLayout();
    // The colouring passes of the reading layout.
    void colourTags();
    void removeText();
    void findFirst();
    void replaceEverywhere();
    void chooseFont();
    void updateScrollBar();
    // Lines of the editor as laid out, counted up to one more than `limit`.
    int lineCount(int limit) const;

    // The editor's plain text, and a write of the whole text, which drops all colours.
    QString editorText() const;
    void writeEditor(const QString& text);

    // The edit control the standard actions work on: the focused one, else the editor.
    QWidget* editTarget() const;
    void updateEditActions();
    void paste();
    void copy();
    void cut();
    void selectAll();
    void deleteSelection();
    void showSearchDialog(bool replacing);

    core::RichEdit* m_editor = nullptr;
    QWidget* m_panel = nullptr;
    QMenu* m_menu = nullptr;
    QHash<QString, QAction*> m_actions;
    QPointer<QDialog> m_findDialog;
    QPointer<QDialog> m_replaceDialog;
    // The file error of a page fragment that could not be read, by holder.
    QHash<QString, QString> m_missingFragments;
    // The font dialog starts from its own last choice.
    QFont m_fontChoice;
    int m_keyDown = 0;
};

} // namespace tools
