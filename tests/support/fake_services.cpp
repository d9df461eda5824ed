#include "support/fake_services.h"

namespace pelmora::test {

MsgAnswer FakeServices::show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &)
{
    messages.push_back({text, icon, buttons});
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
}

std::optional<QString> FakeServices::open(const FileDialogRequest &request)
{
    fileRequests.push_back(request);
    if (openPaths.empty())
        return std::nullopt;
    auto p = openPaths.front();
    openPaths.pop_front();
    return p;
}

std::optional<QString> FakeServices::save(const FileDialogRequest &request)
{
    fileRequests.push_back(request);
    if (savePaths.empty())
        return std::nullopt;
    auto p = savePaths.front();
    savePaths.pop_front();
    return p;
}

std::optional<QColor> FakeServices::choose(const QColor &)
{
    if (colors.empty())
        return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<QFont> FakeServices::choose(const QFont &)
{
    if (fonts.empty())
        return std::nullopt;
    auto f = fonts.front();
    fonts.pop_front();
    return f;
}

void FakeServices::reset()
{
    answers.clear();
    messages.clear();
    openPaths.clear();
    savePaths.clear();
    fileRequests.clear();
    colors.clear();
    fonts.clear();
}

QStringList FakeServices::messageTexts() const
{
    QStringList out;
    for (const auto &m : messages)
        out << m.text;
    return out;
}

FakeServices &fakes()
{
    static FakeServices f;
    return f;
}

void FakeServicesEnvironment::SetUp()
{
    Services::install(&fakes(), &fakes(), &fakes(), &fakes());
}

} // namespace pelmora::test
