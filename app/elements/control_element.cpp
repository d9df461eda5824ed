#include "elements/control_element.h"

#include "core/picture_file.h"
#include "elements/box_numbers.h"
#include "elements/element_codec.h"

#include <cmath>

namespace pelmora::element {

QStringList controlKindNames()
{
    return {QStringLiteral("ПУСТО"),       QStringLiteral("СТОП"),       QStringLiteral("ПУСК 1"),
            QStringLiteral("ПУСК 2"),      QStringLiteral("Тумблер"),    QStringLiteral("N-1"),
            QStringLiteral("N+1"),         QStringLiteral("КСС"),        QStringLiteral("OFF"),
            QStringLiteral("ON"),          QStringLiteral("СТОП 1"),     QStringLiteral("ПУСК 11"),
            QStringLiteral("\"Мережа\""),  QStringLiteral("\"Клювик\""), QStringLiteral("ПУСТО 1"),
            QStringLiteral("ПУСТО 2"),     QStringLiteral("ПУСТО 3"),    QStringLiteral("П_С зелена"),
            QStringLiteral("П_С червона"), QStringLiteral("OFF_ON")};
}

QSize controlKindSize(int keyType)
{
    switch (keyType) {
    case 10:
    case 11: return {105, 40};
    case 12: return {33, 45};
    case kControlKnobKey: return {60, 60};
    default: return {40, 40};
    }
}

ControlFields designControl() { return {}; }

void controlBlockChanged(const ProjectModel &m, ControlFields &f) { f.channels = channelList(m, f.block); }

ChosenPicture chooseControlPicture(ControlFields &f, const QString &path)
{
    ChosenPicture r;
    QImage picture = readPicture(path);
    if (picture.isNull()) {
        r.notices.push_back({QStringLiteral("Не правильний тип файлу"), MsgIcon::None});
        return r;
    }
    f.width = QString::number(picture.width());
    f.height = QString::number(picture.height());
    f.gifName = path;
    r.picture = std::move(picture);
    return r;
}

ViewBox controlViewBox(const PageTables &t, int page, int slot)
{
    const int key = t.Control_Key_Type(page, slot);
    return {t.Control_Coord_X(page, slot), controlViewTop(t.Control_Coord_Y(page, slot), key),
            t.Control_Razmer_X(page, slot), t.Control_Razmer_Y(page, slot)};
}

Opened<ControlFields> prefillControl(const ProjectModel &m, int page, int slot, const ViewBox &view)
{
    const PageTables &t = m.pages;
    Opened<ControlFields> o{designControl(), {}};
    ControlFields &f = o.fields;
    f.number = QString::number(slot);
    f.x = QString::number(view.left);
    f.y = QString::number(view.top);
    f.width = QString::number(view.width);
    f.height = QString::number(view.height);
    f.gifName = t.Control_Gif_Name(page, slot);
    f.block = QString::number(t.Control_Num_Block(page, slot));
    controlBlockChanged(m, f);
    // A new button (the template, slot 0) is of the kind the template shows;
    // slot 0's own record is never written.
    const int key = slot == 0 ? kNewControlKeyType : t.Control_Key_Type(page, slot);
    f.keyType = key < kControlKinds ? key : -1;
    if (!f.channels.select(t.Control_Num_OUT(page, slot)))
        o.notices.push_back(critical(kOutputErrorY));
    return o;
}

ControlView storeControl(ProjectModel &m, int page, const SlotChoice &slot, const ControlFields &f)
{
    PageTables &t = m.pages;
    const int n = slot.slot;
    const int key = f.keyType >= 0 && f.keyType < kControlKinds ? f.keyType : 0;
    std::int16_t x = int16Box(f.x);
    const std::int16_t y = int16Box(f.y);
    t.Control_Used(page, n) = 1;
    t.Control_Gif_Name(page, n) = f.gifName;
    t.Control_Key_Type(page, n) = static_cast<std::uint8_t>(key);
    t.Control_Num_Block(page, n) = byteField(std::fabs(boxNumber(f.block)));
    t.Control_Num_OUT(page, n) = static_cast<std::uint8_t>(f.channels.storedPosition());
    const QSize size = controlKindSize(key);
    // A new knob stands 10 pixels left of the typed place.
    if (key == kControlKnobKey && slot.created)
        x = int16Field(x - 10.0);
    t.Control_Coord_X(page, n) = x;
    t.Control_Razmer_X(page, n) = static_cast<std::int16_t>(size.width());
    t.Control_Razmer_Y(page, n) = static_cast<std::int16_t>(size.height());
    t.Control_Coord_Y(page, n) = int16Field(controlRecordTop(y, key));

    ControlView v;
    v.viewIndex = slot.viewIndex;
    v.box = {x, y, size.width(), size.height()};
    return v;
}

void resetControl(PageTables &t, int page, int slot)
{
    t.Control_Used(page, slot) = 0;
    t.Control_Coord_X(page, slot) = 0;
    t.Control_Coord_Y(page, slot) = 0;
    t.Control_Razmer_X(page, slot) = 40;
    t.Control_Razmer_Y(page, slot) = 40;
    t.Control_Gif_Name(page, slot).clear();
    t.Control_Key_Type(page, slot) = 0;
}

} // namespace pelmora::element
