#include "dialogs/overlay/overlaydialog.h"

BOOL COverlayDialog::ValidateLimit() {
    if (!m_mag.IsEditReady()) return FALSE;
    const zem::MagLimitTraits& t = m_limit.Traits();
    if (t.rangeMessage) {
        const int message = static_cast<int>(t.rangeMessage);
        if (!CheckMagRange(static_cast<int>(t.minimum.edit), t.upper, t.lower, message)) return FALSE;
        if (!CheckMagRange(static_cast<int>(t.maximum.edit), t.upper, t.lower, message)) return FALSE;
    }
    return m_limit.CheckOrder();
}

void COverlayDialog::StepField(const zem::MagField& field, NMHDR* pNotify, LRESULT* pResult) {
    UpdateMagSpin(static_cast<int>(field.edit), zem::SpinDelta(pNotify), field.upper10, field.lower10);
    Apply();
    *pResult = 0;
}
