#include "element_fixture.h"

#include "elements/element_codec.h"
#include "project/project_file.h"
#include "project/startup.h"
#include "upload/page_tables_codec.h"

#include <QFile>
#include <gtest/gtest.h>
#include <type_traits>

namespace pelmora::test {

using namespace element;

ProjectModel demoProject()
{
    ProjectModel m;
    startUpModel(m);
    QFile file(QStringLiteral(PELMORA_EXAMPLES_DIR "/demo_project.prt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const auto read = projectfile::readProjectFile(file.readAll(), m, QStringLiteral(PELMORA_EXAMPLES_DIR));
    EXPECT_TRUE(read.ok) << read.reason.toStdString() << " line " << read.line;
    return m;
}

ProjectModel savedAndOpened(const ProjectModel &m)
{
    const auto written = projectfile::writeProjectFile(m);
    EXPECT_TRUE(written.ok) << written.reason.toStdString();
    ProjectModel opened;
    startUpModel(opened);
    const auto read = projectfile::readProjectFile(written.bytes, opened, QString());
    EXPECT_TRUE(read.ok) << read.reason.toStdString() << " line " << read.line;
    return opened;
}

QStringList recordOf(const ProjectModel &m, Kind kind, int p, int n)
{
    const PageTables &t = m.pages;
    QStringList r;
    auto text = [](const auto &v) {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, QString>)
            return v;
        else
            return QString::number(static_cast<long long>(v));
    };
    auto add = [&](const auto &...values) { (r.push_back(text(values)), ...); };
    switch (kind) {
    case Kind::Varning:
        add(t.Varning_Stranica, t.Varning_Coord_X, t.Varning_Coord_Y, t.Varning_Color, t.Varning_Color_Fon,
            t.Varning_Num_Block, t.Varning_Num_OUT);
        break;
    case Kind::Signal:
        add(t.Signal_Used(p, n), t.Signal_Coord_X(p, n), t.Signal_Coord_Y(p, n), t.Signal_Razmer_X(p, n),
            t.Signal_Razmer_Y(p, n), t.Signal_Color(p, n), t.Signal_Color_Fon(p, n), int(t.Signal_Border_Style(p, n)),
            int(t.Signal_Miganie_Flag(p, n)), int(t.Signal_Num_Block(p, n)), int(t.Signal_Num_OUT(p, n)));
        break;
    case Kind::TextSignal:
        add(t.Text_Signal_Used(p, n), t.Text_Signal_Coord_X(p, n), t.Text_Signal_Coord_Y(p, n),
            int(t.Text_Signal_Font_Size(p, n)), t.Text_Signal_Color(p, n), t.Text_Signal_Color_Fon(p, n),
            t.Text_Signal_Text_Off(p, n), t.Text_Signal_Text_On(p, n), int(t.Text_Signal_Border_Style(p, n)),
            int(t.Text_Signal_Miganie_Flag(p, n)), int(t.Text_Signal_Num_Block(p, n)), int(t.Text_Signal_Num_OUT(p, n)),
            t.Rep_Arch_Signal);
        break;
    case Kind::Parameter:
        add(t.Parametr_Used(p, n), t.Parametr_Coord_X(p, n), t.Parametr_Coord_Y(p, n), t.Parametr_Color(p, n),
            t.Parametr_Color_Fon(p, n), int(t.Parametr_Border_Style(p, n)), int(t.Parametr_Font_Size(p, n)),
            int(t.Parametr_Digits(p, n)), int(t.Parametr_Num_Block(p, n)), int(t.Parametr_Num_OUT(p, n)));
        break;
    case Kind::Level:
        add(t.Level_Used(p, n), t.Level_Coord_X(p, n), t.Level_Coord_Y(p, n), t.Level_Razmer_X(p, n),
            t.Level_Razmer_Y(p, n), t.Level_Scale(p, n), t.Level_Color(p, n), t.Level_Color_Fon(p, n),
            int(t.Level_Type(p, n)), int(t.Level_Num_Block(p, n)), int(t.Level_Num_OUT(p, n)));
        break;
    case Kind::Control:
        add(t.Control_Used(p, n), t.Control_Coord_X(p, n), t.Control_Coord_Y(p, n), int(t.Control_Num_Block(p, n)),
            int(t.Control_Num_OUT(p, n)), t.Control_Gif_Name(p, n), t.Control_Razmer_X(p, n), t.Control_Razmer_Y(p, n),
            int(t.Control_Key_Type(p, n)));
        break;
    case Kind::Transition:
        add(t.Go_Block_Used(p, n), t.Go_Block_Coord_X(p, n), t.Go_Block_Coord_Y(p, n), t.Go_Block_Target(p, n),
            t.Go_Block_Param(p, n));
        break;
    case Kind::Menu:
        add(t.Menu_Used(p, n), t.Menu_Coord_X(p, n), t.Menu_Coord_Y(p, n), t.Menu_Caption(p, n),
            int(t.Menu_Stranica(p, n)));
        break;
    case Kind::Graph:
        add(t.Grafik_Used(p + 1), t.Grafik_Coord_X(p + 1), t.Grafik_Coord_Y(p + 1), t.Grafik_Razmer_X(p + 1),
            t.Grafik_Razmer_Y(p + 1), int(t.Grafik_Grup_Num(p + 1)));
        break;
    case Kind::Clock: add(t.Clock_Used(p + 1), t.Clock_Coord_X(p + 1), t.Clock_Coord_Y(p + 1)); break;
    case Kind::Manometer: break; // no record of its own
    case Kind::Figure:
        add(t.Figura_Used(p, n), t.Figura_Coord_X(p, n), t.Figura_Coord_Y(p, n), t.Figura_Razmer_X(p, n),
            t.Figura_Razmer_Y(p, n), t.Figura_Color(p, n), t.Figura_Type(p, n), t.Figura_Line_Width(p, n));
        break;
    case Kind::StaticText:
        add(t.Text_Label_Used(p, n), t.Text_Label_Coord_X(p, n), t.Text_Label_Coord_Y(p, n), t.Text_Label_Color(p, n),
            t.Text_Label_Text(p, n), t.Text_Label_Font_Name(p, n), t.Text_Label_Font_Bold(p, n),
            t.Text_Label_Font_Italic(p, n), int(t.Text_Label_Font_Size(p, n)));
        break;
    case Kind::Mechanism:
        add(t.Vent_Used(p, n), t.Vent_Coord_X(p, n), t.Vent_Coord_Y(p, n), t.Vent_Razmer_X(p, n), t.Vent_Razmer_Y(p, n),
            t.Vent_Picture_Num(p, n), int(t.Vent_Num_Block(p, n)), int(t.Vent_Num_OUT(p, n)),
            ventWithoutBackground(t.Vent_Fon_Bits, p, n));
        break;
    }
    return r;
}

QByteArray pageTables(const ProjectModel &m, int page)
{
    QByteArray image(4000, '\0');
    const auto end = page::writeElementTables(m, page, 6, image, 0);
    EXPECT_TRUE(end.has_value());
    return image.left(end.value_or(0));
}

std::vector<Kind> slottedKinds()
{
    std::vector<Kind> kinds;
    for (const KindInfo &k : kindTable())
        if (k.slotCount > 0)
            kinds.push_back(k.kind);
    return kinds;
}

} // namespace pelmora::test
