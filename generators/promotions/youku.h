#pragma once

#include "core/form.h"
#include "core/snippet.h"

namespace core {
class Browser;
}

namespace generators {

// The fields of the video embed, as typed; the defaults are the window's.
struct YoukuInput {
    QString address = QStringLiteral("https://v.youku.com/v_show/id_XNDc4MjQ1NjI0MA==.html"); // edt1
    QString width = QStringLiteral("500");                                                    // edt6
    QString height = QStringLiteral("500");                                                   // edt7
    // The hidden prefixes: the video site's page addresses (edt4), replaced by
    // its player's (edt2).
    QString pagePrefix = QStringLiteral("https://v.youku.com/v_show/id_");
    QString playerPrefix = QStringLiteral("https://player.youku.com/player.php/sid/");
};

// The Flash embed of the video: the page address turned into the player's
// address, written back into the hidden edt3 and then edt5 (".html" as
// "/v.swf"), and the embed of that address.
core::Built youkuSnippet(const YoukuInput& input);

// A Flash embed for a Youku video, made from the video's page address and
// tried out in the window's own browser.
class Tfrmyouku : public core::Form {
    Q_OBJECT
public:
    Tfrmyouku();

private:
    YoukuInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
