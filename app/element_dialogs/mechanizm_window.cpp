#include "element_dialogs/mechanizm_window.h"

#include "core/model/project_model.h"
#include "core/picture_file.h"
#include "core/services.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "upload/mechanism_upload.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtMath>
#include <cmath>

namespace pelmora {

const char16_t *const kNotAGifPicture = u"Неправильный тип файлу";

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 966;
constexpr int kClientHeight = 465;
constexpr int kRowHeight = 372; // the pictures' strip; the controls sit below it
constexpr int kPictureTop = 30;
constexpr int kLabelTop = 8;
constexpr int kPreviewInterval = 100;
constexpr int kGearSize = 40;
constexpr int kGearTeeth = 8;

// Left edges in twips for the scroll value v: phase i, then the preview.
int phaseLeft(int i, int v) { return (350 + (i + 1) * 3750 - v * 750) / kTwipsPerPixel; }
int previewLeft(int v) { return (100 - v * 750) / kTwipsPerPixel; }

// A file named in the project (a backslash and a bare name) in the current folder.
QString inCurrentFolder(const QString &name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return QDir::current().filePath(rel);
}

} // namespace

QPixmap MECHANIZMf::placeholder(int phase)
{
    QPixmap pm(kGearSize, kGearSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kGearSize / 2.0, kGearSize / 2.0);
    // A quarter of a tooth's pitch further in each phase: four phases turn it one tooth on.
    p.rotate((phase % 4) * (360.0 / kGearTeeth) / 4.0);
    QPainterPath gear;
    const double outer = 19, inner = 14.5;
    for (int t = 0; t < kGearTeeth; ++t) {
        const double a = 2 * M_PI * t / kGearTeeth;
        const double half = M_PI / kGearTeeth / 2;
        const QPointF pts[] = {
            {inner * std::cos(a - 2 * half), inner * std::sin(a - 2 * half)},
            {outer * std::cos(a - half), outer * std::sin(a - half)},
            {outer * std::cos(a + half), outer * std::sin(a + half)},
            {inner * std::cos(a + 2 * half), inner * std::sin(a + 2 * half)},
        };
        if (t == 0)
            gear.moveTo(pts[0]);
        else
            gear.lineTo(pts[0]);
        for (int k = 1; k < 4; ++k)
            gear.lineTo(pts[k]);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(0, 0), 5, 5); // the axle hole (odd-even fill leaves it open)
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 150, 150));
    p.drawPath(gear);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(0, -9), QPointF(0, -5.5)); // a mark that shows the turn
    return pm;
}

