#include "element_dialogs/image_control.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "element_dialogs/dialog_parts.h"
#include "element_dialogs/element_openers.h"
#include "elements/box_numbers.h"
#include "pages/builtin_pictures.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace pelmora {

using namespace element;

namespace {
// The preview frame never grows beyond the area it stands in.
constexpr int kPreviewLeft = 320, kPreviewTop = 16, kPreviewWidth = 248, kPreviewHeight = 150;
} // namespace

Image_Control::Image_Control(const ElementContext &c)
    : ElementDialog(c, Kind::Control, QStringLiteral("Елемент керування"))
{
    setFixedSize(580, 318);
    auto *props = new QGroupBox(QStringLiteral("Властивості"), this);
    props->setGeometry(8, 6, 300, 264);
    auto box = [props](const char *name, const QString &text, int y) {
        auto *e = new QLineEdit(text, props);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(150, y, 80, 24);
        return e;
    };
    label(QStringLiteral("Номер элемента"), 10, 26, 136, 20, props);
    Num_Control_Text = new NumberBox(QStringLiteral("Num_Control_Text"), props);
    Num_Control_Text->setGeometry(150, 24, 80, 24);
    label(QStringLiteral("Координата Х"), 10, 56, 136, 20, props);
    Coord_X_Control_Text = box("Coord_X_Control_Text", QStringLiteral("1"), 54);
    label(QStringLiteral("Координата Y"), 10, 86, 136, 20, props);
    Coord_Y_Control_Text = box("Coord_Y_Control_Text", QStringLiteral("1"), 84);
    label(QStringLiteral("Розмір  Х"), 10, 116, 136, 20, props);
    Control_Width = box("Control_Width", QStringLiteral("1"), 114);
    label(QStringLiteral("Розмір  Y"), 10, 146, 136, 20, props);
    Control_Height = box("Control_Height", QStringLiteral("1"), 144);
    label(QStringLiteral("Тип кнопки"), 10, 176, 136, 20, props);
    Type_Key = new QComboBox(props);
    Type_Key->setObjectName(QStringLiteral("Type_Key"));
    Type_Key->setGeometry(150, 174, 140, 24);
    Type_Key->setMaxVisibleItems(20);
    label(QStringLiteral("Назва файлу"), 10, 206, 136, 20, props);
    Name_Control_Gif = new QLineEdit(props);
    Name_Control_Gif->setObjectName(QStringLiteral("Name_Control_Gif"));
    Name_Control_Gif->setGeometry(10, 230, 280, 24);
    Load_Control_GIF = new QPushButton(QStringLiteral("Завантажити"), props);
    Load_Control_GIF->setObjectName(QStringLiteral("Load_Control_GIF"));
    Load_Control_GIF->setGeometry(150, 198, 140, 26);

    auto *area = new QFrame(this);
    area->setFrameShape(QFrame::StyledPanel);
    area->setGeometry(kPreviewLeft - 2, kPreviewTop - 2, kPreviewWidth + 4, kPreviewHeight + 4);
    Image_Control_Wiew = new QLabel(this);
    Image_Control_Wiew->setObjectName(QStringLiteral("Image_Control_Wiew"));
    Image_Control_Wiew->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image_Control_Wiew->setCursor(Qt::PointingHandCursor);
    Image_Control_Wiew->setToolTip(QStringLiteral("Тип керування"));
    Image_Control_Wiew->move(kPreviewLeft, kPreviewTop);
    Image_Control_Wiew->installEventFilter(this);

    binding = new BindingPanel(QStringLiteral("Num_Block_Contr_Text"), QStringLiteral("Num_OUT_Contr"),
                               QStringLiteral("Номер каналу"), this);
    binding->setTitle(QStringLiteral("Керування"));
    binding->setGeometry(312, 176, 260, 92);
    binding->rebuild = [this](const QString &block) { return channelList(m_, block); };
    Num_Block_Contr_Text = binding->blockBox();
    Num_OUT_Contr = binding->list();

    Ok_Control = button(QStringLiteral("Ok_Control"), QStringLiteral("Ok"), 8, 282, 100);
    Cancel_Control = button(QStringLiteral("Cancel_Control"), QStringLiteral("ВІдміна"), 240, 282, 100);
    Delete_Control = button(QStringLiteral("Delete_Control"), QStringLiteral("Видалити"), 472, 282, 100);

    connect(Type_Key, &QComboBox::activated, this, &Image_Control::Type_Key_Click);
    connect(Load_Control_GIF, &QPushButton::clicked, this, &Image_Control::Load_Control_GIF_Click);
    connect(Control_Width, &QLineEdit::textChanged, this, &Image_Control::Control_Width_Change);
    connect(Control_Height, &QLineEdit::textChanged, this, &Image_Control::Control_Height_Change);
    connect(Ok_Control, &QPushButton::clicked, this, &Image_Control::Ok_Control_Click);
    connect(Cancel_Control, &QPushButton::clicked, this, &Image_Control::Cancel_Control_Click);
    connect(Delete_Control, &QPushButton::clicked, this, &Image_Control::Delete_Control_Click);
    showFields(designControl());
}

