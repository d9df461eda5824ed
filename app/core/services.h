#pragma once
// User-interface services: message boxes, file dialogs, colour and font dialogs.
// The program installs the Qt implementations at start-up; tests install
// scripted fakes, so no test ever blocks on a dialog.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

namespace pelmora {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) = 0;
};

struct FileDialogRequest {
    QString title;
    QString filter;      // "P-CAD file|*.net" style: description|pattern pairs
    QString defaultName; // suggested file name
    QString directory;   // folder to start in (empty: the current folder)
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or nullopt when the user cancels.
    virtual std::optional<QString> open(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> save(const FileDialogRequest &request) = 0;
};

class ColorDialogService {
public:
    virtual ~ColorDialogService() = default;
    // The colour dialog, started at `initial` (the colour being changed); the
    // chosen colour, or nullopt when the user cancels.
    virtual std::optional<QColor> choose(const QColor &initial) = 0;
};

// The font dialog with effects: family, style, size, underline and
// strikeout in the font, and a text colour from the dialog's colour list.
struct FontChoice {
    QFont font;
    QColor colour;
};

class FontDialogService {
public:
    virtual ~FontDialogService() = default;
    // The chosen font and colour, or nullopt when the user cancels. What the
    // user did not change comes back as `initial` holds it: the family by its
    // given name even when it is not installed here (the dialog shows it
    // through an installed substitute), the style and the exact size.
    virtual std::optional<FontChoice> choose(const FontChoice &initial) = 0;
};

// The installed services. The program and each test install their own;
// installing nullptr restores nothing, so callers always install a full set.
struct Services {
    static MessageService &messages();
    static FileDialogService &files();
    static ColorDialogService &colors();
    static FontDialogService &fonts();

    static void install(MessageService *m, FileDialogService *f, ColorDialogService *c, FontDialogService *fo);
    static void installMessages(MessageService *m);
    static void installFiles(FileDialogService *f);
    static void installColors(ColorDialogService *c);
    static void installFonts(FontDialogService *f);
};

// Shorthand for the common call.
MsgAnswer showMessage(const QString &text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok,
                      const QString &title = QString());

} // namespace pelmora
