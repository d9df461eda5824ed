#include "element_dialogs/figura.h"

#include "core/model/project_model.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace pelmora {

using namespace element;

Figura::Figura(const ElementContext &c) : ElementDialog(c, Kind::Figure, QStringLiteral("Геометрична фігура"))
{
    setFixedSize(330, 240);
    auto box = [this](const char *name, int y) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(168, y, 80, 24);
        return e;
    };
    label(QStringLiteral("Номер фігури"), 12, 14, 150);
    Num_Figura_Text = new NumberBox(QStringLiteral("Num_Figura_Text"), this);
    Num_Figura_Text->setGeometry(168, 12, 80, 24);
    Label3 = label(QStringLiteral("Розмір Х"), 12, 44, 150);
    Label3->setObjectName(QStringLiteral("Label3"));
    Razmer_X_Figura_Text = box("Razmer_X_Figura_Text", 42);
    label(QStringLiteral("Розмір Y"), 12, 74, 150);
    Razmer_Y_Figura_Text = box("Razmer_Y_Figura_Text", 72);
    label(QStringLiteral("Тип фігури"), 12, 104, 150);
    Type_Figura1 = new QComboBox(this);
    Type_Figura1->setObjectName(QStringLiteral("Type_Figura1"));
    Type_Figura1->setGeometry(168, 102, 150, 24);
    label(QStringLiteral("Товщина лінії"), 12, 134, 150);
    Width_Line_Figura_Text1 = box("Width_Line_Figura_Text1", 132);
    label(QStringLiteral("Колір лінії"), 12, 164, 150);
    Color_Figura = new ColourBox(QStringLiteral("Color_Figura"), this);
    Color_Figura->setGeometry(168, 162, 80, 24);
    Ok_Figura = button(QStringLiteral("Ok_Figura"), QStringLiteral("Ok"), 12, 202, 95);
    Cancel_Figura = button(QStringLiteral("Cancel_Figura"), QStringLiteral("Відміна"), 118, 202, 95);
    Delete_Figura = button(QStringLiteral("Delete_Figura"), QStringLiteral("Видалити"), 224, 202, 95);

    connect(Type_Figura1, &QComboBox::activated, this, &Figura::Type_Figura1_Click);
    connect(Color_Figura, &ColourBox::clicked, this, &Figura::Color_Figura_Click);
    connect(Ok_Figura, &QPushButton::clicked, this, &Figura::Ok_Figura_Click);
    connect(Cancel_Figura, &QPushButton::clicked, this, &Figura::Cancel_Figura_Click);
    connect(Delete_Figura, &QPushButton::clicked, this, &Figura::Delete_Figura_Click);
    showFields(FigureFields{});
}

void Figura::showFields(const FigureFields &f)
{
    Num_Figura_Text->setText(f.number);
    Razmer_X_Figura_Text->setText(f.width);
    Razmer_Y_Figura_Text->setText(f.height);
    Label3->setText(f.widthLabel);
    ChoiceList types{figureTypeNames(), -1, figureTypeNames().value(0)};
    types.select(f.type);
    showChoice(Type_Figura1, types);
    Width_Line_Figura_Text1->setText(f.lineWidth);
    Color_Figura->setColour(f.colour);
}

FigureFields Figura::fields() const
{
    FigureFields f;
    f.number = Num_Figura_Text->text();
    f.width = Razmer_X_Figura_Text->text();
    f.height = Razmer_Y_Figura_Text->text();
    f.widthLabel = Label3->text();
    f.type = Type_Figura1->currentIndex();
    f.lineWidth = Width_Line_Figura_Text1->text();
    f.colour = Color_Figura->colour();
    return f;
}

void Figura::Type_Figura1_Click()
{
    // Only the insertion template takes the shape now; an edited figure's at Ok.
    FigureFields f = fields();
    const int shape = figureTypeChosen(f, Type_Figura1->currentIndex());
    showFields(f);
    views().setTemplateShape(shape);
}

void Figura::Color_Figura_Click() { chooseColour(Color_Figura); }

void Figura::Ok_Figura_Click() { okSlotted(Num_Figura_Text->text()); }

void Figura::storeElement(const SlotChoice &slot)
{
    // A new figure stands where the template stands.
    const auto view = shownOrTemplate(element::Kind::Figure, slot.viewIndex);
    const FigureView v = storeFigure(m_, page(), slot, fields(), view ? view->box.topLeft() : QPoint());
    views().setHandleElement(v.zoomIndex, v.zoomKind);
    views().showElement(element::Kind::Figure, page(), slot.slot);
}

void Figura::Cancel_Figura_Click() { leave(Way::Cancel); }

void Figura::Delete_Figura_Click()
{
    views().hideResizeHandle();
    deleteSlotted(Num_Figura_Text->text());
}

void Figura::ShapePlus1_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const auto view = c.views.shownView(element::Kind::Figure, Index);
    const int n = pages::slotOfIndex(element::Kind::Figure, c.m.pages.Num_Stranica_SCADA, Index);
    if (!view || n < 0 || n > kindInfo(Kind::Figure).declaredBound)
        return;
    Figura &w = openers.showDialog<Figura>();
    FigureViewState state;
    state.box = boxOf(*view);
    state.shapeKind = view->shapeKind;
    state.lineColour = view->lineColour;
    state.lineWidth = view->lineWidth;
    const auto opened = prefillFigure(n, state);
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
