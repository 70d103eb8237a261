#pragma once

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace core {

// The program's font: the interface is Chinese whatever the desktop's
// language, so a Chinese face comes first. The start-up benchmark's Chinese
// window uses it too.
inline void setProgramFont(QApplication& application) {
    QFont font = application.font();
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")});
    application.setFont(font);
}

} // namespace core
