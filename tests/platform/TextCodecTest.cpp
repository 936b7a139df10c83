#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <atomic>
#include <thread>
#include <vector>

#include "platform/TextCodec.h"

namespace kestrel {
namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Encodes, checks the exact bytes, decodes and checks the text that comes back.
void ExpectCp932(const QString& text, const char* hexBytes, const QString& decoded) {
    bool ok = false;
    const QByteArray bytes = TextCodec::EncodeCp932(text, &ok);
    EXPECT_TRUE(ok) << text.toStdString();
    EXPECT_EQ(bytes.toHex().toStdString(), std::string(hexBytes)) << text.toStdString();
    bool back = false;
    EXPECT_EQ(TextCodec::DecodeCp932(bytes, &back), decoded) << text.toStdString();
    EXPECT_TRUE(back);
}

TEST(TextCodecTest, Cp932RoundTripsWindowsCharacters) {
    ExpectCp932(U(u"①"), "8740", U(u"①"));
    ExpectCp932(U(u"～"), "8160", U(u"～"));
    ExpectCp932(U(u"－"), "817c", U(u"－"));
    ExpectCp932(U(u"１２３４５６７８９０"),
                "82508251825282538254825582568257825882"
                "4f",
                U(u"１２３４５６７８９０"));
    ExpectCp932(U(u"ｱｲｳｶﾞﾊﾟ"), "b1b2b3b6decadf", U(u"ｱｲｳｶﾞﾊﾟ"));
    ExpectCp932(U(u"第123回totoGOAL3"), "91e631323389f1746f746f474f414c33", U(u"第123回totoGOAL3"));
    ExpectCp932(U(u"髙Ⅰ∑"), "fbfc87548794", U(u"髙Ⅰ∑"));
}

TEST(TextCodecTest, LinuxInputFormsEncodeToTheWindowsBytes) {
    // Linux input methods produce the wave dash U+301C and the minus sign U+2212; code page
    // 932 stores them as the full-width tilde and hyphen-minus and reads those back.
    ExpectCp932(U(u"〜"), "8160", U(u"～"));
    ExpectCp932(U(u"−"), "817c", U(u"－"));
    ExpectCp932(U(u"3〜5"), "33816035", U(u"3～5"));
}

TEST(TextCodecTest, AsciiBytesStayAscii) {
    // 0x5C is the backslash and 0x7E the tilde, not the yen sign and the overline.
    EXPECT_EQ(TextCodec::DecodeCp932(Hex("5c7e")), QStringLiteral("\\~"));
    EXPECT_EQ(TextCodec::DecodeCp932("SysData\\Temp"), QStringLiteral("SysData\\Temp"));
    EXPECT_EQ(TextCodec::EncodeCp932(QStringLiteral("a\\b~")), QByteArray("a\\b~"));
    // A trail byte of 0x5C inside a double-byte character is not a backslash.
    EXPECT_EQ(TextCodec::DecodeCp932(Hex("835c")), U(u"ソ"));
    EXPECT_EQ(TextCodec::DecodeCp932(QByteArray("a\r\nb")), QStringLiteral("a\r\nb"));
}

TEST(TextCodecTest, InvalidBytesAreReportedAndReplaced) {
    bool ok = true;
    const QString text = TextCodec::DecodeCp932(Hex("41a0fd42"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(text.front(), QLatin1Char('A'));
    EXPECT_EQ(text.back(), QLatin1Char('B'));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));

    ok = true;
    const QString truncated = TextCodec::DecodeCp932(Hex("4182"), &ok);
    EXPECT_FALSE(ok) << "a lead byte at the end has no trail byte";
    EXPECT_EQ(truncated, QString(QStringLiteral("A")) + QChar(0xFFFD));
}

TEST(TextCodecTest, UnencodableCharactersBecomeQuestionMarks) {
    bool ok = true;
    const QByteArray bytes = TextCodec::EncodeCp932(U(u"a€b😀c"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(bytes, QByteArray("a?b?c"));
    ok = false;
    EXPECT_TRUE(TextCodec::EncodeCp932(QString(), &ok).isEmpty());
    EXPECT_TRUE(ok);
}

TEST(TextCodecTest, LongTextsConvertWhole) {
    // Longer than the converter's working buffer, with double-byte characters across its edges.
    QString text;
    for (int i = 0; i < 5000; ++i) {
        text += U(u"あa①");
    }
    bool ok = false;
    const QByteArray bytes = TextCodec::EncodeCp932(text, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(bytes.size(), 5000 * 5);
    EXPECT_EQ(TextCodec::DecodeCp932(bytes, &ok), text);
    EXPECT_TRUE(ok);
}

// Every double-byte code that decodes gives a character that encodes back to a code meaning the
// same character (duplicate codes of the Windows extensions collapse to one), so no text
// changes between a load and a save.
TEST(TextCodecTest, EveryDoubleByteCodeSurvivesALoadAndASave) {
    int decoded = 0;
    int sameBytes = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            QByteArray code(2, '\0');
            code[0] = static_cast<char>(lead);
            code[1] = static_cast<char>(trail);
            bool ok = false;
            const QString text = TextCodec::DecodeCp932(code, &ok);
            if (!ok) {
                continue;
            }
            ++decoded;
            ASSERT_EQ(text.size(), 1) << code.toHex().toStdString();
            bool back = false;
            const QByteArray saved = TextCodec::EncodeCp932(text, &back);
            ASSERT_TRUE(back) << code.toHex().toStdString();
            ASSERT_EQ(saved.size(), 2) << code.toHex().toStdString();
            EXPECT_EQ(TextCodec::DecodeCp932(saved), text) << code.toHex().toStdString();
            sameBytes += saved == code ? 1 : 0;
        }
    }
    EXPECT_GT(decoded, 7000);
    EXPECT_GT(sameBytes, decoded - 500) << "only the duplicate codes may change";
}

TEST(TextCodecTest, ThreadsConvertIndependently) {
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures, t] {
            const QString text = QString::fromUtf16(u"第%1回 ①～ ｶﾞﾝﾊﾞ").arg(t);
            for (int i = 0; i < 500; ++i) {
                bool ok = false;
                const QString back = TextCodec::DecodeCp932(TextCodec::EncodeCp932(text), &ok);
                const QString half = TextCodec::ToHalfWidth(QString::fromUtf16(u"１２３"));
                if (!ok || back != text || half != QStringLiteral("123")) {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& th : threads) {
        th.join();
    }
    EXPECT_EQ(failures.load(), 0);
}

TEST(TextCodecTest, SjisWidthCountsBytes) {
    EXPECT_EQ(TextCodec::SjisWidth(QString()), 0);
    EXPECT_EQ(TextCodec::SjisWidth(QStringLiteral("J1 abc")), 6);
    EXPECT_EQ(TextCodec::SjisWidth(U(u"本命/全て")), 9);
    EXPECT_EQ(TextCodec::SjisWidth(U(u"ｶﾞﾝﾊﾞ大阪")), 9);
    EXPECT_EQ(TextCodec::SjisWidth(U(u"１等当せん金")), 12);
    EXPECT_EQ(TextCodec::SjisWidth(U(u"①〜−")), 6);
    // The yen sign and the overline are written as single bytes.
    EXPECT_EQ(TextCodec::SjisWidth(U(u"¥‾")), 2);
    // Every width agrees with the encoded length.
    const QString sample = U(u"点詳細/3Vs4 ｱｲｳ ①～－ＡＢＣ¥");
    EXPECT_EQ(TextCodec::SjisWidth(sample), TextCodec::EncodeCp932(sample).size());
}

TEST(TextCodecTest, FullAndHalfWidthFolding) {
    EXPECT_EQ(TextCodec::ToHalfWidth(U(u"１２，３４５（６．７８％）")),
              QStringLiteral("12,345(6.78%)"));
    EXPECT_EQ(TextCodec::ToHalfWidth(U(u"ＦＣ東京　ガンバ")), U(u"FC東京 ｶﾞﾝﾊﾞ"));
    EXPECT_EQ(TextCodec::ToHalfWidth(U(u"１３：５０")), QStringLiteral("13:50"));
    EXPECT_EQ(TextCodec::ToFullWidth(QStringLiteral("12ab")), U(u"１２ａｂ"));
    EXPECT_EQ(TextCodec::ToFullWidth(U(u"ｶﾞﾝﾊﾞ")), U(u"ガンバ"));
    EXPECT_EQ(TextCodec::ToHalfWidth(TextCodec::ToFullWidth(QStringLiteral("Vs 3-4"))),
              QStringLiteral("Vs 3-4"));
    EXPECT_EQ(TextCodec::ToHalfWidth(QString()), QString());
}

TEST(TextCodecTest, Utf8Decoding) {
    EXPECT_EQ(TextCodec::DecodeUtf8(QByteArray("\xe7\xac\xac"
                                               "1\xe5\x9b\x9e")),
              U(u"第1回"));
    EXPECT_TRUE(TextCodec::DecodeUtf8(Hex("41ff42")).contains(QChar(0xFFFD)));
}

} // namespace
} // namespace kestrel
