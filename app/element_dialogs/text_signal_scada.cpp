#include "element_dialogs/text_signal_scada.h"

#include "core/model/project_model.h"
#include "element_dialogs/box_text.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "elements/element_codec.h"
#include "pages/page_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace pelmora {

using namespace element;

namespace {
constexpr int kTextLength = 12; // the longest text a box takes
} // namespace

Text_Signal_SCADA::Text_Signal_SCADA(const ElementContext &c)
    : ElementDialog(c, Kind::TextSignal, QStringLiteral("Елемент текстова сигналізація"))
{
    setFixedSize(590, 370);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 6, 310, 320);
    auto box = [props](const char *name, int y, const QString &text = QStringLiteral("1")) {
        auto *e = new QLineEdit(text, props);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(160, y, 140, 24);
        return e;
    };
    label(QStringLiteral("Номер сигналу"), 10, 24, 148, 20, props);
    Num_Text_Signal_Text = new NumberBox(QStringLiteral("Num_Text_Signal_Text"), props);
    Num_Text_Signal_Text->setGeometry(160, 22, 80, 24);
    label(QStringLiteral("Координата Х"), 10, 54, 148, 20, props);
    Coord_X_Text_Signal_Text = box("Coord_X_Text_Signal_Text", 52);
    Coord_X_Text_Signal_Text->setFixedWidth(80);
    label(QStringLiteral("Координата Y"), 10, 84, 148, 20, props);
    Coord_Y_Text_Signal_Text = box("Coord_Y_Text_Signal_Text", 82);
    Coord_Y_Text_Signal_Text->setFixedWidth(80);
    Label4 = label(QStringLiteral("Текст сигналу Вимк."), 10, 114, 148, 20, props);
    Label4->setObjectName(QStringLiteral("Label4"));
    Text_Signal = box("Text_Signal", 112, QStringLiteral("Текст 1"));
    Text_Signal->setMaxLength(kTextLength);
    Label8 = label(QStringLiteral("Текст сигналу Вмик."), 10, 144, 148, 20, props);
    Label8->setObjectName(QStringLiteral("Label8"));
    Text_Signal_1 = box("Text_Signal_1", 142, QStringLiteral("Текст 2"));
    Text_Signal_1->setMaxLength(kTextLength);
    label(QStringLiteral("Шрифт"), 10, 174, 148, 20, props);
    Text_Signal_Shrift = new QComboBox(props);
    Text_Signal_Shrift->setObjectName(QStringLiteral("Text_Signal_Shrift"));
    Text_Signal_Shrift->setGeometry(160, 172, 80, 24);
    label(QStringLiteral("№ у списку"), 10, 204, 148, 20, props);
    Spisok_Text_Signal = new QComboBox(props);
    Spisok_Text_Signal->setObjectName(QStringLiteral("Spisok_Text_Signal"));
    Spisok_Text_Signal->setGeometry(160, 202, 80, 24);
    Spisok_Text_Signal->setMaxVisibleItems(16);
    auto check = [props](const char *name, const QString &caption, int x, int y) {
        auto *b = new QCheckBox(caption, props);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, y, 140, 24);
        return b;
    };
    Text_Num = check("Text_Num", QStringLiteral("Текст"), 10, 236);
    Rep_Arch = check("Rep_Arch", QStringLiteral("Звіт"), 160, 236);
    Text_Signal_Ramka = check("Text_Signal_Ramka", QStringLiteral("Рамка"), 10, 266);
    Text_Signal_Miganie = check("Text_Signal_Miganie", QStringLiteral("Мигання"), 160, 266);

    label(QStringLiteral("Колір сигналу"), 328, 14, 110);
    Color_Text_Signal = new ColourBox(QStringLiteral("Color_Text_Signal"), this);
    Color_Text_Signal->setGeometry(442, 12, 80, 24);
    Pipetka_key_1 = new EyedropperButton(QStringLiteral("Pipetka_key_1"), this);
    Pipetka_key_1->setGeometry(530, 12, 24, 24);
    label(QStringLiteral("Колір фону"), 328, 44, 110);
    Color_Text_Signal_Fon = new ColourBox(QStringLiteral("Color_Text_Signal_Fon"), this);
    Color_Text_Signal_Fon->setGeometry(442, 42, 80, 24);
    Pipetka_key = new EyedropperButton(QStringLiteral("Pipetka_key"), this);
    Pipetka_key->setGeometry(530, 42, 24, 24);

    Text_Sign_Label = new pages::ElementLabel(this);
    Text_Sign_Label->setObjectName(QStringLiteral("Text_Sign_Label"));
    Text_Sign_Label->setCaptionFont(QFont(QStringLiteral("Consolas")));
    Text_Sign_Label->setAutoSize(true);
    Text_Sign_Label->move(330, 84);
    Text_Sign_Label->setPointSize(10);
    Text_Signal_Timer_Miganie = new BlinkPreview(m_.pages.Dialog_Miganie_State, this);
    Text_Signal_Timer_Miganie->timer()->setObjectName(QStringLiteral("Text_Signal_Timer_Miganie"));
    Text_Signal_Timer_Miganie->showPhase = [this](bool second) {
        Text_Sign_Label->setForeColor(Color_Text_Signal->colour());
        Text_Sign_Label->setCaption(element::blinkShown(second, true, Text_Signal->text(), Text_Signal_1->text()));
    };

    Out_Sp = new QCheckBox(QStringLiteral("Вихід/Задатчик"), this);
    Out_Sp->setObjectName(QStringLiteral("Out_Sp"));
    Out_Sp->setGeometry(328, 140, 240, 24);
    binding = new BindingPanel(QStringLiteral("Num_Block_Sign_Text_Text"), QStringLiteral("Num_OUT_Sign_Text"),
                               QStringLiteral("Номер виходу"), this);
    binding->setGeometry(328, 170, 254, 92);
    binding->rebuild = [this](const QString &block) { return bindingList(m_, block, Out_Sp->isChecked()); };
    Num_Block_Sign_Text_Text = binding->blockBox();
    Num_OUT_Sign_Text = binding->list();

    Ok_Text_Signal = button(QStringLiteral("Ok_Text_Signal"), QStringLiteral("Ok"), 8, 336, 100);
    Cancel_Text_Signal = button(QStringLiteral("Cancel_Text_Signal"), QStringLiteral("Відміна"), 245, 336, 100);
    Delete_Text_Signal = button(QStringLiteral("Delete_Text_Signal"), QStringLiteral("Видалити"), 482, 336, 100);

    connect(Out_Sp, &QCheckBox::clicked, this, &Text_Signal_SCADA::Out_Sp_Click);
    connect(Text_Num, &QCheckBox::clicked, this, &Text_Signal_SCADA::Text_Num_Click);
    connect(Spisok_Text_Signal, &QComboBox::activated, this, &Text_Signal_SCADA::Spisok_Text_Signal_Click);
    connect(Text_Signal, &QLineEdit::textEdited, this, &Text_Signal_SCADA::Text_Signal_Change);
    connect(Text_Signal_Shrift, &QComboBox::activated, this, &Text_Signal_SCADA::Text_Signal_Shrift_Click);
    connect(Text_Signal_Ramka, &QCheckBox::clicked, this, &Text_Signal_SCADA::Text_Signal_Ramka_Click);
    connect(Text_Signal_Miganie, &QCheckBox::clicked, this, &Text_Signal_SCADA::Text_Signal_Miganie_Click);
    connect(Color_Text_Signal, &ColourBox::clicked, this, &Text_Signal_SCADA::Color_Text_Signal_Click);
    connect(Color_Text_Signal_Fon, &ColourBox::clicked, this, &Text_Signal_SCADA::Color_Text_Signal_Fon_Click);
    connect(Pipetka_key, &QPushButton::clicked, this, &Text_Signal_SCADA::Pipetka_key_Click);
    connect(Pipetka_key_1, &QPushButton::clicked, this, &Text_Signal_SCADA::Pipetka_key_1_Click);
    connect(Ok_Text_Signal, &QPushButton::clicked, this, &Text_Signal_SCADA::Ok_Text_Signal_Click);
    connect(Cancel_Text_Signal, &QPushButton::clicked, this, &Text_Signal_SCADA::Cancel_Text_Signal_Click);
    connect(Delete_Text_Signal, &QPushButton::clicked, this, &Text_Signal_SCADA::Delete_Text_Signal_Click);
    Form_Load();
}

