#include "app/launcher.h"
#include "app/windows.h"
#include "core/address.h"
#include "core/realplatform.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// The recording platform, but mail really goes out over SMTP.
class SmtpPlatform : public testing::FakePlatform {
public:
    QString sendMail(const core::Mail& mail) override {
        FakePlatform::sendMail(mail);
        return core::sendSmtpMail(mail);
    }
};

// Decodes the received message with Python's own mail parser.
QJsonObject parsed(const QString& path) {
    QProcess python;
    python.start("/usr/bin/python3", {"-c", R"(
import email, email.policy, json, sys
record = json.load(open(sys.argv[1]))
message = email.message_from_string(record["content"], policy=email.policy.default)
record.update(subject=str(message["Subject"]), sender=str(message["From"]), to=str(message["To"]),
              reply_to=str(message["Reply-To"]), priority=str(message["X-Priority"]),
              body=message.get_content())
print(json.dumps(record))
)",
                                      path});
    python.waitForFinished(30000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

class MailTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::setPlatform(&platform);
        launcher = dynamic_cast<app::Tfrmindex*>(testing::form("Tfrmindex"));
        ASSERT_NE(launcher, nullptr);
        launcher->setText("edt5", "小青");
        launcher->setText("edt6", "buyer@example.test");
        launcher->setText("edt7", "建议");
        launcher->setText("mmo2", "第一行\r\n第二行\r\n");
    }
    void TearDown() override {
        core::setPlatform(&testing::fakePlatform());
        if (server.state() == QProcess::Running) {
            server.closeWriteChannel();
            server.waitForFinished(10000);
        }
    }
    int startServer() {
        server.start("/usr/bin/python3", {QINGWU_SOURCE_DIR "/tests/app/smtp_server.py", folder.path()});
        EXPECT_TRUE(server.waitForReadyRead(30000)) << server.readAllStandardError().toStdString();
        return server.readLine().trimmed().toInt();
    }

    SmtpPlatform platform;
    app::Tfrmindex* launcher = nullptr;
    QTemporaryDir folder;
    QProcess server;
};

TEST_F(MailTest, FeedbackArrivesWithSubjectBodySenderAndReplyTo) {
    const int port = startServer();
    ASSERT_GT(port, 0);
    launcher->setMailAccount(" 127.0.0.1 ", port, " feedback-user ", "secret", "maker@example.test ");
    launcher->fire("img114Click");

    EXPECT_EQ(platform.lastMessage().text, "邮件已经发送，非常感谢您的支持！");
    EXPECT_EQ(platform.lastMessage().title, "提示信息");
    EXPECT_EQ(platform.lastMessage().owner, "Tfrmindex");
    const QStringList received = QDir(folder.path()).entryList({"mail*.json"});
    ASSERT_EQ(received.size(), 1);
    const QJsonObject mail = parsed(folder.filePath(received.first()));
    EXPECT_EQ(mail["subject"].toString(), "旺旺小青：建议");
    EXPECT_EQ(mail["body"].toString(), "第一行\r\n第二行\r\n"); // the memo's lines, each ending in CR LF
    EXPECT_EQ(mail["mail_from"].toString(), "maker@example.test");
    EXPECT_EQ(mail["rcpt_tos"].toArray().first().toString(), "maker@example.test");
    EXPECT_EQ(mail["sender"].toString(), "maker@example.test");
    EXPECT_EQ(mail["reply_to"].toString(), "buyer@example.test");
    EXPECT_EQ(mail["priority"].toString(), "1");
    EXPECT_EQ(mail["auth_mechanism"].toString(), "LOGIN");
    EXPECT_EQ(mail["login"].toString(), "feedback-user");
    // The fields keep their text after sending.
    EXPECT_EQ(launcher->text("edt5"), "小青");
    EXPECT_EQ(launcher->text("mmo2"), "第一行\r\n第二行\r\n");
}

