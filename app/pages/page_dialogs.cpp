#include "pages/page_dialogs.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "pages/page_rules.h"
#include "pages/page_view.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelmora::pages {

// --- Coord_Setka -------------------------------------------------------------------

Coord_Setka::Coord_Setka(ProjectModel &m, MainWindowPort &main)
    : QWidget(nullptr), m_(m), frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QStringLiteral("Coord_Setka"));
    setWindowTitle(QStringLiteral("Координатна сітка"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(230, 110);
    auto *label = new QLabel(QStringLiteral("Розмір"), this);
    label->setGeometry(12, 14, 60, 20);
    Text_Razmer_Coord_NET = new QLineEdit(QStringLiteral("1"), this);
    Text_Razmer_Coord_NET->setObjectName(QStringLiteral("Text_Razmer_Coord_NET"));
    Text_Razmer_Coord_NET->setGeometry(76, 12, 60, 22);
    Control_Coord_Net = new QCheckBox(QStringLiteral("Керування"), this);
    Control_Coord_Net->setObjectName(QStringLiteral("Control_Coord_Net"));
    Control_Coord_Net->setGeometry(12, 42, 200, 22);
    Ok_Coord_Net = new QPushButton(QStringLiteral("Ok"), this);
    Ok_Coord_Net->setObjectName(QStringLiteral("Ok_Coord_Net"));
    Ok_Coord_Net->setGeometry(12, 74, 95, 26);
    Cancel_Coord_Net = new QPushButton(QStringLiteral("Відміна"), this);
    Cancel_Coord_Net->setObjectName(QStringLiteral("Cancel_Coord_Net"));
    Cancel_Coord_Net->setGeometry(122, 74, 95, 26);
    connect(Ok_Coord_Net, &QPushButton::clicked, this, &Coord_Setka::Ok_Coord_Net_Click);
    connect(Cancel_Coord_Net, &QPushButton::clicked, this, &Coord_Setka::Cancel_Coord_Net_Click);
    frame_->onEscape([this] { Cancel_Coord_Net_Click(); });
    frame_->setDefaultButton(Ok_Coord_Net);
}

void Coord_Setka::open() { frame_->show(); }

QString Coord_Setka::badStepMessage() { return QStringLiteral("Розмір сітки - ціле число від 1 до 32767"); }

void Coord_Setka::Ok_Coord_Net_Click()
{
    // A step below 1 cannot snap a position and one beyond 16 bits cannot be
    // kept: such a value is refused and the dialog stays open.
    const auto step = gridStepFromText(Text_Razmer_Coord_NET->text());
    if (!step) {
        showMessage(badStepMessage(), MsgIcon::Exclamation);
        return;
    }
    auto &pg = m_.pages;
    pg.Setka_Razmer = *step;
    pg.Setka_Razmer_Menu = *step;
    pg.Control_Grid = Control_Coord_Net->isChecked() ? 1 : 0;
    pg.Control_Grid_Menu = pg.Control_Grid;
    close();
}

void Coord_Setka::Cancel_Coord_Net_Click() { close(); }

// --- Num_Net_Orvo ------------------------------------------------------------------

Num_Net_Orvo::Num_Net_Orvo(ProjectModel &m, MainWindowPort &main, PageTabControl &tabs)
    : QWidget(nullptr), m_(m), tabs_(tabs),
      frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QStringLiteral("Num_Net_Orvo"));
    setWindowTitle(QStringLiteral("№ Orvo в мережі"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(300, 120);
    auto *name = new QLabel(QStringLiteral("Назва"), this);
    name->setGeometry(12, 14, 90, 20);
    Text1 = new QLineEdit(QStringLiteral("Сторінка 1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(106, 12, 180, 22);
    auto *number = new QLabel(QStringLiteral("Номер Orvo"), this);
    number->setGeometry(12, 46, 90, 20);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(106, 44, 100, 22);
    for (int i = 1; i <= 16; ++i)
        Combo2->addItem(QStringLiteral("№%1").arg(i));
    Combo2->setCurrentIndex(-1);
    Ok = new QPushButton(QStringLiteral("Ok"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Ok->setGeometry(12, 84, 130, 26);
    Cancel = new QPushButton(QStringLiteral("Відміна"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setGeometry(156, 84, 130, 26);
    connect(Ok, &QPushButton::clicked, this, &Num_Net_Orvo::Ok_Click);
    connect(Cancel, &QPushButton::clicked, this, &Num_Net_Orvo::Cancel_Click);
    frame_->onEscape([this] { Cancel_Click(); });
    frame_->setDefaultButton(Ok);
    Form_Load();
}

void Num_Net_Orvo::open() { frame_->show(); }

void Num_Net_Orvo::Form_Load() { Text1->setText(tabs_.Caption()); }

void Num_Net_Orvo::Ok_Click()
{
    auto &pg = m_.pages;
    pg.Stranica_Num_Net(tabs_.Tab()) = static_cast<std::int16_t>(Combo2->currentIndex());
    tabs_.setCaption(Text1->text());
    pg.Stranica_Name(pg.Num_Stranica_SCADA) = Text1->text();
    close();
}

void Num_Net_Orvo::Cancel_Click() { close(); }

} // namespace pelmora::pages
