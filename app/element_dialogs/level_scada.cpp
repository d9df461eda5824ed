#include "element_dialogs/level_scada.h"

#include "core/model/project_model.h"
#include "element_dialogs/box_text.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "elements/box_numbers.h"
#include "pages/page_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace pelmora {

using namespace element;

namespace {

// The sample's bottom edge stays here, pixels of the sample area; the
// tallest bar (200) fits above it.
constexpr int kSampleBottom = 206;
constexpr int kSampleLeft = 6;

double sampleSide(const QString &text) { return std::clamp(std::fabs(boxNumber(text)), 0.0, 200.0); }

} // namespace

Level_SCADA::Level_SCADA(const ElementContext &c) : ElementDialog(c, Kind::Level, QStringLiteral("Елемент рівень"))
{
    setFixedSize(560, 360);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 6, 290, 310);
    auto box = [props](const char *name, int y) {
        auto *e = new QLineEdit(QStringLiteral("1"), props);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(150, y, 80, 24);
        return e;
    };
    label(QStringLiteral("Номер рівня"), 10, 24, 138, 20, props);
    Num_Level_Text = new NumberBox(QStringLiteral("Num_Level_Text"), props);
    Num_Level_Text->setGeometry(150, 22, 80, 24);
    label(QStringLiteral("Координата Х"), 10, 54, 138, 20, props);
    Coord_X_Level_Text = box("Coord_X_Level_Text", 52);
    label(QStringLiteral("Координата Y"), 10, 84, 138, 20, props);
    Coord_Y_Level_Text = box("Coord_Y_Level_Text", 82);
    label(QStringLiteral("Розмір  Х"), 10, 114, 138, 20, props);
    Level_Width = box("Level_Width", 112);
    label(QStringLiteral("Розмір  Y"), 10, 144, 138, 20, props);
    Level_Height = box("Level_Height", 142);
    Check1 = new QCheckBox(QStringLiteral("Тип"), props);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(10, 174, 120, 24);
    Level_Ramka = new QCheckBox(QStringLiteral("Рамка"), props);
    Level_Ramka->setObjectName(QStringLiteral("Level_Ramka"));
    Level_Ramka->setGeometry(150, 174, 120, 24);
    label(QStringLiteral("Масштаб"), 10, 206, 138, 20, props);
    Level_Mashtab = box("Level_Mashtab", 204);
    label(QStringLiteral("Колір рівень"), 10, 238, 138, 20, props);
    Color_Level_Level = new ColourBox(QStringLiteral("Color_Level_Level"), props);
    Color_Level_Level->setGeometry(150, 236, 80, 24);
    label(QStringLiteral("Колір фону"), 10, 268, 138, 20, props);
    Color_Level_Fon = new ColourBox(QStringLiteral("Color_Level_Fon"), props);
    Color_Level_Fon->setGeometry(150, 266, 80, 24);

    auto *area = new QFrame(this);
    area->setObjectName(QStringLiteral("sampleArea"));
    area->setFrameShape(QFrame::StyledPanel);
    area->setGeometry(306, 10, 246, kSampleBottom + 6);
    sampleArea = area;
    Lev_Picture = new pages::ElementLabel(area);
    Lev_Picture->setObjectName(QStringLiteral("Lev_Picture"));
    Lev_Picture_1 = new pages::ElementLabel(area);
    Lev_Picture_1->setObjectName(QStringLiteral("Lev_Picture_1"));

    binding = new BindingPanel(QStringLiteral("Num_Block_Lev_Text"), QStringLiteral("Num_OUT_Lev"),
                               QStringLiteral("Номер виходу"), this);
    binding->setGeometry(306, 224, 246, 92);
    binding->rebuild = [this](const QString &block) { return outputList(m_, block); };
    Num_Block_Lev_Text = binding->blockBox();
    Num_OUT_Lev = binding->list();

    Ok_Level = button(QStringLiteral("Ok_Level"), QStringLiteral("Ok"), 8, 326, 100);
    Cancel_Level = button(QStringLiteral("Cancel_Level"), QStringLiteral("Відміна"), 230, 326, 100);
    Delete_Level = button(QStringLiteral("Delete_Level"), QStringLiteral("Видалити"), 452, 326, 100);

    connect(Check1, &QCheckBox::clicked, this, &Level_SCADA::Check1_Click);
    connect(Level_Width, &QLineEdit::textEdited, this, &Level_SCADA::Level_Width_Change);
    connect(Level_Height, &QLineEdit::textEdited, this, &Level_SCADA::Level_Height_Change);
    connect(Level_Ramka, &QCheckBox::clicked, this, &Level_SCADA::Level_Ramka_Click);
    connect(Color_Level_Level, &ColourBox::clicked, this, &Level_SCADA::Color_Level_Level_Click);
    connect(Color_Level_Fon, &ColourBox::clicked, this, &Level_SCADA::Color_Level_Fon_Click);
    connect(Ok_Level, &QPushButton::clicked, this, &Level_SCADA::Ok_Level_Click);
    connect(Cancel_Level, &QPushButton::clicked, this, &Level_SCADA::Cancel_Level_Click);
    connect(Delete_Level, &QPushButton::clicked, this, &Level_SCADA::Delete_Level_Click);
    Form_Load();
}

