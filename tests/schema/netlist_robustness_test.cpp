// Truncated, oversized, mutated and random netlists: the reading and the
// import end on every input, with only their own messages. (The sanitizer
// build turns any out-of-range access or overflow into a failure.)

#include "core/cp1251.h"
#include "project/startup.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"
#include "support/fake_services.h"
#include "support/netlist_builder.h"

#include <gtest/gtest.h>
#include <random>

namespace pelmora {
namespace {

using test::D;
using test::NetlistBuilder;
using test::U;
using namespace Qt::StringLiterals;

QByteArray sample()
{
    NetlistBuilder n;
    QStringList ai{u"1"_s};
    for (int k = 0; k < 4; ++k)
        ai << u"ТХК"_s << QStringList(6, u"1.5"_s);
    n.block(1, u"A_I"_s, ai);
    n.block(2, u"D_O"_s, {u"1"_s, u"Реле"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s});
    n.block(3, u"PRO"_s, QStringList(129, u"2"_s));
    n.block(4, u"S_P"_s, QStringList(17, u"Текст"_s));
    n.block(5, u"CODE_AUTOMAT_128"_s, QStringList(385, u"1"_s));
    n.block(6, u"UNI_MENU"_s, QStringList(8, u"3"_s));
    n.block(7, u"ALG"_s, {u"7"_s});
    n.block(8, u"REP"_s, QStringList(16, u"r"_s));
    n.inverter(1).inverter(12);
    n.net({U(2, 1), U(1, 3), U(7, 40)});
    n.net({U(3, 5), D(1, 1), U(99, 4)});
    n.net({D(1, 2), U(2, 2)});
    n.net({U(97, 67), D(12, 1), U(98, 1)});
    n.net({U(8, 3), D(12, 2)});
    return n.bytes();
}

bool knownMessage(const QString &text)
{
    // clang-format off
    static const QString prefixes[] = {u"Помилка netLIST!!! Вихід блоку №"_s, u"Помилка параметра!!!Блок U"_s,
                                       u"Помилка підключення виходу інвертора "_s, u"Номер блоку ГРАФІК не 98"_s,
                                       u"Номер блоку ЖУРНАЛ не 99"_s, u"Номер блоку SCADA не 97"_s};
    // clang-format on
    for (const auto &p : prefixes)
        if (text.startsWith(p))
            return true;
    return false;
}

class NetlistRobustness : public test::WithFakes {
protected:
    void SetUp() override
    {
        WithFakes::SetUp();
        startUpModel(pristine);
    }

    void feed(const QByteArray &file, const std::string &what)
    {
        ui().reset();
        ProjectModel m = pristine;
        ASSERT_NO_THROW(Import_NetList(m, readNetlist(m, file))) << what;
        for (const auto &msg : ui().messages)
            ASSERT_TRUE(knownMessage(msg.text)) << what << ": " << msg.text.toStdString();
    }

    ProjectModel pristine;
};

TEST_F(NetlistRobustness, SampleImportsCleanly)
{
    ProjectModel m = pristine;
    Import_NetList(m, readNetlist(m, sample()));
    EXPECT_TRUE(ui().messages.empty()) << ui().messageTexts().join(u" | "_s).toStdString();
}

TEST_F(NetlistRobustness, Truncated)
{
    const QByteArray file = sample();
    for (qsizetype cut = 0; cut < file.size(); cut += file.size() / 150 + 1)
        feed(file.left(cut), "cut at " + std::to_string(cut));
}

TEST_F(NetlistRobustness, Mutated)
{
    const QByteArray file = sample();
    std::mt19937 rng(20240611);
    const char alphabet[] = "\"(),\r\n 0123456789UDINVA_-.E+";
    for (int round = 0; round < 150; ++round) {
        QByteArray f = file;
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits; ++e) {
            const auto at = static_cast<qsizetype>(rng() % static_cast<unsigned>(f.size()));
            const char c = rng() % 4 == 0 ? static_cast<char>(rng()) : alphabet[rng() % (sizeof alphabet - 1)];
            switch (rng() % 3) {
            case 0: f[at] = c; break;
            case 1: f.insert(at, c); break;
            default: f.remove(at, 1 + static_cast<qsizetype>(rng() % 6)); break;
            }
        }
        feed(f, "round " + std::to_string(round));
    }
}

// Lines made of the pieces the import looks for, in random order.
TEST_F(NetlistRobustness, RandomLines)
{
    // clang-format off
    const QStringList pieces{
        u"(compInst \"U"_s, u"(compInst \"D"_s, u"(originalName \""_s, u"(attr \"P1\" \""_s, u"(net \"N1\""_s,
        u"(node \"U"_s,     u"(node \"D"_s,     u")"_s,               u"\")"_s,               u"\" \""_s,
        u"INV"_s,           u"ALG"_s,           u"GRA"_s,             u"JUR"_s,               u"SCA"_s,
        u"REP"_s,           u"CODE_AUTOMAT_128"_s, u"PAN_INC_DEC_REG"_s, u"A_I"_s,           u"TOUCH"_s,
        u"1"_s,             u"2"_s,             u"9"_s,               u"99"_s,                u"136"_s,
        u"-5"_s,            u"1E+30"_s,         u"ТХК"_s,             u","_s,                 u" "_s};
    // clang-format on
    std::mt19937 rng(7);
    for (int round = 0; round < 120; ++round) {
        QString text = u"(netlist \"r\"\r\n"_s;
        const int lines = 1 + static_cast<int>(rng() % 400);
        for (int l = 0; l < lines; ++l) {
            const int parts = 1 + static_cast<int>(rng() % 5);
            for (int p = 0; p < parts; ++p)
                text += pieces[static_cast<qsizetype>(rng() % static_cast<unsigned>(pieces.size()))];
            text += u"\r\n"_s;
        }
        feed(cp1251::encode(text), "round " + std::to_string(round));
    }
}

TEST_F(NetlistRobustness, Oversized)
{
    QByteArray many = "(netlist \"a\"\r\n";
    for (int i = 0; i < 12000; ++i)
        many += i % 3 ? "(node \"U5\" \"1\")\r\n" : "(net \"N\"\r\n";
    feed(many, "12000 node lines");

    QByteArray longLine = "(netlist \"a\"\r\n(compInst \"U1\"\r\nx\r\n(originalName \"";
    longLine += QByteArray(3 * 1024 * 1024, 'A');
    longLine += "\")\r\n)\r\n)\r\n";
    feed(longLine, "a 3 MB line");

    QByteArray components = "(netlist \"a\"\r\n";
    for (int i = 0; i < 3000; ++i)
        components += "(compInst \"U" + QByteArray::number(i % 99 + 1) + "\"\r\nx\r\n(originalName \"UNI_MENU\")\r\n";
    feed(components, "3000 components");
}

} // namespace
} // namespace pelmora
