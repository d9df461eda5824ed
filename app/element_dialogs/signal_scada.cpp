#include "element_dialogs/signal_scada.h"

#include "core/hosting/control_host.h"
#include "core/hosting/hosted_control.h"
#include "core/model/project_model.h"
#include "element_dialogs/box_text.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "elements/box_numbers.h"
#include "elements/element_codec.h"
#include "ui/hosted_control_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace pelmora {

using namespace element;

namespace {

const char kIndicatorProgId[] = "Lumtorkit.Lumtor";

// The preview's side in pixels: the size boxes' numbers, as the view takes them.
int previewSide(const QString &text) { return static_cast<int>(std::clamp(std::fabs(boxNumber(text)), 0.0, 60.0)); }

} // namespace

Signal_SCADA::Signal_SCADA(const ElementContext &c)
    : ElementDialog(c, Kind::Signal, QStringLiteral("Елемент сигналізація"))
{
    setFixedSize(560, 330);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 6, 290, 280);
    auto box = [props](const char *name, int y, const QString &text = QStringLiteral("1")) {
        auto *e = new QLineEdit(text, props);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(130, y, 80, 24);
        return e;
    };
    label(QStringLiteral("Номер сигналу"), 10, 24, 118, 20, props);
    Num_Signal_Text = new NumberBox(QStringLiteral("Num_Signal_Text"), props);
    Num_Signal_Text->setGeometry(130, 22, 80, 24);
    label(QStringLiteral("Координата Х"), 10, 54, 118, 20, props);
    Coord_X_Signal_Text = box("Coord_X_Signal_Text", 52);
    label(QStringLiteral("Координата Y"), 10, 84, 118, 20, props);
    Coord_Y_Signal_Text = box("Coord_Y_Signal_Text", 82);
    Label4 = label(QStringLiteral("Розмір Х "), 10, 114, 118, 20, props);
    Label4->setObjectName(QStringLiteral("Label4"));
    Signal_Width = box("Signal_Width", 112);
    Label5 = label(QStringLiteral("Розмір Y"), 10, 144, 118, 20, props);
    Label5->setObjectName(QStringLiteral("Label5"));
    Signal_Height = box("Signal_Height", 142);
    label(QStringLiteral("Тип сигналу"), 10, 174, 118, 20, props);
    Type_SIGNAL = new QComboBox(props);
    Type_SIGNAL->setObjectName(QStringLiteral("Type_SIGNAL"));
    Type_SIGNAL->setGeometry(130, 172, 150, 24);
    Type_SIGNAL->setMaxVisibleItems(9);
    label(QStringLiteral("№ у списку"), 10, 204, 118, 20, props);
    Spisok_Signal = new QComboBox(props);
    Spisok_Signal->setObjectName(QStringLiteral("Spisok_Signal"));
    Spisok_Signal->setGeometry(130, 202, 80, 24);
    Spisok_Signal->setMaxVisibleItems(16);
    Signal_Ramka = new QCheckBox(QStringLiteral("Рамка"), props);
    Signal_Ramka->setObjectName(QStringLiteral("Signal_Ramka"));
    Signal_Ramka->setGeometry(10, 240, 100, 24);
    Signal_Miganie = new QCheckBox(QStringLiteral("Мигання"), props);
    Signal_Miganie->setObjectName(QStringLiteral("Signal_Miganie"));
    Signal_Miganie->setGeometry(130, 240, 120, 24);

    label(QStringLiteral("Колір сигналу"), 306, 14, 110);
    Color_Signal = new ColourBox(QStringLiteral("Color_Signal"), this);
    Color_Signal->setGeometry(420, 12, 80, 24);
    Pipetka_key = new EyedropperButton(QStringLiteral("Pipetka_key"), this);
    Pipetka_key->setGeometry(508, 12, 24, 24);
    label(QStringLiteral("Колір фону"), 306, 44, 110);
    Color_Signal_Fon = new ColourBox(QStringLiteral("Color_Signal_Fon"), this);
    Color_Signal_Fon->setGeometry(420, 42, 80, 24);
    Pipetka_key_1 = new EyedropperButton(QStringLiteral("Pipetka_key_1"), this);
    Pipetka_key_1->setGeometry(508, 42, 24, 24);

    // The preview shows the signal at its size in pixels (60 at most).
    previewArea = new QFrame(this);
    previewArea->setObjectName(QStringLiteral("previewArea"));
    static_cast<QFrame *>(previewArea)->setFrameShape(QFrame::StyledPanel);
    previewArea->setGeometry(306, 76, 80, 80);
    if ((Sign_Label = hosting::ControlHost::shared().createOrReport(QString::fromLatin1(kIndicatorProgId)))) {
        hosting::setContainer(*Sign_Label, previewArea);
        Sign_Label->move(10, 10, 1, 1);
        Sign_Label->setVisible(true);
    }
    Signal_Timer_Miganie = new BlinkPreview(m_.pages.Dialog_Miganie_State, this);
    Signal_Timer_Miganie->timer()->setObjectName(QStringLiteral("Signal_Timer_Miganie"));
    Signal_Timer_Miganie->showPhase = [this](bool second) {
        setPreviewColour(element::blinkShown(second, true, Color_Signal->colour(), Color_Signal_Fon->colour()));
    };
    Signal_Timer_Miganie->showSteady = [this] { setPreviewColour(Color_Signal->colour()); };

    binding = new BindingPanel(QStringLiteral("Num_Block_Sign_Text"), QStringLiteral("Num_OUT_Sign"),
                               QStringLiteral("Номер виходу"), this);
    binding->setGeometry(306, 166, 246, 92);
    binding->rebuild = [this](const QString &block) { return outputList(m_, block); };
    Num_Block_Sign_Text = binding->blockBox();
    Num_OUT_Sign = binding->list();

    Ok_Signal = button(QStringLiteral("Ok_Signal"), QStringLiteral("Ok"), 8, 296, 100);
    Cancel_Signal = button(QStringLiteral("Cancel_Signal"), QStringLiteral("Відміна"), 230, 296, 100);
    Delete_Signal = button(QStringLiteral("Delete_Signal"), QStringLiteral("Видалити"), 452, 296, 100);

    connect(Type_SIGNAL, &QComboBox::activated, this, &Signal_SCADA::Type_SIGNAL_Click);
    connect(Signal_Width, &QLineEdit::textEdited, this, &Signal_SCADA::Signal_Width_Change);
    connect(Signal_Height, &QLineEdit::textEdited, this, &Signal_SCADA::Signal_Height_Change);
    connect(Color_Signal, &ColourBox::clicked, this, &Signal_SCADA::Color_Signal_Click);
    connect(Color_Signal_Fon, &ColourBox::clicked, this, &Signal_SCADA::Color_Signal_Fon_Click);
    connect(Pipetka_key, &QPushButton::clicked, this, &Signal_SCADA::Pipetka_key_Click);
    connect(Pipetka_key_1, &QPushButton::clicked, this, &Signal_SCADA::Pipetka_key_1_Click);
    connect(Signal_Ramka, &QCheckBox::clicked, this, &Signal_SCADA::Signal_Ramka_Click);
    connect(Signal_Miganie, &QCheckBox::clicked, this, &Signal_SCADA::Signal_Miganie_Click);
    connect(Ok_Signal, &QPushButton::clicked, this, &Signal_SCADA::Ok_Signal_Click);
    connect(Cancel_Signal, &QPushButton::clicked, this, &Signal_SCADA::Cancel_Signal_Click);
    connect(Delete_Signal, &QPushButton::clicked, this, &Signal_SCADA::Delete_Signal_Click);
    Form_Load();
}

