// libFuzzer target: any file read as a schema netlist and imported. The
// reading and the import must end on every input without a crash, an
// out-of-range access or an escaping exception.

#include "core/services.h"
#include "project/startup.h"
#include "schema/netlist_reader.h"
#include "schema/schema_import.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace {

struct Silent final : pelmora::MessageService {
    pelmora::MsgAnswer show(const QString &, pelmora::MsgIcon, pelmora::MsgButtons, const QString &) override
    {
        return pelmora::MsgAnswer::Ok;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Silent silent;
    static const pelmora::ProjectModel pristine = [] {
        pelmora::Services::installMessages(&silent);
        pelmora::ProjectModel m;
        pelmora::startUpModel(m);
        return m;
    }();
    // The import touches only these parts of the model.
    static pelmora::ProjectModel m = pristine;
    m.schema = pristine.schema;
    m.catalogue = pristine.catalogue;
    m.settings = pristine.settings;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    pelmora::Import_NetList(m, pelmora::readNetlist(m, bytes));
    return 0;
}
