#include "project/format_version.h"

namespace pelmora {

const std::array<VersionItem, 5> &versionItems()
{
    static const std::array<VersionItem, 5> items = {{
        {"mnuHelp5", u"&Версія 5.71  (01/11/25) ", 6, u"Конфігуратор Velkor 5.71", true, 1, 48},
        {"mnuHelp4", u"&Версія 4.5  (01/07/19) ", 5, u"Конфігуратор Velkor 4.51", true, 1, 48},
        {"mnuHelp3", u"&Версія 4.2  (01/04/17) ", 3, u"Конфігуратор Velkor 4.2", true, 1, 0},
        {"mnuHelp1", u"&Версія 3.0  (01/06/15) ", 0, u"Конфігуратор Velkor 2.0", true, 0, 0},
        {"mnuHelp2", u"&Версія 1.3  (01/01/15) ", 1, u"Конфігуратор Velkor 1.0", false, 0, 0},
    }};
    return items;
}

const VersionItem *versionItemByCode(int code)
{
    for (const auto &item : versionItems())
        if (item.code == code)
            return &item;
    return nullptr;
}

void applyVersionItem(ProjectModel &m, const VersionItem &item)
{
    m.settings.Format_Version = item.code;
    m.catalogue.Parametr_Value_Count(type::TOU) = item.touValues;
    m.catalogue.Parametr_Name_Count(type::RS4) = item.rs4Texts;
}

void applyVersionCapacity(ProjectModel &m, int code)
{
    auto &c = m.catalogue;
    auto &s = m.settings;
    c.Parametr_Value_Count(type::TOU) = (code == 3 || code == 5 || code == 6) ? 1 : 0;
    c.Parametr_Name_Count(type::RS4) = (code == 5 || code == 6) ? 48 : 0;
    if (code == 6) {
        s.ALGORITHM_Statement_Max = 224;
        s.Alg_Name_Count = 9184;
        s.Comment_Count = 2464;
    } else {
        s.ALGORITHM_Statement_Max = 128;
        s.Alg_Name_Count = 5248;
        s.Comment_Count = 1408;
    }
    c.Parametr_Name_Count(type::ALG) = s.Alg_Name_Count;
}

QString captionWithPath(int code, const QString &path)
{
    const char16_t *prefix = u"Конфігуратор Velkor 4.2 - ";
    switch (code) {
    case 0: prefix = u"Конфігуратор Velkor 2.0 - "; break;
    case 5: prefix = u"Конфігуратор Velkor 4.51 - "; break;
    case 6: prefix = u"Конфігуратор Velkor 5.71 - "; break;
    default: break; // 1 and 3
    }
    return QString::fromUtf16(prefix) + path;
}

} // namespace pelmora
