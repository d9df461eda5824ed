#pragma once
// Lumtor: the indicator control of the SCADA pages. It draws one small shape
// (square, circle, four triangles, two valve symbols) in the colour its host
// sets, keeps and persists its three properties, and passes the mouse events
// of its surface on to the host.
//
// The drawing is made of constituents, from bottom to top: 51 lines Line1
// that fill triangles and valves one line per unit of the drawing grid, the
// circle sCircle, the filled rectangle KWADRAT (square, valve actuator) and
// the transparent event layer Label1 that covers the whole control.

#include <QRectF>
#include <QVariantMap>
#include <QWidget>
#include <array>

namespace lumtor {

class EventLayer;

// Colours are 0x00BBGGRR values.
struct LinePiece {
    bool Visible = false;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // grid units
    quint32 BorderColor = 0;
};

struct FilledLabel {
    bool Visible = true;
    QRectF Rect;         // grid units
    int BorderStyle = 0; // 0 none, otherwise a one-pixel frame
    quint32 BackColor = 0;
};

struct CircleShape {
    bool Visible = false;
    QRectF Rect;         // grid units; the circle is the largest one inside
    int BorderStyle = 0; // 0 no border
    int BorderWidth = 0; // pixels
    quint32 FillColor = 0;
};

class Lumtor : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassId", "{C114384D-77C8-42EA-AC21-EA06E084A525}")
    Q_CLASSINFO("ProgId", "Lumtorkit.Lumtor")
    Q_CLASSINFO("InterfaceId", "{E8969DC9-C07C-47FA-94E5-B3C932EF73C9}")
    Q_CLASSINFO("EventInterfaceId", "{AD028BAA-7261-499B-A287-3BB0E68EAE9D}")
    Q_CLASSINFO("PersistenceFormat", "Lumtor_Properties")
    Q_CLASSINFO("DispId:Type_Signal", "0x68030002")
    Q_CLASSINFO("DispId:Border_Style", "0x68030001")
    Q_CLASSINFO("DispId:ForeColor", "0x68030000")
    Q_CLASSINFO("EventId:Click", "1")
    Q_CLASSINFO("EventId:DblClick", "2")
    Q_CLASSINFO("EventId:MouseDown", "3")
    Q_CLASSINFO("EventId:MouseMove", "4")
    Q_CLASSINFO("EventId:MouseUp", "5")
    Q_PROPERTY(quint8 Type_Signal READ Type_Signal WRITE setType_Signal)
    Q_PROPERTY(quint8 Border_Style READ Border_Style WRITE setBorder_Style)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)

public:
    static constexpr int LineCount = 51;
    static constexpr int DesignSize = 33; // pixels, width and height
    static constexpr quint32 ActuatorColor = 0xFF8080;

    explicit Lumtor(QWidget *parent = nullptr);
    ~Lumtor() override;

    quint8 Type_Signal() const { return m_Type_Signal; }
    quint8 Border_Style() const { return m_Border_Style; }
    quint32 ForeColor() const { return m_ForeColor; }
    void setType_Signal(quint8 value);
    void setBorder_Style(quint8 value);
    void setForeColor(quint32 value);

    // Property persistence, called by the host: a new instance, a loaded one, saving.
    Q_INVOKABLE void InitNew() { UserControl_InitProperties(); }
    Q_INVOKABLE void Load(const QVariantMap &bag) { UserControl_ReadProperties(bag); }
    Q_INVOKABLE QVariantMap Save() const { return UserControl_WriteProperties(); }

    // What the control draws, for a host or a test to inspect without pixels:
    // ScaleWidth, ScaleHeight, KWADRAT, sCircle, Line1 (the visible lines with
    // their Index), LineColor and Label1. Coordinates are grid units, but
    // Label1 gives its place in pixels.
    Q_INVOKABLE QVariantMap describeDrawing();

    // Number of instances alive in this library.
    static int instanceCount();

    // The mouse handlers of the event layer; each raises the event of its name.
    void Label1_Click();
    void Label1_DblClick();
    void Label1_MouseDown(short Button, short Shift, float X, float Y);
    void Label1_MouseMove(short Button, short Shift, float X, float Y);
    void Label1_MouseUp(short Button, short Shift, float X, float Y);

signals:
    void Click();
    void DblClick();
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    // The container's notice that a property changed (its name).
    void PropertyChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const QVariantMap &bag);
    QVariantMap UserControl_WriteProperties() const;
    void layoutIfSizeChanged();

    quint8 m_Type_Signal = 0;
    quint8 m_Border_Style = 0;
    quint32 m_ForeColor = 0;

    double ScaleWidth = 0;
    double ScaleHeight = 0;
    QSize laidOutSize;
    std::array<LinePiece, LineCount> Line1{};
    CircleShape sCircle;
    FilledLabel KWADRAT;
    EventLayer *Label1 = nullptr;
};

} // namespace lumtor
