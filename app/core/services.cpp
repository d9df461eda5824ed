#include "core/services.h"

#include <stdexcept>

namespace pelmora {
namespace {

// Until the program or a test installs its services, every call fails loudly
// instead of opening a dialog nobody can answer.
struct Unset final : MessageService, FileDialogService, ColorDialogService, FontDialogService {
    [[noreturn]] static void fail() { throw std::logic_error("user-interface service not installed"); }
    MsgAnswer show(const QString &, MsgIcon, MsgButtons, const QString &) override { fail(); }
    std::optional<QString> open(const FileDialogRequest &) override { fail(); }
    std::optional<QString> save(const FileDialogRequest &) override { fail(); }
    std::optional<QColor> choose(const QColor &) override { fail(); }
    std::optional<FontChoice> choose(const FontChoice &) override { fail(); }
};

Unset unset;
MessageService *g_messages = &unset;
FileDialogService *g_files = &unset;
ColorDialogService *g_colors = &unset;
FontDialogService *g_fonts = &unset;

} // namespace

MessageService &Services::messages() { return *g_messages; }
FileDialogService &Services::files() { return *g_files; }
ColorDialogService &Services::colors() { return *g_colors; }
FontDialogService &Services::fonts() { return *g_fonts; }

void Services::installMessages(MessageService *m) { g_messages = m ? m : static_cast<MessageService *>(&unset); }
void Services::installFiles(FileDialogService *f) { g_files = f ? f : static_cast<FileDialogService *>(&unset); }
void Services::installColors(ColorDialogService *c) { g_colors = c ? c : static_cast<ColorDialogService *>(&unset); }
void Services::installFonts(FontDialogService *f) { g_fonts = f ? f : static_cast<FontDialogService *>(&unset); }

void Services::install(MessageService *m, FileDialogService *f, ColorDialogService *c, FontDialogService *fo)
{
    installMessages(m);
    installFiles(f);
    installColors(c);
    installFonts(fo);
}

MsgAnswer showMessage(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    return Services::messages().show(text, icon, buttons, title);
}

} // namespace pelmora
