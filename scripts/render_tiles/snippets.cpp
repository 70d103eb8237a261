// The snippet a generator delivers for the sample settings.
#include "scripts/render_tiles/render_tiles.h"

#include "core/form.h"
#include "core/platform.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QFileInfo>
#include <QUrl>

namespace tiles {

namespace {

bool isGenerateCaption(const QString& caption) {
    return caption.startsWith(QStringLiteral("生成")) || caption == QStringLiteral("提取代码") ||
           caption == QStringLiteral("获取代码") || caption == QStringLiteral("复制提取");
}

// The steps of generators that assemble their code in several steps ("调试效果",
// "确认预览", "提交第一组"), pressed before the generate button.
bool isTrialCaption(const QString& caption) {
    return caption.startsWith(QStringLiteral("调试")) || caption.startsWith(QStringLiteral("提交")) ||
           caption == QStringLiteral("确认预览");
}

QStringList buttons(core::Form* form, bool (*matches)(const QString&)) {
    QStringList found;
    for (auto* button : form->findChildren<QAbstractButton*>()) {
        const QString name = button->objectName();
        if (!name.isEmpty() && matches(button->text()) && form->hasHandler(name + QStringLiteral("Click")) &&
            !found.contains(name))
            found << name;
    }
    return found;
}

// An empty edit whose caption, on its left in the same row, names a picture
// address ("图片地址：", "大图地址：").
bool isEmptyPictureField(QLineEdit* edit) {
    if (!edit->text().isEmpty() || !edit->parentWidget()) return false;
    const QRect field = edit->geometry();
    for (auto* caption : edit->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect box = caption->geometry();
        const QString text = caption->text();
        if (box.right() <= field.left() + 4 && field.left() - box.right() < 40 &&
            std::abs(box.center().y() - field.center().y()) < field.height() / 2 + 2 &&
            text.contains(QStringLiteral("图")) && text.contains(QStringLiteral("地址")))
            return true;
    }
    return false;
}

// A picture address as the fields hold them: http or https, ending in a
// picture file name.
const QRegularExpression& pictureAddress() {
    static const QRegularExpression address(
        QStringLiteral(R"(https?://[^\s"'|<>()]+?\.(?:jpe?g|png|gif|bmp)(?![A-Za-z0-9]))"),
        QRegularExpression::CaseInsensitiveOption);
    return address;
}

// Every box that may hold generated code, with its text.
QList<QPair<QWidget*, QString>> boxes(core::Form* form) {
    QList<QPair<QWidget*, QString>> found;
    for (auto* memo : form->findChildren<core::Memo*>()) found.append({memo, memo->text()});
    for (auto* rich : form->findChildren<core::RichEdit*>()) found.append({rich, rich->text()});
    return found;
}

QString boxText(QWidget* box) {
    if (auto* memo = qobject_cast<core::Memo*>(box)) return memo->text();
    if (auto* rich = qobject_cast<core::RichEdit*>(box)) return rich->text();
    return {};
}

} // namespace

QString generateButton(core::Form* form) {
    return buttons(form, isGenerateCaption).value(0);
}

QStringList trialButtons(core::Form* form) {
    return buttons(form, isTrialCaption);
}

std::optional<Snippet> generateSample(core::Form* form, const QString& sampleFolder,
                                     const SampleSettings& settings) {
    // The window's own sample settings first: texts, and buttons checked.
    for (const auto& [name, value] : settings.fields) {
        auto* button = form->findChild<QAbstractButton*>(name);
        if (auto* group = form->findChild<core::RadioGroup*>(name)) {
            group->setItemIndex(value.toInt());
            form->fire(name + QStringLiteral("Click"));
        } else if (button && value == QLatin1String("checked")) {
            button->setChecked(true);
            form->fire(name + QStringLiteral("Click"));
        } else {
            form->setText(name, value);
        }
    }
    for (const QString& press : settings.presses) form->fire(press + QStringLiteral("Click"));

    const QStringList samples = samplePictures(sampleFolder);
    const QStringList banners = bannerPictures(sampleFolder);
    const QStringList trials = trialButtons(form);
    const QString button = generateButton(form);
    if ((button.isEmpty() && trials.isEmpty()) || samples.isEmpty()) return std::nullopt;

    // The sample settings: the picture addresses of the fields, the
    // placeholders "图1地址" and the empty picture fields, in the order the
    // window holds its fields, go to the samples in turn.
    static const QRegularExpression size(QStringLiteral(R"((\d{3,4})x\d{2,4})"));
    static const QRegularExpression placeholder(QStringLiteral(R"(图\d+地址)"));
    // Each window starts at another sample, so that the tiles differ.
    int nextSample = 0, nextBanner = 0;
    for (const QChar letter : form->objectName()) nextSample += letter.unicode();
    nextBanner = nextSample;
    const auto pointAtSamples = [&](const QString& original) {
        QString out;
        qsizetype from = 0;
        const QString text =
            QString(original).replace(placeholder, QStringLiteral("http://sample.invalid/picture.jpg"));
        for (const QRegularExpressionMatch& hit : pictureAddress().globalMatch(text)) {
            out += text.mid(from, hit.capturedStart() - from);
            from = hit.capturedEnd();
            // A sample named by the window's settings.
            const QUrl named(hit.captured());
            if (named.host() == QLatin1String("sample.invalid") &&
                QFileInfo::exists(sampleFolder + named.path())) {
                out += QUrl::fromLocalFile(sampleFolder + named.path()).toString();
                continue;
            }
            const bool banner = size.match(hit.captured()).captured(1).toInt() >= 1200;
            const QString picture = banner ? banners[nextBanner++ % banners.size()]
                                           : samples[nextSample++ % samples.size()];
            out += QUrl::fromLocalFile(picture).toString();
        }
        return out + text.mid(from);
    };
    for (QWidget* field : form->findChildren<QWidget*>()) {
        if (core::Form::keptHidden(field)) continue;
        const auto wanted = [&](const QString& text) {
            return pictureAddress().match(text).hasMatch() || placeholder.match(text).hasMatch();
        };
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            if (isEmptyPictureField(edit)) edit->setText(pointAtSamples(QStringLiteral("图1地址")));
            else if (wanted(edit->text())) edit->setText(pointAtSamples(edit->text()));
        } else if (auto* memo = qobject_cast<core::Memo*>(field)) {
            if (wanted(memo->text())) memo->setText(pointAtSamples(memo->text()));
        } else if (auto* rich = qobject_cast<core::RichEdit*>(field)) {
            if (wanted(rich->text())) rich->setText(pointAtSamples(rich->text()));
        }
    }

    const auto before = boxes(form);
    core::platform().setClipboardText(QString());
    for (const QString& trial : trials) form->fire(trial + QStringLiteral("Click"));
    if (!button.isEmpty()) form->fire(button + QStringLiteral("Click"));
    const QString pressed = button.isEmpty() ? trials.last() : button;
    for (const auto& [box, old] : before) {
        const QString now = boxText(box);
        if (now != old && now.contains(QLatin1Char('<'))) return Snippet{pressed, box->objectName(), now};
    }
    const QString copied = core::platform().clipboardText();
    if (copied.contains(QLatin1Char('<'))) return Snippet{pressed, QString(), copied};
    return std::nullopt;
}

} // namespace tiles
