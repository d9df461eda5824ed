#pragma once
// The control button's dialog `Image_Control` ("Елемент керування") and its
// picture picker `Type_Control` ("Тип керування"). The kind of button fixes
// the element's size on the page; the picture is the kind's built-in one or
// a picture file; the button is bound to a channel of a block. The size
// boxes only frame the preview.

#include "element_dialogs/element_dialog.h"
#include "elements/control_element.h"

#include <QPixmap>
#include <QPointer>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace pelmora {

class BindingPanel;
class ElementOpeners;
class NumberBox;
class WindowFrame;

class Image_Control : public ElementDialog {
    Q_OBJECT

public:
    explicit Image_Control(const ElementContext &c);

    NumberBox *Num_Control_Text;
    QLineEdit *Coord_X_Control_Text;
    QLineEdit *Coord_Y_Control_Text;
    QLineEdit *Control_Width;
    QLineEdit *Control_Height;
    QLabel *Image_Control_Wiew; // the preview, not stretched; a click opens the picker
    QComboBox *Type_Key;
    QPushButton *Load_Control_GIF;
    QLineEdit *Name_Control_Gif;
    BindingPanel *binding; // Num_Block_Contr_Text and Num_OUT_Contr
    QLineEdit *Num_Block_Contr_Text;
    QComboBox *Num_OUT_Contr;
    QPushButton *Ok_Control;
    QPushButton *Cancel_Control;
    QPushButton *Delete_Control;

    void Type_Key_Click();
    void Image_Control_Wiew_Click();
    void Load_Control_GIF_Click();
    void Control_Width_Change();
    void Control_Height_Change();
    void Ok_Control_Click();
    void Cancel_Control_Click();
    void Delete_Control_Click();

    void showFields(const element::ControlFields &f);
    element::ControlFields fields() const;
    // The preview's picture (what Ok gives the view).
    const QPixmap &previewPicture() const { return preview_; }
    void showPicture(const QPixmap &picture);

    static void Control_Image_DblClick(ElementOpeners &openers, int Index);

protected:
    void storeElement(const element::SlotChoice &slot) override;
    void escapePressed() override { Cancel_Control_Click(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPixmap preview_;
};

// The picker of the built-in button pictures, modal over the control
// button's dialog: a click on picture k chooses kind k and closes it.
class Type_Control : public QWidget {
    Q_OBJECT

public:
    Type_Control(MainWindowPort &main, Image_Control &dialog);

    std::array<QToolButton *, element::kControlKinds> STOP_Image{};

    void STOP_Image_Click(int Index);
    void open();

private:
    QPointer<Image_Control> dialog_;
    WindowFrame *frame_;
};

} // namespace pelmora
