#include "tests/support/fake_platform.h"

#include "core/fetch.h"

#include <QFile>
#include <QTimer>
#include <QWidget>

namespace testing {

namespace {
QString ownerName(QWidget* owner) {
    return owner ? owner->window()->objectName() : QString();
}
} // namespace

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

void FakePlatform::record(const QString& kind, QWidget* owner, const QString& text, const QString& title,
                          const QString& address, const QString& path) {
    calls.append({kind, ownerName(owner), text, title, address, path});
}

QVector<PlatformCall> FakePlatform::callsOf(const QString& kind) const {
    QVector<PlatformCall> found;
    for (const PlatformCall& call : calls)
        if (call.kind == kind) found << call;
    return found;
}

PlatformCall FakePlatform::lastMessage() const {
    for (auto it = calls.crbegin(); it != calls.crend(); ++it)
        if (it->kind == QLatin1String("messageBox") || it->kind == QLatin1String("information")) return *it;
    return {};
}

void FakePlatform::clear() {
    calls.clear();
}

core::Answer FakePlatform::messageBox(QWidget* owner, const QString& text, const QString& title,
                                      core::Buttons, core::Icon) {
    record(QStringLiteral("messageBox"), owner, text, title);
    return answers.isEmpty() ? core::Answer::Ok : answers.dequeue();
}

void FakePlatform::information(QWidget* owner, const QString& text) {
    record(QStringLiteral("information"), owner, text, m_title);
}

std::optional<QString> FakePlatform::prompt(QWidget* owner, const QString& title, const QString& label,
                                            const QString& value) {
    record(QStringLiteral("prompt"), owner, label + QLatin1Char('\n') + value, title);
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

std::optional<QColor> FakePlatform::chooseColor(QWidget* owner, const QColor& initial) {
    record(QStringLiteral("color"), owner);
    lastInitialColor = initial;
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

QString FakePlatform::openFileName(QWidget* owner, const QString& title, const QString& filter,
                                   const core::FileDialogOptions& options) {
    record(QStringLiteral("openFile"), owner, filter, title, {}, options.start);
    lastFileDialog = options;
    return openFiles.isEmpty() ? QString() : openFiles.dequeue();
}

QString FakePlatform::saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                   const core::FileDialogOptions& options) {
    record(QStringLiteral("saveFile"), owner, filter, title, {}, options.start);
    lastFileDialog = options;
    return saveFiles.isEmpty() ? QString() : saveFiles.dequeue();
}

std::optional<QFont> FakePlatform::chooseFont(QWidget* owner, const QFont&) {
    record(QStringLiteral("font"), owner);
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

QString FakePlatform::chooseFolder(QWidget* owner, const QString& title) {
    record(QStringLiteral("folder"), owner, {}, title);
    return folders.isEmpty() ? QString() : folders.dequeue();
}

void FakePlatform::setClipboardText(const QString& text) {
    record(QStringLiteral("clipboard"), nullptr, text);
    clipboard = text;
    clipboardSet = true;
}

void FakePlatform::openDefault(const QString& target) {
    record(QStringLiteral("open"), nullptr, {}, {}, target);
}

bool FakePlatform::moveToTrash(const QString& path) {
    record(QStringLiteral("trash"), nullptr, {}, {}, {}, path);
    return QFile::remove(path);
}

// A transfer served from the fake's tables.
class FakeTransfer : public core::Transfer {
public:
    FakeTransfer(FakePlatform* owner, const core::FetchRequest& request)
        : m_owner(owner)
        , m_request(request) {
        if (owner->held.contains(request.address))
            owner->m_pending << this;
        else
            QTimer::singleShot(0, this, [this] { complete(); });
    }
    ~FakeTransfer() override { m_owner->m_pending.removeAll(this); }

    const QString& address() const { return m_request.address; }

    void complete() {
        m_owner->m_pending.removeAll(this);
        core::Fetched result;
        result.address = m_request.address;
        const auto served = m_owner->served.constFind(m_request.address);
        if (m_owner->failures.contains(m_request.address)) {
            result.error = m_owner->failures.value(m_request.address);
        } else if (served == m_owner->served.constEnd()) {
            result.error = core::fetchError::network(m_request.address, QStringLiteral("测试没有提供这个地址。"));
        } else if (served->size() > core::fetchCap(m_request.kind)) {
            result.error = core::fetchError::tooLarge(m_request.address, core::fetchCap(m_request.kind));
        } else {
            result.size = served->size();
            result.bytes = m_request.sizeOnly ? served->left(core::kHeadBytes) : *served;
        }
        emit finished(result);
        deleteLater();
    }

    void cancel() override {
        m_owner->cancelledFetches << m_request.address;
        m_owner->m_pending.removeAll(this);
        deleteLater();
    }

private:
    FakePlatform* m_owner;
    core::FetchRequest m_request;
};

core::Transfer* FakePlatform::fetch(const core::FetchRequest& request) {
    record(QStringLiteral("fetch"), nullptr, {}, {}, request.address);
    if (network && !served.contains(request.address) && !failures.contains(request.address) &&
        !held.contains(request.address))
        return core::startFetch(request);
    return new FakeTransfer(this, request);
}

void FakePlatform::release(const QString& address) {
    held.remove(address);
    const QList<FakeTransfer*> waiting = m_pending;
    for (FakeTransfer* transfer : waiting)
        if (transfer->address() == address) transfer->complete();
}

int FakePlatform::pendingFetches() const {
    return int(m_pending.size());
}

QStringList FakePlatform::fetched() const {
    QStringList addresses;
    for (const PlatformCall& call : callsOf(QStringLiteral("fetch")))
        addresses << call.address;
    return addresses;
}

QString FakePlatform::sendMail(const core::Mail& mail) {
    record(QStringLiteral("mail"), nullptr, mail.bodyLines.join(QLatin1Char('\n')), mail.subject);
    const QString error = mailErrors.isEmpty() ? QString() : mailErrors.dequeue();
    if (error.isEmpty()) mails << mail;
    return error;
}

core::Browser* FakePlatform::createBrowser(QWidget* parent) {
    record(QStringLiteral("createBrowser"), parent);
    auto* browser = new FakeBrowser(parent);
    browsers << browser;
    return browser;
}

void FakePlatform::quit() {
    record(QStringLiteral("quit"), nullptr);
    ++quitCount;
}

FakeBrowser::FakeBrowser(QWidget* parent)
    : core::Browser(parent)
    , m_widget(new QWidget(parent)) {}

void FakePlatform::reset() {
    answers.clear();
    colors.clear();
    openFiles.clear();
    saveFiles.clear();
    fonts.clear();
    folders.clear();
    inputs.clear();
    served.clear();
    failures.clear();
    network = false;
    held.clear();
    cancelledFetches.clear();
    mailErrors.clear();
    tray = true;
    lastFileDialog = {};
    calls.clear();
    mails.clear();
    clipboard.clear();
    clipboardSet = false;
    quitCount = 0;
    m_title = QStringLiteral("青梧360");
}

FakePlatform& fakePlatform() {
    static FakePlatform fake;
    return fake;
}

} // namespace testing