MECHANIZMf::MECHANIZMf(ProjectModel &m, MainWindowPort &main, QWidget &owner, HandBack handBack)
    : QWidget(nullptr), m_(m), main_(main),
      frame_(new WindowFrame(*this, owner, main.windows(), WindowFrameKind::Modal)), handBack_(std::move(handBack)),
      registry_(&main.windows())
{
    setObjectName(QStringLiteral("MECHANIZMf"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Механізм"));
    setFixedSize(kClientWidth, kClientHeight);

    // The pictures scroll inside a strip of their own, so a large picture
    // never covers the controls below it.
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("row"));
    row->setGeometry(0, 0, kClientWidth, kRowHeight);

    for (int i = 0; i <= kPreview; ++i) {
        auto *pic = new QLabel(row);
        pic->setObjectName(QStringLiteral("Pictur_Mechanizm_%1").arg(i));
        pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pic->setCursor(Qt::PointingHandCursor);
        pic->installEventFilter(this);
        Pictur_Mechanizm[i] = pic;
        auto *caption = new QLabel(i < kPhases ? QStringLiteral("Фаза %1").arg(i) : QStringLiteral("Механізм"), row);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(i));
        caption->adjustSize();
        Label1[i] = caption;
    }
    for (int i = 0; i < kPhases; ++i)
        phases_[i] = placeholder(i);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(0, kScrollMaximum);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setGeometry(8, kRowHeight + 6, kClientWidth - 16, 18);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    const int controlsTop = kRowHeight + 44;
    Label2 = new QLabel(QStringLiteral("Фази"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, controlsTop, 40, 27);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int n = 1; n <= kPhases; ++n)
        Combo1->addItem(QString::number(n));
    Combo1->setCurrentIndex(-1);
    Combo1->setGeometry(50, controlsTop, 64, 27);

    Label3 = new QLabel(QStringLiteral("Розмір масиву - 0"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(136, controlsTop, 260, 27);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 2);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(404, controlsTop + 4, 180, 19);
    ProgressBar1->hide();

    ZIP__GIF = new QPushButton(QStringLiteral("GIF у Orvo"), this);
    ZIP__GIF->setObjectName(QStringLiteral("ZIP__GIF"));
    ZIP__GIF->setGeometry(604, controlsTop, 112, 27);
    connect(ZIP__GIF, &QPushButton::clicked, this, [this] { ZIP__GIF_Click(); });

    Ok_Vent = new QPushButton(QStringLiteral("Ok"), this);
    Ok_Vent->setObjectName(QStringLiteral("Ok_Vent"));
    Ok_Vent->setGeometry(736, controlsTop, 104, 27);
    connect(Ok_Vent, &QPushButton::clicked, this, [this] { Ok_Vent_Click(); });
    Cancel_Vent = new QPushButton(QStringLiteral("Відміна"), this);
    Cancel_Vent->setObjectName(QStringLiteral("Cancel_Vent_0"));
    Cancel_Vent->setGeometry(852, controlsTop, 104, 27);
    connect(Cancel_Vent, &QPushButton::clicked, this, [this] { Cancel_Vent_Click(0); });
    frame_->onEscape([this] { Cancel_Vent_Click(0); });
    frame_->setDefaultButton(Ok_Vent);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kPreviewInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

MECHANIZMf::~MECHANIZMf()
{
    if (registry_)
        registry_->remove(this);
}

MECHANIZMf &MECHANIZMf::open(ProjectModel &m, MainWindowPort &main, QWidget &owner, HandBack handBack)
{
    if (MECHANIZMf *w = main.windows().find<MECHANIZMf>()) {
        w->frame_->show();
        return *w;
    }
    auto *w = new MECHANIZMf(m, main, owner, std::move(handBack));
    main.windows().add(w);
    w->Form_Load();
    w->frame_->show();
    return *w;
}

void MECHANIZMf::showPicture(int index, const QPixmap &picture)
{
    QLabel *pic = Pictur_Mechanizm[index];
    pic->setPixmap(picture);
    pic->resize(picture.size()); // the image takes its picture's size
}

void MECHANIZMf::Form_Load()
{
    HScroll1->setValue(0);
    HScroll1_Change();
    const ElementTables &t = m_.pages;
    bool loading = true;
    for (int i = 0; i < kPhases; ++i) {
        const QString &name = t.Mechanizm_Gif_Name(i);
        // A recorded file that cannot be loaded ends the loading: the phases
        // after it keep their placeholders.
        if (loading && !name.isEmpty()) {
            const QPixmap file = QPixmap::fromImage(readPicture(inCurrentFolder(name)));
            if (file.isNull())
                loading = false;
            else
                phases_[i] = file;
        }
        showPicture(i, phases_[i]);
    }
    Timer1->start();
}

bool MECHANIZMf::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        for (int i = 0; i <= kPreview; ++i)
            if (watched == Pictur_Mechanizm[i] && mouse->button() == Qt::LeftButton &&
                Pictur_Mechanizm[i]->rect().contains(mouse->position().toPoint())) {
                Pictur_Mechanizm_Click(i);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void MECHANIZMf::Pictur_Mechanizm_Click(int Index)
{
    if (Index < 0 || Index > kPreview)
        return;
    FileDialogRequest request;
    request.filter = QStringLiteral("gif file|*.gif");
    // The choice starts in the current folder, where the phase files are looked for.
    const std::optional<QString> path = Services::files().open(request);
    if (!path || path->isEmpty())
        return;
    const QPixmap picture = QPixmap::fromImage(readPicture(*path));
    if (picture.isNull()) {
        showMessage(QString::fromUtf16(kNotAGifPicture), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    if (Index < kPhases)
        phases_[Index] = picture;
    showPicture(Index, picture);
    QString bare = *path;
    bare.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_.pages.Mechanizm_Gif_Name(Index) = QLatin1Char('\\') + QFileInfo(bare).fileName();
    m_.pages.Mechanizm_Gif_Source(Index) = QFileInfo(bare).absoluteFilePath();
}

void MECHANIZMf::HScroll1_Change()
{
    const int v = HScroll1->value();
    for (int i = 0; i < kPhases; ++i) {
        Pictur_Mechanizm[i]->move(phaseLeft(i, v), kPictureTop);
        Label1[i]->move(phaseLeft(i, v), kLabelTop);
    }
    Pictur_Mechanizm[kPreview]->move(previewLeft(v), kPictureTop);
    Label1[kPreview]->move(previewLeft(v), kLabelTop);
}

void MECHANIZMf::Timer1_Timer()
{
    ElementTables &t = m_.pages;
    if (t.Mechanizm_Upload_Busy == 1)
        return;
    if (Combo1->currentIndex() < 0)
        Combo1->setCurrentIndex(0);
    // A phase out of the row (never written so) starts the cycle again.
    if (t.Faza_Preview < 0 || t.Faza_Preview >= kPhases)
        t.Faza_Preview = 0;
    showPicture(kPreview, phases_[t.Faza_Preview]);
    ++t.Faza_Preview;
    if (t.Faza_Preview > Combo1->currentIndex())
        t.Faza_Preview = 0;
}

void MECHANIZMf::ZIP__GIF_Click()
{
    ElementTables &t = m_.pages;
    t.Mechanizm_Upload_Busy = 1;
    Pictur_Mechanizm[kPreview]->hide();
    ProgressBar1->setValue(1);
    ProgressBar1->show();

    const MechanismUpload::Packing packing = MechanismUpload::of(m_, main_).ZIP_GIF_Orvo(phases_[0].toImage());
    if (packing.length) {
        Label3->setText(QString::fromUtf16(mechanism::kMechanismSizeLabel) + QString::number(*packing.length));
        ProgressBar1->setValue(2);
    }

    t.Mechanizm_Upload_Busy = 0;
    Pictur_Mechanizm[kPreview]->show();
    ProgressBar1->hide();
}

void MECHANIZMf::Ok_Vent_Click()
{
    if (handBack_)
        handBack_(phases_[0]);
    close();
}

void MECHANIZMf::Cancel_Vent_Click(int /*Index*/) { close(); }

} // namespace pelmora
