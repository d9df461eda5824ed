#include "algorithm/mem_algorithm.h"

#include "project/config_scada.h"

#include <QCloseEvent>

namespace pelmora {
namespace {
constexpr int kTwipsPerPixel = 15;
const char16_t kCaption[] = u"Блок АЛГОРИТМ - ";
} // namespace

Mem_ALGORITHM::Mem_ALGORITHM(Config_SCADA &main) : QWidget(nullptr), main_(main)
{
    setObjectName(QStringLiteral("Mem_ALGORITHM"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(13980 / kTwipsPerPixel, 8145 / kTwipsPerPixel);
    Form_Load();
}

Mem_ALGORITHM::~Mem_ALGORITHM() = default;

void Mem_ALGORITHM::Form_Load()
{
    setWindowTitle(QString::fromUtf16(kCaption) + main_.model().settings.Project_File_Path);
}

void Mem_ALGORITHM::Form_Unload()
{
    main_.setEnabled(true);
}

void Mem_ALGORITHM::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

} // namespace pelmora