void Level_SCADA::Form_Load() { showFields(designLevel(m_)); }

void Level_SCADA::showFields(const LevelFields &f)
{
    setBoxText(Num_Level_Text, f.number);
    setBoxText(Coord_X_Level_Text, f.x);
    setBoxText(Coord_Y_Level_Text, f.y);
    // The lengths first, so that a size the new type allows is not cut.
    const auto [widthLength, heightLength] = levelBoxLengths(f.horizontal);
    Level_Width->setMaxLength(std::max(widthLength, static_cast<int>(f.width.size())));
    Level_Height->setMaxLength(std::max(heightLength, static_cast<int>(f.height.size())));
    setBoxText(Level_Width, f.width);
    setBoxText(Level_Height, f.height);
    Level_Width->setMaxLength(widthLength);
    Level_Height->setMaxLength(heightLength);
    setTicked(Check1, f.horizontal);
    setTicked(Level_Ramka, f.frame);
    setBoxText(Level_Mashtab, f.scale);
    Color_Level_Level->setColour(f.colour);
    Color_Level_Fon->setColour(f.colourFon);
    binding->show(f.block, f.outputs);
    showSample();
}

LevelFields Level_SCADA::fields() const
{
    LevelFields f;
    f.number = Num_Level_Text->text();
    f.x = Coord_X_Level_Text->text();
    f.y = Coord_Y_Level_Text->text();
    f.width = Level_Width->text();
    f.height = Level_Height->text();
    f.scale = Level_Mashtab->text();
    f.horizontal = Check1->isChecked();
    f.frame = Level_Ramka->isChecked();
    f.colour = Color_Level_Level->colour();
    f.colourFon = Color_Level_Fon->colour();
    f.block = Num_Block_Lev_Text->text();
    f.outputs = binding->choice();
    return f;
}

void Level_SCADA::showSample()
{
    const LevelFields f = fields();
    const double w = sampleSide(f.width), h = sampleSide(f.height);
    const LevelPieces l =
        levelPieces(kSampleLeft, kSampleBottom - h, w, h, f.horizontal, f.frame, f.colour, f.colourFon);
    Lev_Picture->setGeometry(l.bar.toRect());
    Lev_Picture->setBackColor(l.barColour);
    Lev_Picture->setBorderStyle(l.borderStyle);
    Lev_Picture_1->setGeometry(l.piece.toRect());
    Lev_Picture_1->setBackColor(l.pieceColour);
    Lev_Picture_1->setBorderStyle(l.borderStyle);
    Lev_Picture_1->raise();
}

void Level_SCADA::Check1_Click()
{
    LevelFields f = fields();
    const Notices n = levelTypeClicked(f);
    showFields(f);
    notify(n);
}

void Level_SCADA::Level_Width_Change()
{
    LevelFields f = fields();
    const Notices n = levelWidthChanged(f);
    showFields(f);
    notify(n);
}

void Level_SCADA::Level_Height_Change()
{
    LevelFields f = fields();
    const Notices n = levelHeightChanged(f);
    showFields(f);
    notify(n);
}

void Level_SCADA::Level_Ramka_Click() { showSample(); }

void Level_SCADA::Color_Level_Level_Click()
{
    if (chooseColour(Color_Level_Level))
        showSample();
}

void Level_SCADA::Color_Level_Fon_Click()
{
    if (chooseColour(Color_Level_Fon))
        showSample();
}

void Level_SCADA::Ok_Level_Click() { okSlotted(Num_Level_Text->text()); }

void Level_SCADA::storeElement(const SlotChoice &slot)
{
    LevelFields f = fields();
    const LevelStored r = storeLevel(m_, page(), slot, f);
    showFields(f);
    notify(r.notices);
    views().showElement(element::Kind::Level, page(), slot.slot);
}

void Level_SCADA::Cancel_Level_Click() { leave(Way::Cancel); }

void Level_SCADA::Delete_Level_Click() { deleteSlotted(Num_Level_Text->text()); }

void Level_SCADA::Level_Picture_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const auto bar = c.views.shownView(element::Kind::Level, Index);
    const int n = pages::slotOfIndex(element::Kind::Level, p, Index);
    if (!bar || n < 0 || n > kindInfo(Kind::Level).declaredBound)
        return;
    Level_SCADA &w = openers.showDialog<Level_SCADA>();
    auto opened = prefillLevel(c.m, p, n, boxOf(*bar));
    if (n == 0) {
        // A new bar starts vertical with the colours and frame its template
        // shows (the bar in the fill colour, the half piece over it in the
        // background colour), not the blank record of slot 0.
        opened.fields.colour = bar->backColour;
        opened.fields.colourFon = bar->pieceColour;
        opened.fields.frame = bar->borderStyle != 0;
    }
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
