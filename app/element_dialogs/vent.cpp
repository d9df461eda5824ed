#include "element_dialogs/vent.h"

#include "core/model/project_model.h"
#include "element_dialogs/box_text.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "element_dialogs/mechanizm_window.h"
#include "pages/builtin_pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora {

using namespace element;

namespace {

// The marker's size; a picture stands centred in the marker's cell.
constexpr int kMarkerWidth = 63, kMarkerHeight = 59;

QPixmap phasePicture(const QLabel *gif) { return gif->pixmap(); }

} // namespace

Vent::Vent(const ElementContext &c) : ElementDialog(c, Kind::Mechanism, QStringLiteral("Елемент механізм"))
{
    setFixedSize(775, 370);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 4, 470, 108);
    auto box = [props](const char *name, int x, int y, const QString &text = QStringLiteral("1")) {
        auto *e = new QLineEdit(text, props);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(x, y, 70, 24);
        return e;
    };
    label(QStringLiteral("Номер механізму"), 10, 20, 130, 20, props);
    Num_Vent_Text = new NumberBox(QStringLiteral("Num_Vent_Text"), props);
    Num_Vent_Text->setGeometry(142, 18, 70, 24);
    label(QStringLiteral("Координата Х"), 10, 48, 130, 20, props);
    Coord_X_Vent_Text = box("Coord_X_Vent_Text", 142, 46);
    label(QStringLiteral("Координата Y"), 10, 76, 130, 20, props);
    Coord_Y_Vent_Text = box("Coord_Y_Vent_Text", 142, 74);
    label(QStringLiteral("Розмір Х"), 240, 20, 120, 20, props);
    Vent_Width = box("Vent_Width", 370, 18, QString());
    Vent_Width->setReadOnly(true);
    label(QStringLiteral("Розмір Y"), 240, 48, 120, 20, props);
    Vent_Height = box("Vent_Height", 370, 46, QString());
    Vent_Height->setReadOnly(true);
    Fon_Vent = new QCheckBox(QStringLiteral("Фон "), props);
    Fon_Vent->setObjectName(QStringLiteral("Fon_Vent"));
    Fon_Vent->setGeometry(240, 74, 120, 24);

    binding = new BindingPanel(QStringLiteral("Num_Block_Vent"), QStringLiteral("Num_OUT_Vent"),
                               QStringLiteral("Номер выходу"), this);
    binding->setGeometry(486, 4, 280, 92);
    binding->rebuild = [this](const QString &block) { return outputList(m_, block); };
    Num_Block_Vent = binding->blockBox();
    Num_OUT_Vent = binding->list();

    LabelVent = new QLabel(this);
    LabelVent->setObjectName(QStringLiteral("LabelVent"));
    LabelVent->setFrameShape(QFrame::Box);
    LabelVent->setLineWidth(2);
    LabelVent->resize(kMarkerWidth, kMarkerHeight);
    // The marker lies over the chosen picture: its clicks (the second half
    // of a double-click) go through to the picture.
    LabelVent->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int code = 0; code < kVentPictures; ++code) {
        auto *p = new QLabel(this);
        p->setObjectName(QStringLiteral("PictureVent_%1").arg(code));
        p->setScaledContents(true);
        p->setPixmap(pages::builtin::PictureVent(code));
        const QSize s = ventPictureSize(code);
        const QPoint cell = ventMarkerPos(code);
        p->setGeometry(cell.x() + (kMarkerWidth - s.width()) / 2, cell.y() + (kMarkerHeight - s.height()) / 2,
                       s.width(), s.height());
        p->installEventFilter(this);
        PictureVent[code] = p;
    }
    // The legend over the screw and the belt conveyor.
    // It stands in the gap between the upright motor and the lying one.
    auto *legend = label(QStringLiteral("1<<0>>2"), ventMarkerPos(16).x() + 52, ventMarkerPos(16).y() - 13, 56, 12);
    legend->setObjectName(QStringLiteral("legend"));
    QFont small = legend->font();
    small.setPointSize(7);
    legend->setFont(small);
    GIF_MECHANIZM = new QLabel(this);
    GIF_MECHANIZM->setObjectName(QStringLiteral("GIF_MECHANIZM"));
    GIF_MECHANIZM->hide();

    Ok_Vent = button(QStringLiteral("Ok_Vent"), QStringLiteral("Ok"), 8, 334, 100);
    Cancel_Vent = button(QStringLiteral("Cancel_Vent"), QStringLiteral("Відміна"), 337, 334, 100);
    Delete_Vent = button(QStringLiteral("Delete_Vent"), QStringLiteral("Видалити"), 666, 334, 100);

    connect(Ok_Vent, &QPushButton::clicked, this, &Vent::Ok_Vent_Click);
    connect(Cancel_Vent, &QPushButton::clicked, this, [this] { Cancel_Vent_Click(0); });
    connect(Delete_Vent, &QPushButton::clicked, this, &Vent::Delete_Vent_Click);
    showFields(designMechanism());
}

