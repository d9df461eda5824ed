#include "blockparams/property_block.h"

#include "project/config_scada.h"

#include <QCloseEvent>
#include <QPushButton>

namespace pelmora {

namespace {
constexpr int kTwipsPerPixel = 15;
int px(int twips) { return twips / kTwipsPerPixel; }
} // namespace

PropertyBLOCK::PropertyBLOCK(Config_SCADA &main)
    : QWidget(nullptr), main_(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Налаштування параметрів"));
    setFixedSize(px(4680), px(1700));

    Ok_Property = new QPushButton(QStringLiteral("Ok"), this);
    Ok_Property->setGeometry(px(1710), px(600), px(1245), px(345));
    Cancel_Property = new QPushButton(QStringLiteral("ВІдміна"), this);
    Cancel_Property->setGeometry(px(3210), px(600), px(1245), px(345));
    connect(Ok_Property, &QPushButton::clicked, this, [this] { Ok_Property_Click(); });
    connect(Cancel_Property, &QPushButton::clicked, this, [this] { Cancel_Property_Click(); });
}

PropertyBLOCK::~PropertyBLOCK() = default;

void PropertyBLOCK::Ok_Property_Click()
{
    main_.setEnabled(true);
    close();
}

void PropertyBLOCK::Cancel_Property_Click()
{
    main_.setEnabled(true);
    close();
}

void PropertyBLOCK::Form_Unload()
{
    main_.setEnabled(true);
}

void PropertyBLOCK::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace pelmora
