#include "support/fake_services.h"

namespace pelmora::test {
namespace {

// The next scripted path; an empty queue or an empty entry is a Cancel.
std::optional<QString> takeFront(std::deque<std::optional<QString>> &queue)
{
    if (queue.empty())
        return std::nullopt;
    const bool chosen = queue.front().has_value();
    const QString path = chosen ? *queue.front() : QString();
    queue.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

} // namespace

MsgAnswer FakeServices::show(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    messages.push_back({text, icon, buttons, title});
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
    return takeFront(openPaths);
}

std::optional<QString> FakeServices::save(const FileDialogRequest &request)
{
    fileRequests.push_back(request);
    return takeFront(savePaths);
}

std::optional<QColor> FakeServices::choose(const QColor &initial)
{
    colorRequests.push_back(initial);
    if (colors.empty())
        return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<FontChoice> FakeServices::choose(const FontChoice &initial)
{
    fontRequests.push_back(initial);
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
    colorRequests.clear();
    fonts.clear();
    fontRequests.clear();
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

void FakeServicesEnvironment::SetUp() { Services::install(&fakes(), &fakes(), &fakes(), &fakes()); }

} // namespace pelmora::test
