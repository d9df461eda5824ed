#include "ui/qt_services.h"

#include "core/file_names.h"
#include "ui/font_dialog.h"
#include "ui/window_placement.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

namespace pelmora {
namespace {

// "P-CAD file|*.net|project file|*.prt" -> "P-CAD file (*.net);;project file (*.prt)"
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QLatin1Char(')');
    return out.join(QStringLiteral(";;"));
}

} // namespace

int titleWidth(const QString &title)
{
    // The caption's text, and room for the window manager's icon and its
    // three buttons beside it.
    return QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title) + 150;
}

void fitTitle(QMessageBox &box)
{
    // A message box takes the width of its text and buttons only; a short text
    // would cut its title. A spacer under everything widens the box to the
    // title's width.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(titleWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void QtServices::belongTo(QWidget &mainWindow, WindowRegistry &windows)
{
    main_ = &mainWindow;
    windows_ = &windows;
}

QWidget *QtServices::owner() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    QWidget *active = QApplication::activeWindow();
    // A click on the main window while a modal window is open makes the
    // disabled main window active; the dialog still belongs to the modal one.
    if (active && active->isVisible() && active->isEnabled())
        return active;
    if (windows_)
        if (QWidget *modal = windows_->blocker(); modal && modal->isVisible())
            return modal;
    if (main_ && main_->isVisible())
        return main_;
    return active && active->isVisible() ? active : nullptr;
}

MsgAnswer QtServices::show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    QMessageBox box;
    standAbove(box, owner());
    box.setText(text);
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    switch (icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // The program's own captions for the answer buttons.
    if (QAbstractButton *b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("Так"));
    if (QAbstractButton *b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("Ні"));
    if (QAbstractButton *b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Відміна"));
    fitTitle(box);
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Ok;
    }
}

std::optional<QString> QtServices::open(const FileDialogRequest &r)
{
    QFileDialog dialog(nullptr, r.title, r.directory, qtFilter(r.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    standAbove(dialog, owner());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtServices::save(const FileDialogRequest &r)
{
    QString start = r.directory;
    if (!r.defaultName.isEmpty())
        start = start.isEmpty() ? r.defaultName : start + QLatin1Char('/') + r.defaultName;
    // The dialog adds the filter's extension to a name typed without one, and
    // asks before it replaces a file of the completed name.
    QFileDialog dialog(nullptr, r.title, QString(), qtFilter(r.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(filterExtension(r.filter));
    if (!start.isEmpty())
        dialog.selectFile(start);
    standAbove(dialog, owner());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QColor> QtServices::choose(const QColor &initial)
{
    // The dialog starts at the colour being changed.
    QColorDialog dialog(initial);
    standAbove(dialog, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor c = dialog.selectedColor();
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<FontChoice> QtServices::choose(const FontChoice &initial)
{
    FontDialog dialog(initial);
    standAbove(dialog, owner());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtServices::installAll() { Services::install(this, this, this, this); }

} // namespace pelmora