void Text_Signal_SCADA::Form_Load()
{
    showFields(designTextSignal(m_));
    // Until a list number is chosen the texts keep their design labels.
    Label4->setText(textSignalTextLabels(-1).first);
    Label8->setText(textSignalTextLabels(-1).second);
    Pipetka_key->paint(eyedropperColour());
    Pipetka_key_1->paint(eyedropperColour());
}

void Text_Signal_SCADA::showFields(const TextSignalFields &f)
{
    setBoxText(Num_Text_Signal_Text, f.number);
    setBoxText(Coord_X_Text_Signal_Text, f.x);
    setBoxText(Coord_Y_Text_Signal_Text, f.y);
    // Texts are typed up to 12 characters; a longer stored text is shown
    // whole, so that Ok without a change does not cut it.
    for (auto [box, text] : {std::pair{Text_Signal, f.textOff}, std::pair{Text_Signal_1, f.textOn}}) {
        box->setMaxLength(std::max(kTextLength, static_cast<int>(text.size())));
        setBoxText(box, text);
    }
    ChoiceList fonts{textSignalFontNames(), -1, QStringLiteral("1")};
    fonts.select(f.fontChoice);
    showChoice(Text_Signal_Shrift, fonts);
    fontSize_ = f.fontSize;
    ChoiceList lists{textSignalListNames(), -1, QStringLiteral("No")};
    lists.select(f.list);
    showChoice(Spisok_Text_Signal, lists);
    if (f.list >= 0) {
        const auto [off, on] = textSignalTextLabels(f.list);
        Label4->setText(off);
        Label8->setText(on);
    }
    setTicked(Text_Num, f.numberMode);
    Text_Num->setText(textNumCaption(f.numberMode));
    setTicked(Out_Sp, f.setpoint);
    setTicked(Rep_Arch, f.report);
    Color_Text_Signal->setColour(f.colour);
    Color_Text_Signal_Fon->setColour(f.colourFon);
    setTicked(Text_Signal_Ramka, f.frame);
    setTicked(Text_Signal_Miganie, f.blink);
    binding->show(f.block, f.outputs);

    Text_Sign_Label->setCaption(f.textOff);
    Text_Sign_Label->setBorderStyle(f.frame ? 1 : 0);
    Text_Sign_Label->setPointSize(f.fontSize > 0 ? f.fontSize : 10);
    showPreviewColours();
    Text_Signal_Timer_Miganie->setBlinking(f.blink);
}

