#include "project/startup.h"

#include "project/format_version.h"

namespace pelmora {

void startUpModel(ProjectModel &m)
{
    auto &s = m.settings;
    auto &p = m.pages;
    s.T_Zapyt = 5;
    s.ALGORITHM_Last_Step = 1;
    s.Stranica_Stop = 1;
    // The 5.71 version item (the window does its own part).
    applyVersionItem(m, *versionItemByCode(6));
    p.Pending_Element_Kind = 0;
    startUpSchema(m.schema);
    fillCatalogueLists(m.catalogue);
    p.Setka_Razmer = 1;
    p.Setka_Razmer_Menu = 1;
    s.Num_COM_Link = 1;
    s.Num_Net = 1;
    s.Type_Block_Edit = 1;
    // Stranica_Count is still 0: no page name is touched, only page 0 gets font sizes.
    for (int pg = 0; pg <= s.Stranica_Count - 1; ++pg)
        p.Stranica_Name(pg) = QString();
    for (int pg = 0; pg <= s.Stranica_Count; ++pg)
        for (int n = 0; n <= 32; ++n) {
            p.Parametr_Font_Size(pg, n) = 8;
            p.Text_Signal_Font_Size(pg, n) = 10;
        }
    p.Num_Stranica_SCADA = 0;
    s.Name_Schema = kNoSchema;
    // The catalogue's types; then the capacity of the start-up version.
    fillCatalogueTypes(m.catalogue, s.Alg_Name_Count);
    applyVersionCapacity(m, s.Format_Version);
}

void startUpSchema(SchemaTables &s)
{
    // Every block text starts as "0", and so does every line of the first ALGORITHM record.
    for (int i = 0; i <= 9999; ++i)
        s.Parametr_Name(i) = QStringLiteral("0");
    for (int k = 1; k <= 129; ++k)
        s.ALGORITHM_Block_Line(0, k) = QStringLiteral("0");
}

} // namespace pelmora
