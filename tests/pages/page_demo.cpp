// A small tool for looking at the pages of a project:
//   pelmora_page_demo shot <file.prt> <out.png> [page]
//                                                 opens the project file from the file
//                                                 menu, shows the SCADA view on
//                                                 the page (1..16; 0: the schema view)
//                                                 and saves the window as a picture

#include "mainwindow/config_scada.h"
#include "pages/page_editor.h"
#include "pages/page_view.h"
#include "project/project_menu.h"
#include "project/schema_view.h"
#include "ui/qt_services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

using namespace pelmora;

namespace {

// Hands the project file to the open dialog of "&Відкрити проект".
class GivenFile : public FileDialogService {
public:
    explicit GivenFile(QString path) : path_(std::move(path)) {}
    std::optional<QString> open(const FileDialogRequest &) override { return path_; }
    std::optional<QString> save(const FileDialogRequest &) override { return std::nullopt; }

private:
    QString path_;
};

int shot(const QString &file, const QString &out, int page)
{
    QtServices services;
    services.installAll();
    GivenFile given(QFileInfo(file).absoluteFilePath());
    Services::installFiles(&given);
    Config_SCADA w;
    w.projectMenu->mnuLoad_Click();
    if (page > 0) {
        w.schemaView->MnuSCADA_Click();
        w.pageView->selectTab(page - 1);
        w.pageEditor->Signal_Timer_Miganie_SCADA_Timer();
    }
    w.show();
    QTimer::singleShot(800, [&] {
        if (!w.grab().save(out))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        QApplication::quit();
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("shot"))
        return shot(args[2], args[3], args.size() >= 5 ? args[4].toInt() : 1);
    std::fprintf(stderr, "usage: pelmora_page_demo shot <file.prt> <out.png> [page]\n");
    return 2;
}
