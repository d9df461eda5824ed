#include "element_dialogs/parametr_text_scada.h"

#include "core/model/project_model.h"
#include "element_dialogs/box_text.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "pages/page_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora {

using namespace element;

Parametr_Text_SCADA::Parametr_Text_SCADA(const ElementContext &c)
    : ElementDialog(c, Kind::Parameter, QStringLiteral("Елемент параметр"))
{
    setFixedSize(560, 320);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 6, 290, 270);
    auto box = [props](const char *name, int y) {
        auto *e = new QLineEdit(QStringLiteral("1"), props);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(150, y, 80, 24);
        return e;
    };
    auto combo = [props](const char *name, const QStringList &entries, int y) {
        auto *b = new QComboBox(props);
        b->setObjectName(QLatin1String(name));
        b->addItems(entries);
        b->setGeometry(150, y, 80, 24);
        return b;
    };
    label(QStringLiteral("Номер параметру"), 10, 24, 138, 20, props);
    Num_Par_Text = new NumberBox(QStringLiteral("Num_Par_Text"), props);
    Num_Par_Text->setGeometry(150, 22, 80, 24);
    label(QStringLiteral("Координата Х"), 10, 54, 138, 20, props);
    Coord_X_Parametr_Text = box("Coord_X_Parametr_Text", 52);
    Coord_X_Parametr_Text->setMaxLength(3);
    label(QStringLiteral("Координата Y"), 10, 84, 138, 20, props);
    Coord_Y_Parametr_Text = box("Coord_Y_Parametr_Text", 82);
    label(QStringLiteral("Кількість знаків"), 10, 114, 138, 20, props);
    Parametr_Num_Znak = combo("Parametr_Num_Znak", parameterDigitNames(), 112);
    label(QStringLiteral("Шрифт"), 10, 144, 138, 20, props);
    Parametr_Shrift = combo("Parametr_Shrift", parameterFontNames(), 142);
    Parametr_Ramka = new QCheckBox(QStringLiteral("Рамка"), props);
    Parametr_Ramka->setObjectName(QStringLiteral("Parametr_Ramka"));
    Parametr_Ramka->setGeometry(10, 174, 120, 24);
    label(QStringLiteral("Колір тексту"), 10, 206, 138, 20, props);
    Color_Text = new ColourBox(QStringLiteral("Color_Text"), props);
    Color_Text->setGeometry(150, 204, 80, 24);
    label(QStringLiteral("Колір фону"), 10, 236, 138, 20, props);
    Color_Text_Fon = new ColourBox(QStringLiteral("Color_Text_Fon"), props);
    Color_Text_Fon->setGeometry(150, 234, 80, 24);
    Pipetka_key = new EyedropperButton(QStringLiteral("Pipetka_key"), props);
    Pipetka_key->setGeometry(238, 234, 24, 24);

    Par_Label = new pages::ElementLabel(this);
    Par_Label->setObjectName(QStringLiteral("Par_Label"));
    Par_Label->setCaptionFont(QFont(QStringLiteral("Consolas")));
    Par_Label->setAutoSize(true);
    Par_Label->setCaption(QStringLiteral("123"));
    Par_Label->move(310, 20);

    Out_Zad = new QCheckBox(QStringLiteral("Вихід/Задатчик"), this);
    Out_Zad->setObjectName(QStringLiteral("Out_Zad"));
    Out_Zad->setGeometry(306, 140, 240, 24);
    binding = new BindingPanel(QStringLiteral("Num_Block_Par_Text"), QStringLiteral("Num_OUT_Par"),
                               QStringLiteral("Номер виходу"), this);
    binding->setGeometry(306, 170, 246, 92);
    binding->rebuild = [this](const QString &block) { return bindingList(m_, block, Out_Zad->isChecked()); };
    Num_Block_Par_Text = binding->blockBox();
    Num_OUT_Par = binding->list();
    Label9 = binding->listLabel();
    Label9->setObjectName(QStringLiteral("Label9"));

    Ok_Parametr = button(QStringLiteral("Ok_Parametr"), QStringLiteral("Ok"), 8, 286, 100);
    Cancel_Par = button(QStringLiteral("Cancel_Par"), QStringLiteral("Відміна"), 230, 286, 100);
    Delete_Parametr = button(QStringLiteral("Delete_Parametr"), QStringLiteral("Видалити"), 452, 286, 100);

    connect(Num_Par_Text, &QLineEdit::textEdited, this, &Parametr_Text_SCADA::Num_Par_Text_Change);
    connect(Parametr_Num_Znak, &QComboBox::activated, this, &Parametr_Text_SCADA::Parametr_Num_Znak_Click);
    connect(Parametr_Shrift, &QComboBox::activated, this, &Parametr_Text_SCADA::Parametr_Shrift_Click);
    connect(Parametr_Ramka, &QCheckBox::clicked, this, &Parametr_Text_SCADA::Parametr_Ramka_Click);
    connect(Color_Text, &ColourBox::clicked, this, &Parametr_Text_SCADA::Color_Text_Click);
    connect(Color_Text_Fon, &ColourBox::clicked, this, &Parametr_Text_SCADA::Color_Text_Fon_Click);
    connect(Pipetka_key, &QPushButton::clicked, this, &Parametr_Text_SCADA::Pipetka_key_Click);
    connect(Out_Zad, &QCheckBox::clicked, this, &Parametr_Text_SCADA::Out_Zad_Click);
    connect(Ok_Parametr, &QPushButton::clicked, this, &Parametr_Text_SCADA::Ok_Parametr_Click);
    connect(Cancel_Par, &QPushButton::clicked, this, &Parametr_Text_SCADA::Cancel_Par_Click);
    connect(Delete_Parametr, &QPushButton::clicked, this, &Parametr_Text_SCADA::Delete_Parametr_Click);
    Form_Load();
}

