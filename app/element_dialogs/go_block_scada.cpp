#include "element_dialogs/go_block_scada.h"

#include "core/model/project_model.h"
#include "element_dialogs/box_text.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora {

using namespace element;

Go_Block_SCADA::Go_Block_SCADA(const ElementContext &c) : ElementDialog(c, Kind::Transition, QStringLiteral("Блок "))
{
    setFixedSize(350, 250);
    label(QStringLiteral("Номер переходу"), 12, 14, 170);
    Num_Go_Block_Text = new NumberBox(QStringLiteral("Num_Go_Block_Text"), this);
    Num_Go_Block_Text->setGeometry(190, 12, 80, 24);
    label(QStringLiteral("Номер блоку(1-99) "), 12, 44, 170);
    Num_Block_Text = new QLineEdit(QStringLiteral("00"), this);
    Num_Block_Text->setObjectName(QStringLiteral("Num_Block_Text"));
    Num_Block_Text->setMaxLength(2);
    Num_Block_Text->setGeometry(190, 42, 80, 24);
    Label3 = label(QStringLiteral("Група графіків"), 12, 74, 170);
    Label3->setObjectName(QStringLiteral("Label3"));
    Num_Graf_SCADA = new QComboBox(this);
    Num_Graf_SCADA->setObjectName(QStringLiteral("Num_Graf_SCADA"));
    Num_Graf_SCADA->setGeometry(190, 72, 140, 24);
    Num_Graf_SCADA->setMaxVisibleItems(16);
    auto check = [this](const char *name, const QString &caption, int y) {
        auto *b = new QCheckBox(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(12, y, 200, 24);
        return b;
    };
    Go_Dubl = check("Go_Dubl", QStringLiteral("Подвійне поле"), 106);
    Blokirovka = check("Blokirovka", QStringLiteral("Блокування"), 136);
    Process_Sozdat = check("Process_Sozdat", QStringLiteral("Процес"), 166);
    Ok_Go_Block = button(QStringLiteral("Ok_Go_Block"), QStringLiteral("Ok"), 12, 210, 100);
    Cancel_Go_Block = button(QStringLiteral("Cancel_Go_Block"), QStringLiteral("Відміна"), 124, 210, 100);
    Delete_Go_Block = button(QStringLiteral("Delete_Go_Block"), QStringLiteral("Видалити"), 236, 210, 100);

    connect(Num_Block_Text, &QLineEdit::textEdited, this, &Go_Block_SCADA::Num_Block_Text_Change);
    connect(Process_Sozdat, &QCheckBox::clicked, this, &Go_Block_SCADA::Process_Sozdat_Click);
    connect(Blokirovka, &QCheckBox::clicked, this, &Go_Block_SCADA::Blokirovka_Click);
    connect(Ok_Go_Block, &QPushButton::clicked, this, &Go_Block_SCADA::Ok_Go_Block_Click);
    connect(Cancel_Go_Block, &QPushButton::clicked, this, &Go_Block_SCADA::Cancel_Go_Block_Click);
    connect(Delete_Go_Block, &QPushButton::clicked, this, &Go_Block_SCADA::Delete_Go_Block_Click);
    Form_Load();
}

void Go_Block_SCADA::Form_Load() { showFields(designTransition()); }

void Go_Block_SCADA::showFields(const TransitionFields &f)
{
    setBoxText(Num_Go_Block_Text, f.number);
    setBoxText(Num_Block_Text, f.block);
    setTicked(Go_Dubl, f.doubleField);
    setTicked(Blokirovka, f.lock);
    setTicked(Process_Sozdat, f.process);
    Process_Sozdat->setText(f.processCaption);
    Label3->setText(f.listLabel);
    Label3->setVisible(f.listShown);
    showChoice(Num_Graf_SCADA, f.list);
    Num_Graf_SCADA->setVisible(f.listShown);
}

TransitionFields Go_Block_SCADA::fields() const
{
    TransitionFields f;
    f.number = Num_Go_Block_Text->text();
    f.block = Num_Block_Text->text();
    f.doubleField = Go_Dubl->isChecked();
    f.lock = Blokirovka->isChecked();
    f.process = Process_Sozdat->isChecked();
    f.processCaption = Process_Sozdat->text();
    f.listLabel = Label3->text();
    f.listShown = !Num_Graf_SCADA->isHidden();
    f.list = choiceOf(Num_Graf_SCADA);
    return f;
}

void Go_Block_SCADA::Num_Block_Text_Change()
{
    TransitionFields f = fields();
    transitionBlockChanged(m_, f);
    showFields(f);
}

void Go_Block_SCADA::Process_Sozdat_Click()
{
    TransitionFields f = fields();
    transitionProcessClicked(m_, f);
    showFields(f);
}

void Go_Block_SCADA::Ok_Go_Block_Click()
{
    if (Num_Graf_SCADA->currentIndex() < 0 && Num_Graf_SCADA->count() > 0)
        Num_Graf_SCADA->setCurrentIndex(0);
    okSlotted(Num_Go_Block_Text->text());
}

void Go_Block_SCADA::storeElement(const SlotChoice &slot)
{
    // A new transition stands where the template stands, and the record
    // takes its place from the view.
    const auto view = shownOrTemplate(element::Kind::Transition, slot.viewIndex);
    TransitionFields f = fields();
    storeTransition(m_, page(), slot, f, view ? view->box.topLeft() : QPoint());
    views().showElement(element::Kind::Transition, page(), slot.slot);
}

void Go_Block_SCADA::Cancel_Go_Block_Click() { leave(Way::Cancel); }

void Go_Block_SCADA::Delete_Go_Block_Click() { deleteSlotted(Num_Go_Block_Text->text()); }

void Go_Block_SCADA::Go_Block_Label_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const int p = c.m.pages.Num_Stranica_SCADA;
    const int n = pages::slotOfIndex(element::Kind::Transition, p, Index);
    if (!c.views.shownView(element::Kind::Transition, Index) || n < 0 || n > kindInfo(Kind::Transition).declaredBound)
        return;
    Go_Block_SCADA &w = openers.showDialog<Go_Block_SCADA>();
    auto opened = prefillTransition(c.m, p, n);
    if (n == 0) {
        // A new transition starts with the block number its template shows, so
        // that Ok without a change keeps what was on the page.
        const auto view = c.views.shownView(element::Kind::Transition, 0);
        bool number = false;
        view->caption.toInt(&number);
        if (number) {
            opened.fields.block = view->caption;
            transitionBlockChanged(c.m, opened.fields);
        }
    }
    w.showFields(opened.fields);
    notify(opened.notices);
}

} // namespace pelmora
