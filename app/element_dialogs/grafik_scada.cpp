#include "element_dialogs/grafik_scada.h"

#include "core/model/project_model.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace pelmora {

using namespace element;

Grafik_SCADA::Grafik_SCADA(const ElementContext &c) : ElementDialog(c, Kind::Graph, QStringLiteral("Графік"))
{
    setFixedSize(330, 204);
    auto box = [this](const char *name, const QString &caption, int y) {
        label(caption, 12, y + 2, 150);
        auto *e = new QLineEdit(QStringLiteral("1"), this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(168, y, 80, 24);
        return e;
    };
    Coord_X_Grafik_Text = box("Coord_X_Grafik_Text", QStringLiteral("Координата Х"), 12);
    Coord_Y_Grafik_Text = box("Coord_Y_Grafik_Text", QStringLiteral("Координата Y"), 42);
    Grafik_Width = box("Grafik_Width", QStringLiteral("Розмір Х"), 72);
    Grafik_Height = box("Grafik_Height", QStringLiteral("Розмір Y"), 102);
    label(QStringLiteral("Група графіків"), 12, 134, 150);
    Grafik_Grup = new QComboBox(this);
    Grafik_Grup->setObjectName(QStringLiteral("Grafik_Grup"));
    Grafik_Grup->setGeometry(168, 132, 80, 24);
    Ok_Grafik = button(QStringLiteral("Ok_Grafik"), QStringLiteral("Ok"), 12, 168, 95);
    Cancel_Grafik = button(QStringLiteral("Cancel_Grafik"), QStringLiteral("Відміна"), 118, 168, 95);
    Delete_Grafik = button(QStringLiteral("Delete_Grafik"), QStringLiteral("Видалити"), 224, 168, 95);
    connect(Ok_Grafik, &QPushButton::clicked, this, &Grafik_SCADA::Ok_Grafik_Click);
    connect(Cancel_Grafik, &QPushButton::clicked, this, &Grafik_SCADA::Cancel_Grafik_Click);
    connect(Delete_Grafik, &QPushButton::clicked, this, &Grafik_SCADA::Delete_Grafik_Click);
    showFields(GraphFields{});
}

void Grafik_SCADA::showFields(const GraphFields &f)
{
    Coord_X_Grafik_Text->setText(f.x);
    Coord_Y_Grafik_Text->setText(f.y);
    Grafik_Width->setText(f.width);
    Grafik_Height->setText(f.height);
    ChoiceList groups{graphGroupNames(), -1, QStringLiteral("1")};
    groups.select(f.group);
    showChoice(Grafik_Grup, groups);
}

GraphFields Grafik_SCADA::fields() const
{
    GraphFields f;
    f.x = Coord_X_Grafik_Text->text();
    f.y = Coord_Y_Grafik_Text->text();
    f.width = Grafik_Width->text();
    f.height = Grafik_Height->text();
    f.group = Grafik_Grup->currentIndex();
    return f;
}

void Grafik_SCADA::Ok_Grafik_Click()
{
    GraphFields f = fields();
    const GraphStored stored = storeGraph(m_, page(), f);
    // The corrected sizes stand in their boxes while their messages show.
    showFields(f);
    notify(stored.notices);
    views().showElement(element::Kind::Graph, page(), 0);
    leave(Way::Ok);
}

void Grafik_SCADA::Cancel_Grafik_Click() { leave(Way::Cancel); }

void Grafik_SCADA::Delete_Grafik_Click()
{
    views().unloadElement(element::Kind::Graph, deleteGraph(m_, page()));
    leave(Way::Delete);
}

void Grafik_SCADA::Grafik_Image_DblClick(ElementOpeners &openers, int)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const auto view = c.views.shownView(element::Kind::Graph, viewIndex(Kind::Graph, p, 0));
    if (!view)
        return;
    Grafik_SCADA &w = openers.showDialog<Grafik_SCADA>();
    const auto opened = prefillGraph(c.m, p, boxOf(*view));
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
