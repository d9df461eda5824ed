#include "element_dialogs/varning.h"

#include "core/model/project_model.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "elements/bgr_colour.h"
#include "ui/main_window_port.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora {

using namespace element;

Varning::Varning(const ElementContext &c) : ElementDialog(c, Kind::Varning, QStringLiteral("Попередження"))
{
    setFixedSize(560, 250);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 6, 280, 200);
    label(QStringLiteral("Сторінка"), 10, 26, 110, 20, props);
    Num_Sheet_Var = new QComboBox(props);
    Num_Sheet_Var->setObjectName(QStringLiteral("Num_Sheet_Var"));
    Num_Sheet_Var->setGeometry(126, 24, 80, 24);
    Num_Sheet_Var->setMaxVisibleItems(17);
    label(QStringLiteral("Координата Х"), 10, 56, 110, 20, props);
    Coord_X_Text_Var = new QLineEdit(QStringLiteral("1"), props);
    Coord_X_Text_Var->setObjectName(QStringLiteral("Coord_X_Text_Var"));
    Coord_X_Text_Var->setGeometry(126, 54, 80, 24);
    label(QStringLiteral("Координата Y"), 10, 86, 110, 20, props);
    Coord_Y_Text_Var = new QLineEdit(QStringLiteral("1"), props);
    Coord_Y_Text_Var->setObjectName(QStringLiteral("Coord_Y_Text_Var"));
    Coord_Y_Text_Var->setGeometry(126, 84, 80, 24);
    label(QStringLiteral("Колір тексту"), 10, 116, 110, 20, props);
    Color_Text_Var = new ColourBox(QStringLiteral("Color_Text_Var"), props);
    Color_Text_Var->setGeometry(126, 114, 80, 24);
    Pipetka_key_1 = new EyedropperButton(QStringLiteral("Pipetka_key_1"), props);
    Pipetka_key_1->setGeometry(214, 114, 24, 24);
    label(QStringLiteral("Колір фону"), 10, 146, 110, 20, props);
    Color_Fon_Var = new ColourBox(QStringLiteral("Color_Fon_Var"), props);
    Color_Fon_Var->setGeometry(126, 144, 80, 24);
    Pipetka_key = new EyedropperButton(QStringLiteral("Pipetka_key"), props);
    Pipetka_key->setGeometry(214, 144, 24, 24);

    Label_Var = new QLabel(QStringLiteral("АаБбВвГг"), this);
    Label_Var->setObjectName(QStringLiteral("Label_Var"));
    Label_Var->setAlignment(Qt::AlignCenter);
    Label_Var->setAutoFillBackground(true);
    Label_Var->setFrameShape(QFrame::Box);
    Label_Var->setGeometry(296, 14, 256, 40);

    binding = new BindingPanel(QStringLiteral("Num_Block_Var_Text"), QStringLiteral("Num_OUT_Text_Var"),
                               QStringLiteral("Номер виходу"), this);
    binding->setGeometry(296, 66, 256, 92);
    binding->rebuild = [this](const QString &block) { return bannerOutputList(m_, block); };
    Num_Block_Var_Text = binding->blockBox();
    Num_OUT_Text_Var = binding->list();

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"), 8, 214, 100);
    CancelButton = button(QStringLiteral("CancelButton"), QStringLiteral("Cancel"), 452, 214, 100);

    connect(Color_Text_Var, &ColourBox::clicked, this, &Varning::Color_Text_Var_Click);
    connect(Color_Fon_Var, &ColourBox::clicked, this, &Varning::Color_Fon_Var_Click);
    connect(Pipetka_key, &QPushButton::clicked, this, &Varning::Pipetka_key_Click);
    connect(Pipetka_key_1, &QPushButton::clicked, this, &Varning::Pipetka_key_1_Click);
    connect(OKButton, &QPushButton::clicked, this, &Varning::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Varning::CancelButton_Click);
    showFields(designVarning());
    Form_Load();
}

void Varning::Form_Load()
{
    Pipetka_key->paint(eyedropperColour());
    Pipetka_key_1->paint(eyedropperColour());
}

void Varning::showFields(const VarningFields &f)
{
    ChoiceList pages{varningPageNames(), -1, QStringLiteral("No")};
    pages.select(f.page);
    showChoice(Num_Sheet_Var, pages);
    Coord_X_Text_Var->setText(f.x);
    Coord_Y_Text_Var->setText(f.y);
    Color_Text_Var->setColour(f.colour);
    Color_Fon_Var->setColour(f.colourFon);
    binding->show(f.block, f.outputs);
    showPreview();
}

VarningFields Varning::fields() const
{
    VarningFields f;
    f.page = Num_Sheet_Var->currentIndex();
    f.x = Coord_X_Text_Var->text();
    f.y = Coord_Y_Text_Var->text();
    f.colour = Color_Text_Var->colour();
    f.colourFon = Color_Fon_Var->colour();
    f.block = Num_Block_Var_Text->text();
    f.outputs = binding->choice();
    return f;
}

void Varning::showPreview()
{
    QPalette pal = Label_Var->palette();
    pal.setColor(QPalette::WindowText, colourOf(Color_Text_Var->colour()));
    pal.setColor(QPalette::Window, colourOf(Color_Fon_Var->colour()));
    Label_Var->setPalette(pal);
}

void Varning::Color_Text_Var_Click()
{
    if (chooseColour(Color_Text_Var))
        showPreview();
}

void Varning::Color_Fon_Var_Click()
{
    if (chooseColour(Color_Fon_Var))
        showPreview();
}

void Varning::Pipetka_key_Click()
{
    // No colour picked yet (the last click was off the page): nothing to copy.
    if (eyedropperColour() < 0)
        return;
    Color_Fon_Var->setColour(eyedropperColour());
    showPreview();
}

void Varning::Pipetka_key_1_Click()
{
    if (eyedropperColour() < 0)
        return;
    Color_Text_Var->setColour(eyedropperColour());
    showPreview();
}

void Varning::OKButton_Click()
{
    const VarningView v = storeVarning(m_, fields(), m_.pages.Num_Stranica_SCADA);
    if (QLineEdit *line = main_.surface().Varning_Text) {
        if (v.placed) {
            QPalette pal = line->palette();
            pal.setColor(QPalette::Text, colourOf(v.textColour));
            pal.setColor(QPalette::Base, colourOf(v.backColour));
            line->setPalette(pal);
            line->move(v.left, v.top);
            line->setVisible(v.visible);
            if (v.visible)
                line->raise();
        } else {
            line->hide();
        }
    }
    leave(Way::Ok);
}

void Varning::CancelButton_Click() { leave(Way::Cancel); }

void Varning::MnuJurnSignal_Click(ElementOpeners &openers, int)
{
    Varning &w = openers.showDialog<Varning>();
    const auto opened = prefillVarning(openers.context().m);
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
