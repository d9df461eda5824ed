// The Qt message box: wide enough for its title even with a short text.

#include "ui/qt_services.h"

#include <QLayout>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(QtMessageBox, AShortTextStillShowsTheWholeTitle)
{
    for (const QString &title : {QStringLiteral("Pelmora"), QStringLiteral("Конфігуратор Velkor 5.71")}) {
        QMessageBox box;
        box.setText(QStringLiteral("Ok"));
        box.setWindowTitle(title);
        box.setStandardButtons(QMessageBox::Ok);
        const int before = box.sizeHint().width();
        fitTitle(box);
        box.layout()->activate();
        EXPECT_GE(box.sizeHint().width(), titleWidth(title)) << title.toStdString();
        EXPECT_GE(box.sizeHint().width(), before);
        EXPECT_GT(titleWidth(title), box.fontMetrics().horizontalAdvance(title));
    }
}

} // namespace
} // namespace pelmora