TextSignalFields Text_Signal_SCADA::fields() const
{
    TextSignalFields f;
    f.number = Num_Text_Signal_Text->text();
    f.x = Coord_X_Text_Signal_Text->text();
    f.y = Coord_Y_Text_Signal_Text->text();
    f.textOff = Text_Signal->text();
    f.textOn = Text_Signal_1->text();
    f.fontChoice = Text_Signal_Shrift->currentIndex();
    f.fontSize = fontSize_;
    f.list = Spisok_Text_Signal->currentIndex();
    f.numberMode = Text_Num->isChecked();
    f.setpoint = Out_Sp->isChecked();
    f.report = Rep_Arch->isChecked();
    f.colour = Color_Text_Signal->colour();
    f.colourFon = Color_Text_Signal_Fon->colour();
    f.frame = Text_Signal_Ramka->isChecked();
    f.blink = Text_Signal_Miganie->isChecked();
    f.block = Num_Block_Sign_Text_Text->text();
    f.outputs = binding->choice();
    return f;
}

void Text_Signal_SCADA::showPreviewColours()
{
    Text_Sign_Label->setForeColor(Color_Text_Signal->colour());
    Text_Sign_Label->setBackColor(Color_Text_Signal_Fon->colour());
}

void Text_Signal_SCADA::Out_Sp_Click()
{
    Out_Sp->setText(outSpCaption(Out_Sp->isChecked()));
    binding->blockChanged();
}