TEST_F(MailTest, TheLauncherKeepsRunningWhileTheMailGoesOut) {
    const int port = startServer();
    ASSERT_GT(port, 0);
    launcher->setMailAccount("127.0.0.1", port, "feedback-user", "secret", "maker@example.test");
    // A timer of the interface thread ticks while the exchange runs, and sees
    // the send picture disabled and the busy pointer.
    int ticks = 0;
    bool disabled = true, busy = true;
    QTimer clock;
    clock.setInterval(1);
    QObject::connect(&clock, &QTimer::timeout, [&] {
        ++ticks;
        disabled = disabled && !launcher->control<QWidget>("img114")->isEnabled();
        busy = busy && QApplication::overrideCursor() &&
               QApplication::overrideCursor()->shape() == Qt::BusyCursor;
    });
    clock.start();
    launcher->fire("img114Click");
    clock.stop();
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(busy);
    EXPECT_EQ(platform.lastMessage().text, "邮件已经发送，非常感谢您的支持！");
    // Afterwards the picture takes presses again and the pointer is back.
    EXPECT_TRUE(launcher->control<QWidget>("img114")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MailTest, BlankNameOrMailboxSendsNothing) {
    const struct {
        QString name, mailbox, message;
    } cases[] = {
        {"   ", "buyer@example.test", "旺旺名不能为空！"},
        {"", "buyer@example.test", "旺旺名不能为空！"},
        {"小青", " \t ", "回执邮箱不能为空！"},
    };
    for (const auto& c : cases) {
        platform.reset();
        launcher->setText("edt5", c.name);
        launcher->setText("edt6", c.mailbox);
        launcher->fire("img114Click");
        EXPECT_EQ(platform.callsOf("mail").size(), 0);
        EXPECT_EQ(platform.lastMessage().kind, "information");
        EXPECT_EQ(platform.lastMessage().text, c.message);
        EXPECT_EQ(platform.lastMessage().title, platform.applicationTitle());
    }
}

TEST_F(MailTest, ServerDownShowsTheMailErrorAndNoSuccess) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const int port = closed.serverPort();
    closed.close();
    launcher->setMailAccount("127.0.0.1", port, "feedback-user", "secret", "maker@example.test");
    launcher->fire("img114Click");
    const QVector<testing::PlatformCall> boxes = platform.callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.first().title, platform.applicationTitle());
    // A Chinese sentence first, then what the mail library said.
    EXPECT_TRUE(boxes.first().text.startsWith("邮件没有发出去，请检查网络连接后再试。（"))
        << boxes.first().text.toStdString();
    EXPECT_GT(boxes.first().text.size(), 22);
    EXPECT_TRUE(launcher->control<QWidget>("img114")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(launcher->text("edt5"), "小青");
    EXPECT_EQ(launcher->text("edt7"), "建议");
}

// A build without a mail server (its host under ".invalid", as the default
// build has it) sends nothing itself: the user's mail program opens with the
// feedback filled in, and the box says so, never that the mail was sent.
TEST_F(MailTest, WithoutAMailServerTheUsersMailProgramOpensWithTheFeedback) {
    for (const QString host : {"smtp.qingwu360.invalid", "", "MAIL.EXAMPLE.INVALID"}) {
        platform.reset();
        launcher->setMailAccount(host, 25, "feedback@qingwu360.invalid", "feedback", "maker@example.test");
        EXPECT_FALSE(launcher->mailServerConfigured()) << host.toStdString();
        launcher->setText("edt7", "建议 & 问题?#+%");
        launcher->setText("mmo2", "第一行 a=b&c\r\n第二行\r\n");
        launcher->fire("img114Click");
        EXPECT_TRUE(platform.callsOf("mail").isEmpty());
        const QVector<testing::PlatformCall> opened = platform.callsOf("open");
        ASSERT_EQ(opened.size(), 1);
        // As the desktop gets it.
        const QUrl address = core::addressToUrl(opened.first().address);
        EXPECT_EQ(address.scheme(), "mailto");
        EXPECT_EQ(address.path(), "maker@example.test");
        const QUrlQuery query(address);
        EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "旺旺小青：建议 & 问题?#+%");
        EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), "第一行 a=b&c\r\n第二行\r\n");
        const testing::PlatformCall box = platform.lastMessage();
        EXPECT_EQ(box.title, "提示信息");
        EXPECT_EQ(box.owner, "Tfrmindex");
        EXPECT_TRUE(box.text.contains("邮件程序")) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains("maker@example.test")) << box.text.toStdString();
        EXPECT_FALSE(box.text.contains("已经发送")) << box.text.toStdString();
    }
    launcher->setMailAccount("127.0.0.1", 25, "", "", "maker@example.test");
    EXPECT_TRUE(launcher->mailServerConfigured());
}

} // namespace
