// The control's dispatch interface as a host uses it: properties by name and
// by dispatch id, the checks on values, the change notices, and the property
// bag that keeps a control's properties with its host's layout.

#include "control/lumtor_drawing.h"
#include "support/fake_services.h"
#include "support/lumtor_registry.h"

#include <gtest/gtest.h>
#include <vector>

namespace pelmora::test {
namespace {

using hosting::DispResult;

constexpr qint32 ForeColorId = 0x68030000;
constexpr qint32 BorderStyleId = 0x68030001;
constexpr qint32 TypeSignalId = 0x68030002;

class LumtorProperties : public WithFakes {
protected:
    LumtorRegistry registry;
    std::unique_ptr<hosting::HostedControl> lamp = createLumtor();

    QVariant get(const char *name) { return lamp->property(QString::fromLatin1(name)).value_or(QVariant()); }
};

TEST_F(LumtorProperties, InterfaceNamesItsThreePropertiesWithTheirIdsAndEvents)
{
    EXPECT_EQ(lamp->propertyNames(), (QStringList{"Type_Signal", "Border_Style", "ForeColor"}));
    EXPECT_EQ(lamp->dispIdOf("Type_Signal"), TypeSignalId);
    EXPECT_EQ(lamp->dispIdOf("Border_Style"), BorderStyleId);
    EXPECT_EQ(lamp->dispIdOf("ForeColor"), ForeColorId);
    EXPECT_EQ(lamp->propertyNameOf(TypeSignalId), "Type_Signal");
    const char *events[] = {"Click", "DblClick", "MouseDown", "MouseMove", "MouseUp"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lamp->eventIdOf(events[i]), i + 1) << events[i];
    // The widget's own properties are no members of the dispatch interface.
    EXPECT_FALSE(lamp->dispIdOf("geometry"));
    EXPECT_EQ(lamp->setProperty("geometry", QRect(0, 0, 5, 5)), DispResult::UnknownName);
    EXPECT_EQ(lamp->setProperty(qint32(0x68030003), 1), DispResult::UnknownName);
}

TEST_F(LumtorProperties, NewInstanceStartsAtZero)
{
    EXPECT_EQ(get("Type_Signal").toInt(), 0);
    EXPECT_EQ(get("Border_Style").toInt(), 0);
    EXPECT_EQ(get("ForeColor").toUInt(), 0u);
}

TEST_F(LumtorProperties, ByIdAndByNameReachTheSameProperty)
{
    ASSERT_EQ(lamp->setProperty(TypeSignalId, 3), DispResult::Ok);
    EXPECT_EQ(get("Type_Signal").toInt(), 3);
    ASSERT_EQ(lamp->setProperty("Border_Style", 1), DispResult::Ok);
    EXPECT_EQ(lamp->property(BorderStyleId)->toInt(), 1);
    ASSERT_EQ(lamp->setProperty(ForeColorId, 0x123456), DispResult::Ok);
    EXPECT_EQ(lamp->property("ForeColor")->toUInt(), 0x123456u);
    // And the drawing follows: an apex-right triangle in that colour.
    EXPECT_EQ(drawingOf(*lamp).lineColor, 0x123456u);
}

TEST_F(LumtorProperties, ValuesAreCheckedAgainstThePropertyType)
{
    // clang-format off
    struct Case { const char *name; QVariant value; DispResult result; qint64 stored; };
    const Case cases[] = {
        {"Type_Signal", 7, DispResult::Ok, 7},
        {"Type_Signal", 255, DispResult::Ok, 255},
        {"Type_Signal", 256, DispResult::Overflow, 0},
        {"Type_Signal", -1, DispResult::Overflow, 0},
        {"Type_Signal", 2.5, DispResult::Ok, 2}, // halves to even
        {"Type_Signal", 3.5, DispResult::Ok, 4},
        {"Type_Signal", QStringLiteral(" 6 "), DispResult::Ok, 6},
        {"Type_Signal", QStringLiteral("кругле"), DispResult::TypeMismatch, 0},
        {"Border_Style", 1, DispResult::Ok, 1},
        {"Border_Style", 1000, DispResult::Overflow, 0},
        {"ForeColor", 0xFF8080, DispResult::Ok, 0xFF8080},
        {"ForeColor", qint64(0xFFFFFFFF), DispResult::Ok, 0xFFFFFFFF},
        {"ForeColor", -1, DispResult::Ok, 0xFFFFFFFF}, // a 32-bit colour given as a negative Long
        {"ForeColor", qint64(0x100000000), DispResult::Overflow, 0},
        {"ForeColor", QVariant(), DispResult::TypeMismatch, 0},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " := " << c.value.toString().toStdString());
        lamp = createLumtor();
        std::vector<QString> changed;
        lamp->events().PropertyChanged = [&](qint32, const QString &name) { changed.push_back(name); };
        EXPECT_EQ(lamp->setProperty(QString::fromLatin1(c.name), c.value), c.result);
        EXPECT_EQ(get(c.name).toLongLong(), c.stored);
        // A refused value changes nothing and notifies nobody.
        EXPECT_EQ(changed.size(), c.result == DispResult::Ok ? 1u : 0u);
    }
}

TEST_F(LumtorProperties, EveryPutNotifiesTheHostWithItsNameAndId)
{
    std::vector<std::pair<qint32, QString>> changed;
    lamp->events().PropertyChanged = [&](qint32 id, const QString &name) { changed.emplace_back(id, name); };
    lamp->setProperty("ForeColor", 255);
    lamp->setProperty("Border_Style", 1);
    lamp->setProperty("Type_Signal", 2);
    lamp->setProperty("Type_Signal", 2); // the same value again is still a put
    const std::vector<std::pair<qint32, QString>> expected{{ForeColorId, "ForeColor"},
                                                           {BorderStyleId, "Border_Style"},
                                                           {TypeSignalId, "Type_Signal"},
                                                           {TypeSignalId, "Type_Signal"}};
    EXPECT_EQ(changed, expected);
}

TEST_F(LumtorProperties, PropertyBagOmitsDefaultsAndRoundTrips)
{
    // clang-format off
    struct Case { int type, border; quint32 color; QVariantMap bag; };
    const Case cases[] = {
        {0, 0, 0, {{"ForeColor", 0}}}, // the page editor's template: only ForeColor 0
        {0, 0, 255, {}},
        {3, 1, 255, {{"Type_Signal", 3}, {"Border_Style", 1}}},
        {7, 0, 0xFF8080, {{"Type_Signal", 7}, {"ForeColor", 0xFF8080}}},
        {255, 255, 0xFFFFFFFF, {{"Type_Signal", 255}, {"Border_Style", 255}, {"ForeColor", qint64(0xFFFFFFFF)}}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.border << "/" << c.color);
        lamp = createLumtor();
        lamp->setProperty("Type_Signal", c.type);
        lamp->setProperty("Border_Style", c.border);
        lamp->setProperty("ForeColor", c.color);
        const QVariantMap bag = lamp->save();
        EXPECT_EQ(bag.keys(), c.bag.keys());
        for (auto it = c.bag.cbegin(); it != c.bag.cend(); ++it)
            EXPECT_EQ(bag.value(it.key()).toLongLong(), it.value().toLongLong()) << it.key().toStdString();

        auto loaded = hosting::ControlHost::shared().create(LumtorProgId, bag);
        ASSERT_TRUE(loaded.control);
        EXPECT_EQ(loaded.control->property("Type_Signal")->toInt(), c.type);
        EXPECT_EQ(loaded.control->property("Border_Style")->toInt(), c.border);
        EXPECT_EQ(loaded.control->property("ForeColor")->toUInt(), c.color);
    }
}

TEST_F(LumtorProperties, ReadingABagTakesDefaultsForMissingOrUnusableValues)
{
    // clang-format off
    struct Case { const char *label; QVariantMap bag; int type, border; quint32 color; };
    const Case cases[] = {
        {"empty bag: red", {}, 0, 0, 255},
        {"stored values", {{"Type_Signal", 5}, {"Border_Style", 1}, {"ForeColor", 0x00FF00}}, 5, 1, 0x00FF00},
        {"texts of numbers", {{"Type_Signal", "4"}, {"ForeColor", "65280"}}, 4, 0, 0x00FF00},
        {"byte out of range", {{"Type_Signal", 300}, {"Border_Style", -1}}, 0, 0, 255},
        {"not a number", {{"Type_Signal", "x"}, {"ForeColor", "green"}}, 0, 0, 255},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        auto loaded = hosting::ControlHost::shared().create(LumtorProgId, c.bag);
        ASSERT_TRUE(loaded.control);
        EXPECT_EQ(loaded.control->property("Type_Signal")->toInt(), c.type);
        EXPECT_EQ(loaded.control->property("Border_Style")->toInt(), c.border);
        EXPECT_EQ(loaded.control->property("ForeColor")->toUInt(), c.color);
    }
}

TEST_F(LumtorProperties, LoadedValuesAppearWithTheNextResizeOrPut)
{
    auto loaded = hosting::ControlHost::shared().create(LumtorProgId, {{"Type_Signal", 1}, {"ForeColor", 0x00FF00}});
    ASSERT_TRUE(loaded.control);
    hosting::HostedControl &c = *loaded.control;
    LumtorDrawing d = drawingOf(c);
    EXPECT_TRUE(d.kwadrat.visible); // still the black design square
    EXPECT_FALSE(d.circle.visible);
    EXPECT_EQ(d.kwadrat.color, 0u);

    c.move(0, 0, 20, 20); // the shape appears, not yet its colour
    d = drawingOf(c);
    EXPECT_TRUE(d.circle.visible);
    EXPECT_FALSE(d.kwadrat.visible);
    EXPECT_EQ(d.circle.color, 0u);

    c.setProperty("ForeColor", c.property("ForeColor").value());
    EXPECT_EQ(drawingOf(c).circle.color, 0x00FF00u);
}

} // namespace
} // namespace pelmora::test
