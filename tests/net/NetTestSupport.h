#pragma once

// Fixture pages, a temporary installation root with the shipped team-name tables, settings that
// point at the loopback server, and a fixed clock for the year rules of the pages.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "LoopbackServer.h"
#include "net/AcquisitionContext.h"
#include "net/clsFernhollowDownload.h"
#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/UserPrompt.h"

namespace kestrel::test {

inline QByteArray FixturePage(const QString& name) {
    QFile file(QStringLiteral(KESTREL_TEST_DATA "/net/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The page with one text replaced (UTF-8); the replaced text must occur.
inline QByteArray Mutated(const QByteArray& page, const char* from, const char* to) {
    EXPECT_TRUE(page.contains(from)) << from;
    QByteArray out = page;
    return out.replace(QByteArray(from), QByteArray(to));
}

class MessageLog : public MessageSink {
public:
    void Show(const Message& message) override { messages.push_back(message); }
    QStringList Texts() const {
        QStringList t;
        for (const Message& m : messages) {
            t << m.text;
        }
        return t;
    }
    std::vector<Message> messages;
};

// A temporary root holding the shipped team-name tables; messages are collected, questions
// answered with the given answer, and the clock stands at 2026-12-09.
class NetFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QDir().mkpath(SysData());
        for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
            QFile::copy(QStringLiteral(KESTREL_SOURCE_DIR "/data/SysData/") + name,
                        SysData() + QLatin1Char('/') + name);
        }
        // Every test starts as a fresh run of the program.
        clsFernhollowDownload::ForgetVersionLists();
        log = std::make_shared<MessageLog>();
        SetMessageSink(log);
        Answer(PromptAnswer::Yes);
        auto clock = std::make_shared<FakeClock>();
        clock->SetNow(*DateTime::FromParts(2026, 12, 9, 10, 0));
        SetClock(clock);
    }
    void TearDown() override {
        SetClock(std::make_shared<SystemClock>());
        SetUserPrompt(std::make_shared<FixedPrompt>(PromptAnswer::Yes));
    }

    void Answer(PromptAnswer answer) {
        prompt = std::make_shared<FixedPrompt>(answer);
        SetUserPrompt(prompt);
    }
    QString Root() const { return m_dir.path(); }
    QString SysData() const { return m_dir.path() + QStringLiteral("/SysData"); }

    // Page addresses on the loopback server: /schedule?holdCntId=NNNN and so on.
    AcquisitionContext Context() const {
        AcquisitionContext c{ProgramPaths(Root()), TotoSettings::Defaults(), HttpOptions(),
                             nullptr};
        c.Settings.totoOfficialScheduleUrl = server.Url(QStringLiteral("/schedule?holdCntId="));
        c.Settings.totoOfficialVoteUrl = server.Url(QStringLiteral("/vote?holdCntId="));
        c.Settings.totoOfficialResultUrl = server.Url(QStringLiteral("/result?holdCntId="));
        c.Http.ConnectTimeoutMs = 2000;
        c.Http.ReceiveTimeoutMs = 2000;
        return c;
    }

    LoopbackServer server;
    std::shared_ptr<MessageLog> log;
    std::shared_ptr<FixedPrompt> prompt;

private:
    QTemporaryDir m_dir;
};

} // namespace kestrel::test