bool Vent::eventFilter(QObject *watched, QEvent *event)
{
    for (int code = 0; code < kVentPictures; ++code) {
        if (watched != PictureVent[code])
            continue;
        if (event->type() == QEvent::MouseButtonPress) {
            PictureVent_Click(code);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            PictureVent_DblClick(code);
            return true;
        }
    }
    return ElementDialog::eventFilter(watched, event);
}

void Vent::frameChoice(int code)
{
    picture_ = code;
    LabelVent->move(ventMarkerPos(code));
    LabelVent->raise();
}

void Vent::showFields(const MechanismFields &f)
{
    setBoxText(Num_Vent_Text, f.number);
    setBoxText(Coord_X_Vent_Text, f.x);
    setBoxText(Coord_Y_Vent_Text, f.y);
    setBoxText(Vent_Width, f.width);
    setBoxText(Vent_Height, f.height);
    setTicked(Fon_Vent, f.background);
    binding->show(f.block, f.outputs);
    frameChoice(f.picture);
}

MechanismFields Vent::fields() const
{
    MechanismFields f;
    f.number = Num_Vent_Text->text();
    f.x = Coord_X_Vent_Text->text();
    f.y = Coord_Y_Vent_Text->text();
    f.width = Vent_Width->text();
    f.height = Vent_Height->text();
    f.picture = picture_;
    f.background = Fon_Vent->isChecked();
    f.block = Num_Block_Vent->text();
    f.outputs = binding->choice();
    return f;
}

void Vent::PictureVent_Click(int Index)
{
    MechanismFields f = fields();
    mechanismPictureClicked(m_, f, Index);
    frameChoice(f.picture);
}

std::function<void(Vent &vent)> Vent::openPhaseEditor = [](Vent &vent) {
    MECHANIZMf::open(vent.m_, vent.main_, vent,
                     [&vent](const QPixmap &phase0) { vent.GIF_MECHANIZM->setPixmap(phase0); });
};

void Vent::PictureVent_DblClick(int Index)
{
    PictureVent_Click(Index);
    if (Index != kUserMechanism || !openPhaseEditor)
        return;
    setEnabled(false);
    openPhaseEditor(*this);
}

void Vent::Ok_Vent_Click() { okSlotted(Num_Vent_Text->text()); }

void Vent::storeElement(const SlotChoice &slot)
{
    const MechanismView v = storeMechanism(m_, page(), slot, fields());
    views().showElement(element::Kind::Mechanism, page(), slot.slot);
    // The user mechanism's phase-0 picture is not in the record: the dialog
    // holds it. Without one the placeholder keeps the element visible, so it
    // can be opened again.
    if (v.look == VentLook::UserPhase)
        views().showPicture(element::Kind::Mechanism, page(), slot.slot, phasePicture(GIF_MECHANIZM));
}

void Vent::Cancel_Vent_Click(int) { leave(Way::Cancel); }

void Vent::Delete_Vent_Click() { deleteSlotted(Num_Vent_Text->text()); }

void Vent::Ventilator_Picture_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const auto view = c.views.shownView(element::Kind::Mechanism, Index);
    const int n = pages::slotOfIndex(element::Kind::Mechanism, p, Index);
    if (!view || n < 0 || n > kindInfo(Kind::Mechanism).declaredBound)
        return;
    Vent &w = openers.showDialog<Vent>();
    const auto opened = prefillMechanism(c.m, p, n, boxOf(*view));
    w.showFields(opened.fields);
    const bool user = opened.fields.picture == kUserMechanism;
    // A user mechanism brings its own picture, so that Ok keeps it.
    if (user)
        w.GIF_MECHANIZM->setPixmap(view->picture);
    notify(opened.notices);
    if (!opened.notices.empty() && opened.notices.back().icon == MsgIcon::Critical)
        return; // the guarded step failed: the grid keeps its placeholder
    if (user && !view->picture.isNull())
        w.PictureVent[kUserMechanism]->setPixmap(view->picture);
}

} // namespace pelmora
