#include "core/cp1251.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace pelmora;

TEST(Cp1251, UkrainianTextRoundTrips)
{
    const QString text = QStringLiteral("Сторінка SCADA  - Параметр ЇїЄєІіҐґ №");
    const QByteArray bytes = cp1251::encode(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(cp1251::decode(bytes), text);
}

TEST(Cp1251, KnownBytes)
{
    EXPECT_EQ(cp1251::encode(QStringLiteral("А")), QByteArray("\xC0"));
    EXPECT_EQ(cp1251::encode(QStringLiteral("я")), QByteArray("\xFF"));
    EXPECT_EQ(cp1251::encode(QStringLiteral("і")), QByteArray("\xB3"));
    EXPECT_EQ(cp1251::encode(QStringLiteral("№")), QByteArray("\xB9"));
    EXPECT_EQ(cp1251::decode(QByteArray("\xCF\xF3\xF1\xF2\xEE")), QStringLiteral("Пусто"));
}

TEST(Cp1251, UnmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(cp1251::encode(QStringLiteral("a中b")), QByteArray("a?b"));
    EXPECT_EQ(cp1251::encode(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y")); // one emoji, one '?'
}

TEST(Cp1251, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1251::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1251::encode(text), all);
    // The byte the code page leaves undefined keeps a character of its own,
    // distinct from every other byte's and from the '?' of an unmappable one.
    EXPECT_EQ(cp1251::decodeChar(0x98), QChar(0x98));
    EXPECT_EQ(cp1251::encodeChar(QChar(0x98)), '\x98');
    EXPECT_EQ(QSet<QChar>(text.cbegin(), text.cend()).size(), 256);
}
