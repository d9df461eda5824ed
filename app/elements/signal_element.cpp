#include "elements/signal_element.h"

#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <cmath>
#include <cstdlib>

namespace pelmora::element {

namespace {

constexpr double kMaxSize = 60;
constexpr double kMinSize = 2;

// Writing a box runs its change handler when the text changes, as typing
// does; the handlers write each other's boxes, and the chains end when a
// write leaves a text as it was.
struct BoxWriter {
    SignalFields &f;
    Notices &out;
    int depth = 0;

    int shape() const { return std::abs(f.shape); }

    void setWidth(const QString &text)
    {
        if (f.width == text || depth > 8)
            return;
        f.width = text;
        ++depth;
        widthChanged();
        --depth;
    }
    void setHeight(const QString &text)
    {
        if (f.height == text || depth > 8)
            return;
        f.height = text;
        ++depth;
        heightChanged();
        --depth;
    }

    void widthChanged()
    {
        if (std::fabs(boxNumber(f.width)) > kMaxSize) {
            setWidth(QStringLiteral("60"));
            out.push_back(question(QStringLiteral("Ширина більше 60")));
        }
        const double w = boxNumber(f.width);
        const int s = shape();
        if (s == 0) {
            f.heightEnabled = true;
        } else if (s >= 1 && s <= 5) {
            setHeight(f.width);
            f.heightEnabled = false;
        } else if (s == 6) {
            setHeight(decimalText(w / 2));
            f.widthEnabled = true;
            f.heightEnabled = false;
        } else if (s == 7) {
            setWidth(decimalText(boxNumber(f.height) / 2));
            f.widthEnabled = false;
            f.heightEnabled = true;
        }
    }

    void heightChanged()
    {
        if (std::fabs(boxNumber(f.height)) > kMaxSize) {
            setHeight(QStringLiteral("60"));
            out.push_back(question(QStringLiteral("Висота більше 60")));
        }
        if (shape() == 7) {
            setWidth(QString::number(wholeNumber(boxNumber(f.height)) / 2));
            f.widthEnabled = false;
        }
    }

    void shapeChosen(int s)
    {
        f.shape = s;
        if (s < 2) {
            f.frameEnabled = true;
        } else {
            f.frame = false;
            f.frameEnabled = false;
        }
        switch (std::abs(s)) {
        case 0:
        case 8:
            f.widthEnabled = true;
            f.heightEnabled = true;
            break;
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            f.widthEnabled = true;
            setHeight(f.width);
            f.heightEnabled = false;
            break;
        case 6:
            setWidth(f.height);
            setHeight(decimalText(boxNumber(f.width) / 2));
            f.widthEnabled = true;
            f.heightEnabled = false;
            break;
        case 7:
            setHeight(f.width);
            setWidth(decimalText(boxNumber(f.height) / 2));
            f.widthEnabled = false;
            f.heightEnabled = true;
            break;
        default: break;
        }
    }
};

} // namespace

QStringList signalShapeNames()
{
    return {QStringLiteral("Прямокутник"),  QStringLiteral("Круг"),         QStringLiteral("Трикутник ^ "),
            QStringLiteral("Трикутник > "), QStringLiteral("Трикутник v "), QStringLiteral("Трикутник < "),
            QStringLiteral("Клапан ><"),    QStringLiteral("Клапан X"),     QStringLiteral("Лінія")};
}

QStringList signalListNames()
{
    QStringList names{QStringLiteral("Немає")};
    for (int k = 1; k <= 31; ++k)
        names.push_back(QString::number(k));
    return names;
}

std::pair<QString, QString> signalSizeLabels(int shape)
{
    if (std::abs(shape) == 8)
        return {QStringLiteral("Координата X1"), QStringLiteral("Координата Y1")};
    return {QStringLiteral("Розмір X"), QStringLiteral("Розмір Y")};
}

SignalFields designSignal(const ProjectModel &m)
{
    SignalFields f;
    signalBlockChanged(m, f);
    return f;
}

void signalBlockChanged(const ProjectModel &m, SignalFields &f) { f.outputs = outputList(m, f.block); }

Notices signalShapeChosen(SignalFields &f, int shape)
{
    Notices out;
    BoxWriter{f, out}.shapeChosen(shape);
    return out;
}

Notices signalWidthChanged(SignalFields &f)
{
    Notices out;
    BoxWriter{f, out}.widthChanged();
    return out;
}

Notices signalHeightChanged(SignalFields &f)
{
    Notices out;
    BoxWriter{f, out}.heightChanged();
    return out;
}

ViewBox signalViewBox(const PageTables &t, int page, int slot)
{
    return {t.Signal_Coord_X(page, slot), viewTop(t.Signal_Coord_Y(page, slot)),
            viewSignalSize(t.Signal_Razmer_X(page, slot)), viewSignalSize(t.Signal_Razmer_Y(page, slot))};
}

Opened<SignalFields> prefillSignal(const ProjectModel &m, int page, int slot, const ViewBox &view)
{
    const PageTables &t = m.pages;
    Opened<SignalFields> o{designSignal(m), {}};
    SignalFields &f = o.fields;
    BoxWriter boxes{f, o.notices};

    f.number = QString::number(slot);
    f.x = QString::number(view.left);
    f.y = QString::number(view.top);
    const int list = listNumber(t.Signal_Coord_Y(page, slot));
    f.list = list >= 0 && list <= 31 ? list : -1;
    const int shape = signalShape(t.Signal_Razmer_X(page, slot), t.Signal_Razmer_Y(page, slot));
    if (shape >= 0 && shape < kSignalShapes)
        boxes.shapeChosen(shape);
    f.frame = t.Signal_Border_Style(page, slot) != 0;
    f.blink = t.Signal_Miganie_Flag(page, slot) != 0;
    f.colour = t.Signal_Color(page, slot);
    f.colourFon = t.Signal_Color_Fon(page, slot);
    boxes.setWidth(QString::number(view.width));
    boxes.setHeight(QString::number(view.height));
    if (f.shape == 6) {
        boxes.setHeight(decimalText(boxNumber(f.width) / 2));
        f.heightEnabled = false;
    } else if (f.shape == 7) {
        boxes.setWidth(decimalText(boxNumber(f.height) / 2));
        f.widthEnabled = false;
    }
    f.block = QString::number(t.Signal_Num_Block(page, slot));
    signalBlockChanged(m, f);
    if (!f.outputs.select(t.Signal_Num_OUT(page, slot)))
        o.notices.push_back(critical(kOutputErrorY));
    return o;
}

SignalStored storeSignal(ProjectModel &m, int page, const SlotChoice &slot, SignalFields &f)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    SignalStored r;
    BoxWriter boxes{f, r.notices};

