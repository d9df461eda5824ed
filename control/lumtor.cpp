#include "lumtor.h"

#include "event_layer.h"
#include "property_bag.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace lumtor {

namespace {

int liveInstances = 0;

// The drawing grid is the pixel grid up to 49 pixels and 50 units above.
constexpr double GridLimit = 50;

QColor fromBgr(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

QVariantMap rectEntries(const QRectF &r)
{
    return {{QStringLiteral("Left"), r.left()},
            {QStringLiteral("Top"), r.top()},
            {QStringLiteral("Width"), r.width()},
            {QStringLiteral("Height"), r.height()}};
}

const QString kType_Signal = QStringLiteral("Type_Signal");
const QString kBorder_Style = QStringLiteral("Border_Style");
const QString kForeColor = QStringLiteral("ForeColor");

} // namespace

Lumtor::Lumtor(QWidget *parent) : QWidget(parent)
{
    ++liveInstances;
    setObjectName(QStringLiteral("Lumtor"));
    Label1 = new EventLayer(this);
    resize(DesignSize, DesignSize);
    UserControl_Initialize();
}

Lumtor::~Lumtor() { --liveInstances; }

int Lumtor::instanceCount() { return liveInstances; }

void Lumtor::UserControl_Initialize()
{
    // A black square (all properties 0) at the design size.
    UserControl_Resize();
}

void Lumtor::UserControl_InitProperties()
{
    m_Type_Signal = 0;
    m_Border_Style = 0;
}

void Lumtor::UserControl_ReadProperties(const QVariantMap &values)
{
    // Stores the values without redrawing; a value that is not a whole number
    // in its type's range counts as missing and gives the default.
    const PropertyBag bag(values);
    m_Type_Signal = quint8(wholeNumberIn(bag.ReadProperty(kType_Signal, 0), 0, 255).value_or(0));
    m_Border_Style = quint8(wholeNumberIn(bag.ReadProperty(kBorder_Style, 0), 0, 255).value_or(0));
    const auto color = wholeNumberIn(bag.ReadProperty(kForeColor, 255), -0x80000000LL, 0xFFFFFFFFLL);
    m_ForeColor = color ? quint32(*color) : 255u;
}

QVariantMap Lumtor::UserControl_WriteProperties() const
{
    PropertyBag bag;
    bag.WriteProperty(kType_Signal, int(m_Type_Signal), 0);
    bag.WriteProperty(kBorder_Style, int(m_Border_Style), 0);
    bag.WriteProperty(kForeColor, qint64(m_ForeColor), qint64(255));
    return bag.values();
}

void Lumtor::setType_Signal(quint8 value)
{
    m_Type_Signal = value;
    emit PropertyChanged(kType_Signal);
    UserControl_Resize();
}

void Lumtor::setBorder_Style(quint8 value)
{
    m_Border_Style = value;
    emit PropertyChanged(kBorder_Style);
    switch (m_Type_Signal) {
    case 0:
        KWADRAT.Visible = true;
        KWADRAT.BorderStyle = m_Border_Style;
        sCircle.Visible = false;
        break;
    case 1:
        KWADRAT.Visible = false;
        sCircle.Visible = true;
        sCircle.BorderStyle = m_Border_Style;
        sCircle.BorderWidth = 2 * m_Border_Style;
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        sCircle.Visible = false;
        KWADRAT.Visible = false;
        break;
    case 6:
    case 7:
        sCircle.Visible = false;
        KWADRAT.Visible = true;
        break;
    default: break;
    }
    UserControl_Resize();
}

void Lumtor::setForeColor(quint32 value)
{
    m_ForeColor = value;
    emit PropertyChanged(kForeColor);
    // The colour goes to the constituents of the current shape; no layout runs.
    auto colourLines = [this] {
        for (LinePiece &line : Line1)
            line.BorderColor = m_ForeColor;
    };
    switch (m_Type_Signal) {
    case 0:
        sCircle.Visible = false;
        KWADRAT.Visible = true;
        KWADRAT.BackColor = m_ForeColor;
        break;
    case 1:
        sCircle.Visible = true;
        KWADRAT.Visible = false;
        sCircle.FillColor = m_ForeColor;
        break;
    case 2:
    case 3:
    case 4:
    case 5:
        sCircle.Visible = false;
        KWADRAT.Visible = false;
        colourLines();
        break;
    case 6:
    case 7:
        sCircle.Visible = false;
        KWADRAT.Visible = true; // the actuator keeps its own colour
        colourLines();
        break;
    default: break;
    }
    update();
}

void Lumtor::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void Lumtor::layoutIfSizeChanged()
{
    // A hidden widget gets its resize event only when it is shown; the layout
    // must still follow the size it already has.
    if (size() != laidOutSize)
        UserControl_Resize();
}

void Lumtor::UserControl_Resize()
{
    // Every line hidden first.
    for (LinePiece &line : Line1)
        line.Visible = false;

    // The scale is limited to 50 units in each direction.
    const double W = width() >= GridLimit ? GridLimit : width();
    const double H = height() >= GridLimit ? GridLimit : height();
    ScaleWidth = W;
    ScaleHeight = H;
    laidOutSize = size();

    // Drawn by type; triangles and valves are taken from W (H for the
    // vertical valve) alone, in a square of that side.
    auto line = [this](int i, double x1, double y1, double x2, double y2) {
        LinePiece &l = Line1[size_t(i)];
        l.X1 = x1;
        l.Y1 = y1;
        l.X2 = x2;
        l.Y2 = y2;
        l.Visible = true;
    };
    const int w = int(W);
    const int h = int(H);
    switch (m_Type_Signal) {
    case 0: // square; it lies over a circle left visible by an earlier type
        KWADRAT.Rect = QRectF(0, 0, W, H);
        KWADRAT.BorderStyle = m_Border_Style;
        KWADRAT.Visible = true;
        break;
    case 1: // circle
        KWADRAT.Visible = false;
        sCircle.Visible = true;
        sCircle.Rect = QRectF(sCircle.Rect.left(), sCircle.Rect.top(), W, H);
        sCircle.BorderStyle = m_Border_Style;
        sCircle.BorderWidth = 2 * m_Border_Style;
        break;
    case 2: // triangle, apex up
        sCircle.Visible = false;
        KWADRAT.Visible = false;
        for (int i = 0; i <= w; ++i)
            line(i, W / 2 - i / 2.0, i, W / 2 + i / 2.0, i);
        break;
    case 3: // triangle, apex right
        sCircle.Visible = false;
        KWADRAT.Visible = false;
        for (int i = w; i >= 0; --i)
            line(i, W - i, W / 2 - i / 2.0, W - i, W / 2 + i / 2.0);
        break;
    case 4: // triangle, apex down
        sCircle.Visible = false;
        KWADRAT.Visible = false;
        for (int i = w; i >= 0; --i)
            line(i, W / 2 - i / 2.0, W - i, W / 2 + i / 2.0, W - i);
        break;
    case 5: // triangle, apex left
        sCircle.Visible = false;
        KWADRAT.Visible = false;
        for (int i = 0; i <= w; ++i)
            line(i, i, W / 2 - i / 2.0, i, W / 2 + i / 2.0);
        break;
    case 6: // horizontal valve: two triangles meeting at (W/2, W/4), actuator on top
        sCircle.Visible = false;
        for (int i = 0; i <= w; ++i)
            line(i, 0, i / 2.0, W, W / 2 - i / 2.0);
        KWADRAT.Rect = QRectF(W / 3, 0, W / 3, W / 6);
        KWADRAT.BackColor = ActuatorColor;
        KWADRAT.BorderStyle = 0;
        KWADRAT.Visible = true;
        break;
    case 7: // vertical valve: two triangles meeting at (H/4, H/2), actuator at the left
        sCircle.Visible = false;
        for (int i = 0; i <= h; ++i)
            line(i, i / 2.0, 0, H / 2 - i / 2.0, H);
        KWADRAT.Rect = QRectF(0, H / 3, H / 6, H / 3);
        KWADRAT.BackColor = ActuatorColor;
        KWADRAT.BorderStyle = 0;
        KWADRAT.Visible = true;
        break;
    default: // no shape of its own: an earlier square or circle stays as it was
        break;
    }

    // The event layer covers the whole control, above everything.
    Label1->setGeometry(rect());
    Label1->raise();
    update();
}

void Lumtor::paintEvent(QPaintEvent *)
{
    layoutIfSizeChanged();
    const double sx = ScaleWidth > 0 ? width() / ScaleWidth : 1.0;
    const double sy = ScaleHeight > 0 ? height() / ScaleHeight : 1.0;
    auto toPixels = [sx, sy](const QRectF &r) {
        return QRectF(r.left() * sx, r.top() * sy, r.width() * sx, r.height() * sy);
    };

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const LinePiece &l : Line1) {
        if (!l.Visible)
            continue;
        p.setPen(QPen(fromBgr(l.BorderColor), 0));
        p.drawLine(QPointF(l.X1 * sx, l.Y1 * sy), QPointF(l.X2 * sx, l.Y2 * sy));
    }

