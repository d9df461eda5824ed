#include "upload/save_n_scada.h"

#include "core/model/project_model.h"
#include "core/services.h"
#include "ui/main_window_port.h"
#include "ui/window_frame.h"
#include "ui/window_registry.h"
#include "upload/page_range.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace pelmora {

namespace {

// The list index of the text typed or chosen in a page list: -1 when the
// text is no entry of the list.
int listIndex(const QComboBox *list) { return list->findText(list->currentText(), Qt::MatchExactly); }

QComboBox *pageList(QWidget *parent, const char *name, int x)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(x, 16, 57, 24);
    return list;
}

} // namespace

Save_n_SCADA::Save_n_SCADA(ProjectModel &m, MainWindowPort &main, std::function<void()> startRange)
    : QWidget(nullptr), m_(m), main_(main),
      frame_(new WindowFrame(*this, main.mainWindow(), main.windows(), WindowFrameKind::Modal)),
      startRange_(std::move(startRange))
{
    setObjectName(QStringLiteral("Save_n_SCADA"));
    setWindowTitle(QStringLiteral("Записати сторінки SCADA"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(300, 96);

    Label1 = new QLabel(QStringLiteral("Сторінки від"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 19, 100, 18);
    Num_Start_Stor = pageList(this, "Num_Start_Stor", 112);
    Label2 = new QLabel(QStringLiteral("до"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(186, 19, 24, 18);
    Num_Stop_Stor = pageList(this, "Num_Stop_Stor", 214);

    Ok_Save_SCADA = new QPushButton(QStringLiteral("Ok"), this);
    Ok_Save_SCADA->setObjectName(QStringLiteral("Ok_Save_SCADA"));
    Ok_Save_SCADA->setGeometry(52, 56, 89, 27);
    Cancel_Save_SCADA = new QPushButton(QStringLiteral("Відміна"), this);
    Cancel_Save_SCADA->setObjectName(QStringLiteral("Cancel_Save_SCADA"));
    Cancel_Save_SCADA->setGeometry(159, 56, 89, 27);
    connect(Ok_Save_SCADA, &QPushButton::clicked, this, &Save_n_SCADA::Ok_Save_SCADA_Click);
    connect(Cancel_Save_SCADA, &QPushButton::clicked, this, &Save_n_SCADA::Cancel_Save_SCADA_Click);
    frame_->onEscape([this] { Cancel_Save_SCADA_Click(); });
    frame_->setDefaultButton(Ok_Save_SCADA);

    Form_Load();
}

void Save_n_SCADA::Form_Load()
{
    // Only the project's pages: a page beyond them has no canvas to write.
    const QStringList pages = page::pageRangeChoices(m_);
    for (QComboBox *list : {Num_Start_Stor, Num_Stop_Stor}) {
        list->clear();
        list->addItems(pages);
    }
    const page::PageRangeChoice prefill = page::pageRangePrefill(m_);
    Num_Start_Stor->setCurrentIndex(prefill.first);
    Num_Stop_Stor->setCurrentIndex(prefill.last);
}

void Save_n_SCADA::open() { frame_->show(); }

void Save_n_SCADA::Ok_Save_SCADA_Click()
{
    if (const std::optional<QString> refused =
            page::startPageRange(m_, listIndex(Num_Start_Stor), listIndex(Num_Stop_Stor))) {
        showMessage(*refused, MsgIcon::Critical);
        return;
    }
    const std::function<void()> start = startRange_;
    close();
    if (start)
        start();
}

void Save_n_SCADA::Cancel_Save_SCADA_Click() { close(); }

void Save_n_SCADA::closeEvent(QCloseEvent *event)
{
    // The next opening makes a fresh window, even before this one is deleted.
    main_.windows().remove(this);
    QWidget::closeEvent(event);
}

} // namespace pelmora
