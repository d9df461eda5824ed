#include "project/startup.h"

#include "project/format_version.h"

namespace pelmora {

void startUpModel(ProjectModel &m)
{
    auto &s = m.settings;
    auto &p = m.pages;
    // 1.
    s.T_Zapyt = 5;
    s.ALGORITHM_Last_Step = 1;
    s.Stranica_Stop = 1;
    // 2. the 5.71 version item (the window does its own part).
    applyVersionItem(m, *versionItemByCode(6));
    // 3.
    p.Pending_Element_Kind = 0;
    // 6.
    for (int i = 0; i <= 9999; ++i)
        m.schema.Parametr_Name(i) = QStringLiteral("0");
    // 7.
    for (int k = 1; k <= 129; ++k)
        m.schema.ALGORITHM_Block_Line(0, k) = QStringLiteral("0");
    // 8.
    fillCatalogueLists(m.catalogue);
    // 9.
    p.Setka_Razmer = 1;
    p.Setka_Razmer_Menu = 1;
    // 11.
    s.Num_COM_Link = 1;
    s.Num_Net = 1;
    s.Type_Block_Edit = 1;
    // 13. Stranica_Count is still 0: no page name is touched, only page 0 gets font sizes.
    for (int pg = 0; pg <= s.Stranica_Count - 1; ++pg)
        p.Stranica_Name(pg) = QString();
    for (int pg = 0; pg <= s.Stranica_Count; ++pg)
        for (int n = 0; n <= 32; ++n) {
            p.Parametr_Font_Size(pg, n) = 8;
            p.Text_Signal_Font_Size(pg, n) = 10;
        }
    // 14.
    p.Num_Stranica_SCADA = 0;
    s.Name_Schema = kNoSchema;
    // 16. the catalogue's types; then the capacity of the start-up version.
    fillCatalogueTypes(m.catalogue, s.Alg_Name_Count);
    applyVersionCapacity(m, s.Format_Version);
}

} // namespace pelmora