void Text_Signal_SCADA::Text_Num_Click() { Text_Num->setText(textNumCaption(Text_Num->isChecked())); }

void Text_Signal_SCADA::Spisok_Text_Signal_Click()
{
    const auto [off, on] = textSignalTextLabels(Spisok_Text_Signal->currentIndex());
    Label4->setText(off);
    Label8->setText(on);
}

void Text_Signal_SCADA::Text_Signal_Change() { Text_Sign_Label->setCaption(Text_Signal->text()); }

void Text_Signal_SCADA::Text_Signal_Shrift_Click()
{
    TextSignalFields f = fields();
    textSignalFontChosen(f, Text_Signal_Shrift->currentIndex());
    fontSize_ = f.fontSize;
    Text_Sign_Label->setPointSize(fontSize_);
}

void Text_Signal_SCADA::Text_Signal_Ramka_Click() { Text_Sign_Label->setBorderStyle(Text_Signal_Ramka->isChecked()); }

void Text_Signal_SCADA::Text_Signal_Miganie_Click()
{
    const bool on = Text_Signal_Miganie->isChecked();
    Text_Signal_Timer_Miganie->setBlinking(on);
    Text_Sign_Label->setCaption(on ? Text_Signal_1->text() : Text_Signal->text());
}

void Text_Signal_SCADA::Color_Text_Signal_Click()
{
    if (chooseColour(Color_Text_Signal))
        showPreviewColours();
}

void Text_Signal_SCADA::Color_Text_Signal_Fon_Click()
{
    if (chooseColour(Color_Text_Signal_Fon))
        showPreviewColours();
}

void Text_Signal_SCADA::Pipetka_key_Click()
{
    if (eyedropperColour() < 0)
        return; // the last click was off the page: no colour picked
    Color_Text_Signal_Fon->setColour(eyedropperColour());
    Text_Sign_Label->setBackColor(eyedropperColour());
}

void Text_Signal_SCADA::Pipetka_key_1_Click()
{
    if (eyedropperColour() < 0)
        return;
    Color_Text_Signal->setColour(eyedropperColour());
}

void Text_Signal_SCADA::Ok_Text_Signal_Click() { okSlotted(Num_Text_Signal_Text->text()); }

void Text_Signal_SCADA::storeElement(const SlotChoice &slot)
{
    TextSignalFields f = fields();
    storeTextSignal(m_, page(), slot, f);
    views().showElement(element::Kind::TextSignal, page(), slot.slot);
}

void Text_Signal_SCADA::Delete_Text_Signal_Click() { deleteSlotted(Num_Text_Signal_Text->text()); }

void Text_Signal_SCADA::Cancel_Text_Signal_Click() { leave(Way::Cancel); }

void Text_Signal_SCADA::Text_Signal_Picture_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const auto view = c.views.shownView(element::Kind::TextSignal, Index);
    const int n = pages::slotOfIndex(element::Kind::TextSignal, p, Index);
    if (!view || n < 0 || n > kindInfo(Kind::TextSignal).declaredBound)
        return;
    Text_Signal_SCADA &w = openers.showDialog<Text_Signal_SCADA>();
    auto opened = prefillTextSignal(c.m, p, n, boxOf(*view));
    if (n == 0) {
        // A new text signal starts with the look its template shows, not the
        // blank record of slot 0, so that Ok without a change keeps what was on the page.
        TextSignalFields &f = opened.fields;
        f.textOff = f.textOn = view->caption;
        f.colour = view->foreColour;
        f.colourFon = view->backColour;
        f.frame = view->borderStyle != 0;
        const int choice = textSignalFontChoice(view->font.pointSize());
        if (choice >= 0)
            textSignalFontChosen(f, choice);
    }
    w.showFields(opened.fields);
    w.Out_Sp->setText(outSpCaption(opened.fields.setpoint));
    notify(opened.notices);
}

} // namespace pelmora