    if (sCircle.Visible) {
        const QRectF box = toPixels(sCircle.Rect);
        const double d = std::min(box.width(), box.height());
        QRectF circle(box.center().x() - d / 2, box.center().y() - d / 2, d, d);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(fromBgr(sCircle.FillColor));
        if (sCircle.BorderStyle != 0 && sCircle.BorderWidth > 0) {
            // The border lies inside the shape's box.
            const double bw = std::min<double>(sCircle.BorderWidth, d / 2);
            p.setPen(QPen(Qt::black, bw));
            circle.adjust(bw / 2, bw / 2, -bw / 2, -bw / 2);
        } else {
            p.setPen(Qt::NoPen);
        }
        p.drawEllipse(circle);
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    if (KWADRAT.Visible) {
        const QRect box = toPixels(KWADRAT.Rect).toRect();
        p.fillRect(box, fromBgr(KWADRAT.BackColor));
        if (KWADRAT.BorderStyle != 0 && box.width() > 0 && box.height() > 0) {
            p.setPen(QPen(Qt::black, 0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
}

QVariantMap Lumtor::describeDrawing()
{
    layoutIfSizeChanged();
    QVariantMap kwadrat = rectEntries(KWADRAT.Rect);
    kwadrat.insert(QStringLiteral("Visible"), KWADRAT.Visible);
    kwadrat.insert(QStringLiteral("BorderStyle"), KWADRAT.BorderStyle);
    kwadrat.insert(QStringLiteral("BackColor"), KWADRAT.BackColor);

    QVariantMap circle = rectEntries(sCircle.Rect);
    circle.insert(QStringLiteral("Visible"), sCircle.Visible);
    circle.insert(QStringLiteral("BorderStyle"), sCircle.BorderStyle);
    circle.insert(QStringLiteral("BorderWidth"), sCircle.BorderWidth);
    circle.insert(QStringLiteral("FillColor"), sCircle.FillColor);

    QVariantList lines;
    for (int i = 0; i < LineCount; ++i) {
        const LinePiece &l = Line1[size_t(i)];
        if (!l.Visible)
            continue;
        lines.append(QVariantMap{{QStringLiteral("Index"), i},
                                 {QStringLiteral("X1"), l.X1},
                                 {QStringLiteral("Y1"), l.Y1},
                                 {QStringLiteral("X2"), l.X2},
                                 {QStringLiteral("Y2"), l.Y2},
                                 {QStringLiteral("BorderColor"), l.BorderColor}});
    }
    // The colour every line holds, shown or not (they all get the same one).
    const quint32 lineColor = Line1[0].BorderColor;

    const bool onTop = !children().isEmpty() && children().constLast() == Label1;
    QVariantMap label = rectEntries(QRectF(Label1->geometry()));
    label.insert(QStringLiteral("OnTop"), onTop);

    return {{QStringLiteral("ScaleWidth"), ScaleWidth}, {QStringLiteral("ScaleHeight"), ScaleHeight},
            {QStringLiteral("KWADRAT"), kwadrat},       {QStringLiteral("sCircle"), circle},
            {QStringLiteral("Line1"), lines},           {QStringLiteral("LineColor"), lineColor},
            {QStringLiteral("Label1"), label}};
}

void Lumtor::Label1_Click() { emit Click(); }
void Lumtor::Label1_DblClick() { emit DblClick(); }
void Lumtor::Label1_MouseDown(short Button, short Shift, float X, float Y) { emit MouseDown(Button, Shift, X, Y); }
void Lumtor::Label1_MouseMove(short Button, short Shift, float X, float Y) { emit MouseMove(Button, Shift, X, Y); }
void Lumtor::Label1_MouseUp(short Button, short Shift, float X, float Y) { emit MouseUp(Button, Shift, X, Y); }

} // namespace lumtor