Signal_SCADA::~Signal_SCADA() = default;

void Signal_SCADA::Form_Load()
{
    showFields(designSignal(m_));
    Pipetka_key->paint(eyedropperColour());
    Pipetka_key_1->paint(eyedropperColour());
}

void Signal_SCADA::showBoxes(const SignalFields &f)
{
    setBoxText(Signal_Width, f.width);
    setBoxText(Signal_Height, f.height);
    Signal_Width->setEnabled(f.widthEnabled);
    Signal_Height->setEnabled(f.heightEnabled);
    const auto [l4, l5] = signalSizeLabels(f.shape);
    if (f.shape >= 0) {
        Label4->setText(l4);
        Label5->setText(l5);
    }
    setTicked(Signal_Ramka, f.frame);
    Signal_Ramka->setEnabled(f.frameEnabled);
    showPreview(f);
}

void Signal_SCADA::showFields(const SignalFields &f)
{
    setBoxText(Num_Signal_Text, f.number);
    setBoxText(Coord_X_Signal_Text, f.x);
    setBoxText(Coord_Y_Signal_Text, f.y);
    ChoiceList shapes{signalShapeNames(), -1, QString()};
    shapes.select(f.shape);
    showChoice(Type_SIGNAL, shapes);
    ChoiceList lists{signalListNames(), -1, QString()};
    lists.select(f.list);
    showChoice(Spisok_Signal, lists);
    Color_Signal->setColour(f.colour);
    Color_Signal_Fon->setColour(f.colourFon);
    showBoxes(f);
    setTicked(Signal_Miganie, f.blink);
    binding->show(f.block, f.outputs);
    setPreviewColour(f.colour);
    Signal_Timer_Miganie->setBlinking(f.blink);
}

