// SPDX-License-Identifier: BSD-3-Clause
// The deep-sky dialog's enable rules, from the controls' states: the annotations' restrictions and
// range, the PGC group, and the other-objects grid.
#include "dialogs/deepsky/dlgnbl.h"

bool CDlgNbl::AnyFeatureChecked() const {
    for (UINT id : {IDC_NBL_MARK, IDC_NBL_NAME, IDC_NBL_NUMBER, IDC_NBL_MAGNITUDE})
        if (IsDlgButtonChecked(static_cast<int>(id))) return true;
    return false;
}

// The restrictions and the magnitude range follow the annotations; the brightness follows them
// and the image box. The outline and image boxes themselves always stay usable.
void CDlgNbl::SetNgcEnableOrDisable() {
    const bool any = AnyFeatureChecked();
    const bool limit = IsDlgButtonChecked(IDC_NBL_LIMIT_MAG) != 0;
    const bool image = IsDlgButtonChecked(IDC_NBL_IMAGE) != 0;
    EnableItems({IDC_NBL_LIMIT_GROUP, IDC_NBL_CATALOG_LABEL, IDC_NBL_CATALOG_LIST, IDC_NBL_LEVEL_LABEL, IDC_NBL_LEVEL_LIST,
                 IDC_NBL_TYPE_LABEL, IDC_NBL_TYPE_LIST, IDC_NBL_MAG_GROUP, IDC_NBL_LIMIT_MAG},
                any);
    EnableItems({IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, IDC_NBL_MAG_TO, IDC_NBL_MAG_MIN, IDC_NBL_MAG_MIN_SPIN,
                 IDC_NBL_MAG_UNIT},
                any && limit);
    EnableItems({IDC_NBL_BRIGHTNESS_LABEL, IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, IDC_NBL_IMAGE_RESET}, any && image);
    UpdateLists();
}

// The PGC group follows the PGC box (which itself stays usable); with it checked, the range
// follows the limit box and the script is applied.
void CDlgNbl::SetPgcEnableOrDisable() {
    const bool pgc = IsDlgButtonChecked(IDC_NBL_PGC) != 0;
    EnableRows(Rows(kPgcLabels), pgc);
    EnableItems({IDC_NBL_PGC_MAG_GROUP, IDC_NBL_PGC_LIMIT_MAG, IDC_NBL_PGC_POINT, IDC_NBL_PGC_SHAPE_GROUP,
                 IDC_NBL_PGC_SHAPE_IMAGE, IDC_NBL_PGC_SHAPE_OUTLINE},
                pgc);
    if (pgc) {
        OnCheckPgcLimitMag();
    } else {
        EnableItems({IDC_NBL_PGC_MAG_MAX, IDC_NBL_PGC_MAG_MAX_SPIN, IDC_NBL_PGC_MAG_TO, IDC_NBL_PGC_MAG_MIN,
                     IDC_NBL_PGC_MAG_MIN_SPIN, IDC_NBL_PGC_MAG_UNIT},
                    false);
    }
}

// A name box is usable while its row is shown.
void CDlgNbl::SetEtcEnableOrDisable() {
    for (const auto& e : m_aEtcObj) EnableItem(e.nNameID, IsDlgButtonChecked(static_cast<int>(e.nVisibleID)) != 0);
}
