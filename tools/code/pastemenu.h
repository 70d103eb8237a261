#pragma once

class QMenu;
class QWidget;

namespace core {
class Memo;
}

namespace tools {

// The context menu of an input memo: "贴入" (N3), a separator, "清空" (N2).
// The window registers N3Click and N2Click.
QMenu* addPasteClearMenu(QWidget* owner, core::Memo* memo);

} // namespace tools
