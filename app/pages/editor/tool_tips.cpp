#include "pages/editor/tool_tips.h"

#include "pages/editor/editor_arithmetic.h"

namespace pelmora::pages {

std::optional<QString> toolTipWord(ViewArray array)
{
    switch (array) {
    case ViewArray::Control_Image: return QStringLiteral("Управление ");
    case ViewArray::Go_Block_Label: return QStringLiteral("Переход ");
    case ViewArray::Menu_Image: return QStringLiteral("Меню ");
    case ViewArray::Grafik_Image: return QStringLiteral("Графік ");
    case ViewArray::Level_Picture:
    case ViewArray::Level_Picture_1: return QStringLiteral("Уровень ");
    case ViewArray::Manometr_Img: return QStringLiteral("Манометр ");
    case ViewArray::Parametr_Label: return QStringLiteral("Параметр ");
    case ViewArray::Real_Clock: return QStringLiteral("Часы ");
    case ViewArray::ShapePlus1: return QStringLiteral("Фигура ");
    case ViewArray::Signal_Picture: return QStringLiteral("Сигнал ");
    // The static text's word begins with a Latin capital T.
    case ViewArray::Text_Label_Label: return QStringLiteral("Tекст ");
    case ViewArray::Text_Signal_Picture: return QStringLiteral("Сигнал текст ");
    case ViewArray::Ventilator_Picture: return QStringLiteral("Вентилятор ");
    case ViewArray::Menu_Text:
    case ViewArray::Real_Time:
    case ViewArray::Varning_Text: return std::nullopt;
    }
    return std::nullopt;
}

QString elementToolTip(ViewArray array, int n, double left, double top)
{
    return toolTipWord(array).value_or(QString()) + QString::number(n) + QStringLiteral(", X - ") + positionText(left) +
           QStringLiteral(", Y - ") + positionText(top);
}

} // namespace pelmora::pages
