// SPDX-License-Identifier: BSD-3-Clause
#include "resources/module_resources.h"

#include "resources/resource_ids.h"
#include "resources/template_parts.h"

namespace {

// Range messages take the lower bound, then the upper; help keys go to the base dialog.
std::vector<StringEntry> StringTable() {
    return {
        {IDS_MAG_RANGE, L"等級には %.1f から %.1f までの値を入力してください。"},
        {IDS_MAG_ORDER, L"等級範囲は、上限等級より下限等級を大きくしてください。"},
        {IDS_NO_GSCACT_DATA, L"GSC-ACTデータがありません。このまま処理を続行します。"},
        {IDS_NO_EXT_STAR_DATA, L"拡張恒星データがありません。このまま処理を続行します。"},
        {IDS_NBL_IMAGE_BRIGHTNESS_RANGE, L"星雲・星団画像の明るさには %.1f から %.1f までの値を入力してください。"},
        {IDS_HELP_STAR_GSC, L"Dialog\\StarGsc"},
        {IDS_HELP_STAR_USNOA20, L"Dialog\\StarUsnoA20"},
        {IDS_STAR_SIZE_RANGE, L"大きさには %.1f から %.1f までの値を入力してください。"},
        {IDS_GCVS_MAG_RANGE, L"変光星の等級には %.1f から %.1f までの値を入力してください。"},
        {IDS_GCVS_MAG_ORDER, L"変光星の等級範囲は、上限等級より下限等級を大きくしてください。"},
        {IDS_WDS_MAG_RANGE, L"二重星の等級には %.1f から %.1f までの値を入力してください。"},
        {IDS_WDS_MAG_ORDER, L"二重星の等級範囲は、上限等級より下限等級を大きくしてください。"},
        {IDS_HELP_EXOPLANET, L"Dialog\\ExoPlanet"},
        {IDS_HELP_CONS, L"Dialog\\Cons"},
        {IDS_HELP_MILKYWAY, L"Dialog\\Milkyway"},
        {IDS_HELP_NEBULA, L"Dialog\\Nebula"},
        {IDS_HELP_STAR, L"Dialog\\Star"},
        {IDS_HELP_STAR_WDS, L"Dialog\\StarWds"},
        {IDS_HELP_STAR_GCVS, L"Dialog\\StarGcvs"},
        {IDS_HELP_STAR_NOVA, L"Dialog\\StarNova"},
        {IDS_HELP_STAR_SNOVA, L"Dialog\\StarSNova"},
        {IDS_MW_BRIGHTNESS_RANGE, L"明るさには 0.1 から 5.0 の値を指定してください。"},
        {IDS_TWINKLE_STRENGTH_RANGE, L"またたきの強さには 0.1 から 1.0 までの値を入力してください。"},
    };
}

}  // namespace

const ResourceModule& ZemModuleResources() {
    using namespace zem_res;
    static const ResourceModule module{
        {
            ConstellationTemplate(),
            MilkyWayTemplate(),
            DeepSkyTemplate(),
            StarTemplate(),
            GscTemplate(),
            UsnoA20Template(),
            ExoplanetTemplate(),
            DoubleStarTemplate(),
            VariableStarTemplate(),
            NovaTemplate(),
            SupernovaTemplate(),
        },
        StringTable(),
    };
    return module;
}
