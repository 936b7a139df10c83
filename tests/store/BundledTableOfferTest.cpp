#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "StoreTestSupport.h"
#include "platform/TextCodec.h"
#include "store/BundledTableOffer.h"

using namespace kestrel;
using namespace kestrel::test;

namespace {

struct OfferCase {
    const char* what;
    const char* table;
    const char16_t* bundled;
    const char16_t* own;             // nullptr: the user has no such file
    const char16_t* answeredEarlier; // a bundled edition the user answered before, or nullptr
    PromptAnswer answer;
    bool asked;
    const char16_t* ownAfter;
    const char16_t* backup; // "<table>.bak" afterwards, or nullptr for none
};

const char16_t* const kOld = u"鹿島   = 鹿島アントラーズ\r\n";
const char16_t* const kNew = u"鹿島   = 鹿島アントラーズ\r\n町田   = FC町田ゼルビア\r\n";
const char16_t* const kV10 = u"Version  = 1\r\nRevision = 0\r\n草津 = ザスパ草津\r\n";
const char16_t* const kV11 = u"Version  = 1\r\nRevision = 1\r\n群馬 = ザスパクサツ群馬\r\n";
const char16_t* const kV12 = u"Version  = 1\r\nRevision = 2\r\n群馬 = ザスパ群馬\r\n";
const char16_t* const kNoVersion = u"草津 = ザスパ草津\r\n";

const OfferCase kCases[] = {
    {"same content", "TeamName.dat", kOld, kOld, nullptr, PromptAnswer::Yes, false, kOld, nullptr},
    {"differs, taken", "TeamName.dat", kNew, kOld, nullptr, PromptAnswer::Yes, true, kNew, kOld},
    {"differs, kept", "TeamName1.dat", kNew, kOld, nullptr, PromptAnswer::No, true, kOld, nullptr},
    {"league lists", "J1J2.dat", kNew, kOld, nullptr, PromptAnswer::Yes, true, kNew, kOld},
    {"edition kept before", "TeamName.dat", kNew, kOld, kNew, PromptAnswer::Yes, false, kOld,
     nullptr},
    {"a later edition than the one kept", "TeamName.dat", kNew, kOld, kOld, PromptAnswer::Yes, true,
     kNew, kOld},
    {"higher edition", "TeamName2.dat", kV11, kV10, nullptr, PromptAnswer::Yes, true, kV11, kV10},
    {"user downloaded a higher edition", "TeamName2.dat", kV11, kV12, nullptr, PromptAnswer::Yes,
     false, kV12, nullptr},
    {"user's edition unknown", "TeamName2.dat", kV10, kNoVersion, nullptr, PromptAnswer::Yes, true,
     kV10, kNoVersion},
    {"the user's own names", "TeamName3.dat", kNew, kOld, nullptr, PromptAnswer::Yes, false, kOld,
     nullptr},
    {"no file of the user's", "TeamName.dat", kNew, nullptr, nullptr, PromptAnswer::Yes, false,
     nullptr, nullptr},
};

QByteArray Bytes(const char16_t* text) {
    return TextCodec::EncodeCp932(QString::fromUtf16(text));
}

// One start of the window over a user folder: every case's answer, the file afterwards and the
// backup; then a second start, after the user edited the table, asks nothing more about the
// same bundled edition.
TEST(BundledTableOffer, OffersNewerBundledTablesOnceAndKeepsTheUsersCopy) {
    for (const OfferCase& c : kCases) {
        SCOPED_TRACE(c.what);
        TempRoot user;
        QTemporaryDir installed;
        CollectedMessages capture;
        const QString name = QString::fromLatin1(c.table);
        const QString own = user.SysData(name);
        const QString bundled = installed.filePath(name);
        if (c.answeredEarlier) {
            ASSERT_TRUE(WriteBytes(bundled, Bytes(c.answeredEarlier)));
            ASSERT_TRUE(WriteBytes(own, Bytes(c.answeredEarlier)));
            FixedPrompt none(PromptAnswer::No);
            BundledTableOffer(installed.path(), user.Paths()).AskUser(none);
            ASSERT_EQ(none.AskCount(), 0);
        }
        ASSERT_TRUE(WriteBytes(bundled, Bytes(c.bundled)));
        if (c.own) {
            ASSERT_TRUE(WriteBytes(own, Bytes(c.own)));
        } else {
            QFile::remove(own);
        }

        FixedPrompt prompt(c.answer);
        BundledTableOffer offer(installed.path(), user.Paths());
        EXPECT_EQ(offer.Offered(), c.asked ? QStringList{name} : QStringList{});
        EXPECT_EQ(offer.AskUser(prompt), c.asked && c.answer == PromptAnswer::Yes ? 1 : 0);
        EXPECT_EQ(prompt.AskCount(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_TRUE(prompt.LastText().contains(name + ".bak"));
        }
        EXPECT_EQ(ReadBytes(own), c.ownAfter ? Bytes(c.ownAfter) : QByteArray());
        EXPECT_EQ(QFileInfo::exists(own + ".bak"), c.backup != nullptr);
        if (c.backup) {
            EXPECT_EQ(ReadBytes(own + ".bak"), Bytes(c.backup));
        }
        EXPECT_EQ(ReadBytes(bundled), Bytes(c.bundled));
        EXPECT_EQ(capture.Count(), 0u);

        if (c.own) {
            ASSERT_TRUE(WriteBytes(own, ReadBytes(own) + Bytes(u"追加 = 追加チーム\r\n")));
            FixedPrompt again(PromptAnswer::Yes);
            BundledTableOffer(installed.path(), user.Paths()).AskUser(again);
            EXPECT_EQ(again.AskCount(), 0);
        }
    }
}

} // namespace
