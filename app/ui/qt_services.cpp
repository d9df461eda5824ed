#include "ui/qt_services.h"

#include "core/file_names.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
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

MsgAnswer QtServices::show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    QMessageBox box;
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
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Ok;
    }
}

std::optional<QString> QtServices::open(const FileDialogRequest &r)
{
    const QString path = QFileDialog::getOpenFileName(nullptr, r.title, r.directory, qtFilter(r.filter));
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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QColor> QtServices::choose(const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtServices::choose(const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial);
    if (!ok)
        return std::nullopt;
    return f;
}

void QtServices::installAll() { Services::install(this, this, this, this); }

} // namespace pelmora
