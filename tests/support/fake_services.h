#pragma once
// Scripted fakes of the user-interface services. Each test sets the answers it
// wants; every message is recorded with its text and icon.

#include "core/services.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace pelmora::test {

struct RecordedMessage {
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
    QString title;
};

class FakeServices final : public MessageService,
                           public FileDialogService,
                           public ColorDialogService,
                           public FontDialogService {
public:
    // Answers given in order; when none is queued the message gets Ok / Yes.
    std::deque<MsgAnswer> answers;
    std::vector<RecordedMessage> messages;

    // Paths handed out by open() and save(); an empty optional means Cancel.
    std::deque<std::optional<QString>> openPaths;
    std::deque<std::optional<QString>> savePaths;
    std::vector<FileDialogRequest> fileRequests;

    std::deque<std::optional<QColor>> colors;
    std::vector<QColor> colorRequests; // the colour each colour dialog started at
    std::deque<std::optional<FontChoice>> fonts;
    std::vector<FontChoice> fontRequests; // what each font dialog started from

    MsgAnswer show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title) override;
    std::optional<QString> open(const FileDialogRequest &request) override;
    std::optional<QString> save(const FileDialogRequest &request) override;
    std::optional<QColor> choose(const QColor &initial) override;
    std::optional<FontChoice> choose(const FontChoice &initial) override;

    void reset();
    QStringList messageTexts() const;
};

// The fakes every test program has installed.
FakeServices &fakes();

class FakeServicesEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
};

// Clears the fakes before each test that uses it.
class WithFakes : public ::testing::Test {
protected:
    void SetUp() override { fakes().reset(); }
    FakeServices &ui() { return fakes(); }
};

} // namespace pelmora::test