void Parametr_Text_SCADA::Form_Load()
{
    showFields(designParameter(m_));
    Par_Label->setCaption(QStringLiteral("123"));
    Pipetka_key->paint(eyedropperColour());
}

void Parametr_Text_SCADA::showFields(const ParameterFields &f)
{
    setBoxText(Num_Par_Text, f.number);
    setBoxText(Coord_X_Parametr_Text, f.x);
    setBoxText(Coord_Y_Parametr_Text, f.y);
    ChoiceList digits{parameterDigitNames(), -1, QString()};
    digits.select(f.digits);
    showChoice(Parametr_Num_Znak, digits);
    ChoiceList fonts{parameterFontNames(), -1, QString()};
    fonts.select(f.font);
    showChoice(Parametr_Shrift, fonts);
    setTicked(Parametr_Ramka, f.frame);
    Color_Text->setColour(f.colour);
    Color_Text_Fon->setColour(f.colourFon);
    setTicked(Out_Zad, f.setpoint);
    Label9->setText(label9Caption(f.setpoint));
    binding->show(f.block, f.outputs);
    showPreview();
}

ParameterFields Parametr_Text_SCADA::fields() const
{
    ParameterFields f;
    f.number = Num_Par_Text->text();
    f.x = Coord_X_Parametr_Text->text();
    f.y = Coord_Y_Parametr_Text->text();
    f.digits = Parametr_Num_Znak->currentIndex();
    f.font = Parametr_Shrift->currentIndex();
    f.frame = Parametr_Ramka->isChecked();
    f.colour = Color_Text->colour();
    f.colourFon = Color_Text_Fon->colour();
    f.block = Num_Block_Par_Text->text();
    f.setpoint = Out_Zad->isChecked();
    f.outputs = binding->choice();
    return f;
}

void Parametr_Text_SCADA::showPreview()
{
    const ParameterFields f = fields();
    if (f.digits >= 0)
        Par_Label->setCaption(parameterPreviewCaption(f.number, f.digits));
    if (const auto font = parameterPreviewFont(f.font)) {
        Par_Label->setPointSize(font->pointSize);
        Par_Label->setBold(font->bold);
    }
    Par_Label->setBorderStyle(f.frame ? 1 : 0);
    Par_Label->setForeColor(f.colour);
    Par_Label->setBackColor(f.colourFon);
}

void Parametr_Text_SCADA::Num_Par_Text_Change() { showPreview(); }

void Parametr_Text_SCADA::Parametr_Num_Znak_Click() { showPreview(); }

void Parametr_Text_SCADA::Parametr_Shrift_Click()
{
    ParameterFields f = fields();
    parameterFontChosen(f, Parametr_Shrift->currentIndex());
    showFields(f);
}

void Parametr_Text_SCADA::Parametr_Ramka_Click() { showPreview(); }

void Parametr_Text_SCADA::Color_Text_Click()
{
    if (chooseColour(Color_Text))
        showPreview();
}

void Parametr_Text_SCADA::Color_Text_Fon_Click()
{
    if (chooseColour(Color_Text_Fon))
        showPreview();
}

void Parametr_Text_SCADA::Pipetka_key_Click()
{
    if (eyedropperColour() < 0)
        return; // the last click was off the page: no colour picked
    Color_Text_Fon->setColour(eyedropperColour());
    showPreview();
}

void Parametr_Text_SCADA::Out_Zad_Click()
{
    Label9->setText(label9Caption(Out_Zad->isChecked()));
    binding->blockChanged();
}

void Parametr_Text_SCADA::Ok_Parametr_Click() { okSlotted(Num_Par_Text->text()); }

void Parametr_Text_SCADA::storeElement(const SlotChoice &slot)
{
    ParameterFields f = fields();
    storeParameter(m_, page(), slot, f);
    views().showElement(element::Kind::Parameter, page(), slot.slot);
    views().setTemplateCaption(element::Kind::Parameter, QStringLiteral("0"));
}

void Parametr_Text_SCADA::Cancel_Par_Click() { leave(Way::Cancel); }

void Parametr_Text_SCADA::Delete_Parametr_Click() { deleteSlotted(Num_Par_Text->text()); }

void Parametr_Text_SCADA::Parametr_Label_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const auto view = c.views.shownView(element::Kind::Parameter, Index);
    const int n = pages::slotOfIndex(element::Kind::Parameter, p, Index);
    if (!view || n < 0 || n > kindInfo(Kind::Parameter).declaredBound)
        return;
    Parametr_Text_SCADA &w = openers.showDialog<Parametr_Text_SCADA>();
    // Opening writes nothing: a time-format element shows the digit choice 0
    // and Ok stores it.
    const auto opened = prefillParameter(c.m, p, n, boxOf(*view));
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