void Image_Control::showFields(const ControlFields &f)
{
    Num_Control_Text->setText(f.number);
    Coord_X_Control_Text->setText(f.x);
    Coord_Y_Control_Text->setText(f.y);
    Control_Width->setText(f.width);
    Control_Height->setText(f.height);
    Name_Control_Gif->setText(f.gifName);
    binding->show(f.block, f.channels);
    ChoiceList kinds{controlKindNames(), -1, controlKindNames().value(1)};
    kinds.select(f.keyType);
    showChoice(Type_Key, kinds);
    Type_Key_Click();
}

ControlFields Image_Control::fields() const
{
    ControlFields f;
    f.number = Num_Control_Text->text();
    f.x = Coord_X_Control_Text->text();
    f.y = Coord_Y_Control_Text->text();
    f.width = Control_Width->text();
    f.height = Control_Height->text();
    f.gifName = Name_Control_Gif->text();
    f.keyType = Type_Key->currentIndex();
    f.block = Num_Block_Contr_Text->text();
    f.channels = binding->choice();
    return f;
}

void Image_Control::showPicture(const QPixmap &picture)
{
    preview_ = picture;
    Image_Control_Wiew->setPixmap(picture);
}

void Image_Control::Type_Key_Click()
{
    // The built-in picture of the kind; the file name stays.
    if (Type_Key->currentIndex() >= 0)
        showPicture(pages::builtin::STOP_Image(Type_Key->currentIndex()));
}

void Image_Control::Image_Control_Wiew_Click()
{
    auto &picker = main_.windows().open<Type_Control>([this] { return new Type_Control(main_, *this); });
    picker.open();
}

void Image_Control::Load_Control_GIF_Click()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("gif file|*.gif");
    const auto path = Services::files().open(request);
    if (!path)
        return;
    ControlFields f = fields();
    const ChosenPicture chosen = chooseControlPicture(f, *path);
    if (chosen.picture) {
        showPicture(QPixmap::fromImage(*chosen.picture));
        Control_Width->setText(f.width);
        Control_Height->setText(f.height);
        Name_Control_Gif->setText(f.gifName);
    }
    notify(chosen.notices);
}

void Image_Control::Control_Width_Change()
{
    const long long w = wholeNumber(boxNumber(Control_Width->text()));
    Image_Control_Wiew->resize(static_cast<int>(std::clamp<long long>(w, 0, kPreviewWidth)),
                               Image_Control_Wiew->height());
}

void Image_Control::Control_Height_Change()
{
    const long long h = wholeNumber(boxNumber(Control_Height->text()));
    Image_Control_Wiew->resize(Image_Control_Wiew->width(),
                               static_cast<int>(std::clamp<long long>(h, 0, kPreviewHeight)));
}