SignalFields Signal_SCADA::fields() const
{
    SignalFields f;
    f.number = Num_Signal_Text->text();
    f.x = Coord_X_Signal_Text->text();
    f.y = Coord_Y_Signal_Text->text();
    f.width = Signal_Width->text();
    f.height = Signal_Height->text();
    f.widthEnabled = Signal_Width->isEnabled();
    f.heightEnabled = Signal_Height->isEnabled();
    f.shape = Type_SIGNAL->currentIndex();
    f.list = Spisok_Signal->currentIndex();
    f.colour = Color_Signal->colour();
    f.colourFon = Color_Signal_Fon->colour();
    f.frame = Signal_Ramka->isChecked();
    f.frameEnabled = Signal_Ramka->isEnabled();
    f.blink = Signal_Miganie->isChecked();
    f.block = Num_Block_Sign_Text->text();
    f.outputs = binding->choice();
    return f;
}

void Signal_SCADA::setPreviewColour(std::int32_t bgr)
{
    previewColour_ = bgr;
    if (Sign_Label)
        Sign_Label->setProperty(QStringLiteral("ForeColor"), static_cast<qint64>(bgr));
}

void Signal_SCADA::showPreview(const SignalFields &f)
{
    if (!Sign_Label)
        return;
    Sign_Label->move(10, 10, std::max(previewSide(f.width), 1), std::max(previewSide(f.height), 1));
    Sign_Label->setProperty(QStringLiteral("Border_Style"), f.frame ? 1 : 0);
    if (f.shape >= 0)
        Sign_Label->setProperty(QStringLiteral("Type_Signal"), f.shape);
}

void Signal_SCADA::Type_SIGNAL_Click()
{
    SignalFields f = fields();
    const Notices n = signalShapeChosen(f, Type_SIGNAL->currentIndex());
    showBoxes(f);
    notify(n);
}

void Signal_SCADA::Signal_Width_Change()
{
    SignalFields f = fields();
    const Notices n = signalWidthChanged(f);
    showBoxes(f);
    notify(n);
}

void Signal_SCADA::Signal_Height_Change()
{
    SignalFields f = fields();
    const Notices n = signalHeightChanged(f);
    showBoxes(f);
    notify(n);
}

void Signal_SCADA::Color_Signal_Click()
{
    if (chooseColour(Color_Signal))
        setPreviewColour(Color_Signal->colour());
}

void Signal_SCADA::Color_Signal_Fon_Click()
{
    // The preview shows the second colour at once.
    if (chooseColour(Color_Signal_Fon))
        setPreviewColour(Color_Signal_Fon->colour());
}

void Signal_SCADA::Pipetka_key_Click()
{
    if (eyedropperColour() < 0)
        return; // the last click was off the page: no colour picked
    Color_Signal->setColour(eyedropperColour());
    setPreviewColour(eyedropperColour());
}

void Signal_SCADA::Pipetka_key_1_Click()
{
    if (eyedropperColour() < 0)
        return;
    Color_Signal_Fon->setColour(eyedropperColour());
}

void Signal_SCADA::Signal_Ramka_Click() { showPreview(fields()); }

void Signal_SCADA::Signal_Miganie_Click() { Signal_Timer_Miganie->setBlinking(Signal_Miganie->isChecked()); }

void Signal_SCADA::Ok_Signal_Click() { okSlotted(Num_Signal_Text->text()); }

void Signal_SCADA::storeElement(const SlotChoice &slot)
{
    SignalFields f = fields();
    const SignalStored r = storeSignal(m_, page(), slot, f);
    showBoxes(f);
    notify(r.notices);
    views().showElement(element::Kind::Signal, page(), slot.slot);
}

void Signal_SCADA::Delete_Signal_Click() { deleteSlotted(Num_Signal_Text->text()); }

void Signal_SCADA::Cancel_Signal_Click() { leave(Way::Cancel); }

void Signal_SCADA::Signal_Picture_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const auto view = c.views.shownView(element::Kind::Signal, Index);
    const int n = pages::slotOfIndex(element::Kind::Signal, p, Index);
    if (!view || n < 0 || n > kindInfo(Kind::Signal).declaredBound)
        return;
    const QRect g = view->box;
    Signal_SCADA &w = openers.showDialog<Signal_SCADA>();
    auto opened = prefillSignal(c.m, p, n, {g.x(), g.y(), g.width(), g.height()});
    if (n == 0) {
        // A new signal starts with the look its template shows, not the blank
        // record of slot 0, so that Ok without a change keeps what was on the page.
        opened.fields.colour = view->foreColour;
        if (opened.fields.frameEnabled)
            opened.fields.frame = view->borderStyle != 0;
    }
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
