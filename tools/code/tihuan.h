#pragma once

#include "core/form.h"

class QMenu;
class QScrollArea;

namespace tools {

// Swaps texts in a pasted snippet through five find/replace rows and keeps a
// log of what was replaced, saved to and read back from "替换信息.txt".
class Tfrmtihuan : public core::Form {
    Q_OBJECT
public:
    Tfrmtihuan();

    // The log file in the program's folder.
    static QString logFile();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void replaceRow(const QString& kind, const QString& find, const QString& replace);
    void takeSelection(const QString& findField);
    void fitCode();

    QMenu* m_context = nullptr;
    QScrollArea* m_frame = nullptr;
};

} // namespace tools