void Image_Control::Ok_Control_Click() { okSlotted(Num_Control_Text->text()); }

void Image_Control::storeElement(const SlotChoice &slot)
{
    storeControl(m_, page(), slot, fields());
    views().showElement(element::Kind::Control, page(), slot.slot);
    // The picture the dialog shows, a file's included: the record keeps only
    // the file's name and the kind.
    views().showPicture(element::Kind::Control, page(), slot.slot, preview_);
}

void Image_Control::Cancel_Control_Click() { leave(Way::Cancel); }

void Image_Control::Delete_Control_Click() { deleteSlotted(Num_Control_Text->text()); }

bool Image_Control::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image_Control_Wiew && event->type() == QEvent::MouseButtonRelease) {
        Image_Control_Wiew_Click();
        return true;
    }
    return ElementDialog::eventFilter(watched, event);
}

void Image_Control::Control_Image_DblClick(ElementOpeners &openers, int Index)
{
    const ElementContext &c = openers.context();
    const auto view = c.views.shownView(element::Kind::Control, Index);
    const int p = c.m.pages.Num_Stranica_SCADA;
    const int n = pages::slotOfIndex(element::Kind::Control, p, Index);
    if (!view || n < 0 || n > kindInfo(Kind::Control).declaredBound)
        return;
    Image_Control &w = openers.showDialog<Image_Control>();
    const auto opened = prefillControl(c.m, p, n, boxOf(*view));
    w.showFields(opened.fields);
    // The dialog opens with the element's own picture.
    w.showPicture(view->picture);
    notify(opened.notices);
}

// --- Type_Control ------------------------------------------------------------------

Type_Control::Type_Control(MainWindowPort &main, Image_Control &dialog)
    : QWidget(nullptr), dialog_(&dialog), frame_(new WindowFrame(*this, dialog, main.windows(), WindowFrameKind::Modal))
{
    setObjectName(QStringLiteral("Type_Control"));
    setWindowTitle(QStringLiteral("Тип керування"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(600, 376);
    const QStringList names = controlKindNames();
    auto picture = [this, &names](int k, QWidget *parent, int x, int y) {
        auto *b = new QToolButton(parent);
        b->setObjectName(QStringLiteral("STOP_Image_%1").arg(k));
        const QPixmap pic = pages::builtin::STOP_Image(k);
        b->setIcon(QIcon(pic));
        b->setIconSize(pic.size());
        b->setAutoRaise(true);
        b->setToolTip(names.value(k));
        b->setGeometry(x, y, pic.width() + 8, pic.height() + 8);
        connect(b, &QToolButton::clicked, this, [this, k] { STOP_Image_Click(k); });
        STOP_Image[static_cast<std::size_t>(k)] = b;
    };
    // The kinds in rows of five; the three spare buttons on a panel of their own.
    int cell = 0;
    for (int k = 0; k < kControlKinds; ++k) {
        if (k >= 14 && k <= 16)
            continue;
        picture(k, this, 10 + (cell % 5) * 118, 10 + (cell / 5) * 70);
        ++cell;
    }
    auto *spare = new QFrame(this);
    spare->setGeometry(10, 288, 580, 78);
    spare->setAutoFillBackground(true);
    QPalette pal = spare->palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    spare->setPalette(pal);
    for (int i = 0; i < 3; ++i) {
        picture(14 + i, spare, 10 + i * 190, 16);
        auto *caption = new QLabel(QStringLiteral("Кнопка %1").arg(i + 1), spare);
        caption->setGeometry(70 + i * 190, 28, 100, 20);
    }
    frame_->onEscape([this] { close(); });
}

void Type_Control::open() { frame_->show(); }

void Type_Control::STOP_Image_Click(int Index)
{
    if (dialog_) {
        dialog_->Type_Key->setCurrentIndex(Index);
        dialog_->Type_Key_Click();
    }
    close();
}

} // namespace pelmora