    t.Signal_Coord_X(page, n) = int16Box(f.x);
    if (f.list < 0)
        f.list = 0;
    t.Signal_Coord_Y(page, n) = int16Field(listTopPack(boxNumber(f.y), f.list));
    if (std::fabs(boxNumber(f.width)) < kMinSize) {
        boxes.setWidth(QStringLiteral("2"));
        r.notices.push_back(question(QStringLiteral("Ширина менше 2")));
    }
    if (std::fabs(boxNumber(f.height)) < kMinSize) {
        boxes.setHeight(QStringLiteral("2"));
        r.notices.push_back(question(QStringLiteral("Висота менше 2")));
    }
    const double w = std::fabs(boxNumber(f.width)), h = std::fabs(boxNumber(f.height));
    const int s = f.shape >= 0 && f.shape < kSignalShapes ? f.shape : 0;
    t.Signal_Razmer_X(page, n) = int16Field(signalWidthPack(w, s));
    t.Signal_Razmer_Y(page, n) = int16Field(signalHeightPack(h, s));
    t.Signal_Border_Style(page, n) = f.frame ? 1 : 0;
    t.Signal_Color(page, n) = f.colour;
    t.Signal_Color_Fon(page, n) = f.colourFon;
    t.Signal_Miganie_Flag(page, n) = f.blink ? 1 : 0;
    t.Signal_Num_Block(page, n) = byteField(std::fabs(boxNumber(f.block)));
    t.Signal_Num_OUT(page, n) = static_cast<std::uint8_t>(f.outputs.storedPosition());
    t.Signal_Used(page, n) = 1;

    r.view.viewIndex = slot.viewIndex;
    r.view.box = {static_cast<int>(int16Box(f.x)), static_cast<int>(int16Box(f.y)), static_cast<int>(int16Field(w)),
                  static_cast<int>(int16Field(h))};
    r.view.shape = s;
    r.view.foreColor = f.colour;
    r.view.borderStyle = f.frame ? 1 : 0;
    return r;
}

void resetSignal(PageTables &t, int page, int slot)
{
    t.Signal_Coord_X(page, slot) = 0;
    t.Signal_Coord_Y(page, slot) = 0;
    t.Signal_Razmer_X(page, slot) = 3;
    t.Signal_Razmer_Y(page, slot) = 3;
    t.Signal_Border_Style(page, slot) = 0;
    t.Signal_Color(page, slot) = 0;
    t.Signal_Color_Fon(page, slot) = 0;
    t.Signal_Miganie_Flag(page, slot) = 0;
    t.Signal_Used(page, slot) = 0;
}

} // namespace pelmora::element
