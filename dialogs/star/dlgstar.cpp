// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/star/dlgstar.h"

#include "framework/numbers.h"
#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR, IDS_HELP_STAR, L"Star.Name.Color", ApplyKind::LiveTracked};

}  // namespace

CDlgStar::CDlgStar(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CSettingsDialog(engine, engine2, parent, kTraits) {
    InitData();
}

CDlgStar::CDlgStar(CWnd* parent) : CSettingsDialog(parent, kTraits) { InitData(); }

void CDlgStar::InitData() {
    InitNumbers(Numbers());
    m_mag.HoldBounds(m_catalogs.Upper10(), m_catalogs.Lower10());
}

const DialogTraits& CDlgStar::Traits() { return kTraits; }

const CMessageMap* CDlgStar::GetMessageMap() const {
    using M = MessageMapOf<CDlgStar>;
    static const CMessageMap map = MapWithRows<D>(CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_STAR_MAG_AUTO, &D::OnRadioAngle),
        M::OnBnClicked(IDC_STAR_MAG_FIXED, &D::OnRadioFix),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_MAG_AUTO_MIN_SPIN, &D::OnDeltaposSpinMagAngle),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_MAG_MAX_SPIN, &D::OnDeltaposSpinMagMax),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_MAG_MIN_SPIN, &D::OnDeltaposSpinMagMin),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_NAME_LIMIT_MAG_SPIN, &D::OnDeltaposSpinLimitMag),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_PM_MAG_SPIN, &D::OnDeltaposSpinPMotion),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_SIZE_SPIN, &D::OnDeltaposSpinDiam),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_TWINKLE_STRENGTH_SPIN, &D::OnDeltaposSpinTwinkle),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_ABSMAG_PARSEC_SPIN, &D::OnDeltaposSpinAbsMagMul),
        M::OnBnClicked(IDC_STAR_MAG_RESET, &D::OnButtonMagReset),
        M::OnBnClicked(IDC_STAR_IMAGE_RESET, &D::OnButtonDiamReset),
        M::OnCbnSelchange(IDC_STAR_SHAPE, &D::OnCbnSelchangeDspStarComboShape),
        M::OnBnClicked(IDC_STAR_TWINKLE, &D::OnBnClickedDspStarCheckTwinkle),
        M::OnBnClicked(IDC_STAR_PROPER_NAME, &D::OnCheckName),
        M::OnBnClicked(IDC_STAR_NAME_JAPANESE, &D::OnApply),
        M::OnBnClicked(IDC_STAR_NAME_ENGLISH, &D::OnApply),
        M::OnBnClicked(IDC_STAR_NAME_LIMIT, &D::OnCheckLimitMag),
        M::OnBnClicked(IDC_STAR_ABSMAG, &D::OnCheckAbsmag),
        M::OnBnClicked(IDC_STAR_DATA_STD, &D::OnRadioStd),
        M::OnBnClicked(IDC_STAR_DATA_EXT, &D::OnRadioExt),
        M::OnBnClicked(IDC_STAR_DATA_AUTO, &D::OnRadioAuto),
        M::OnCbnSelchange(IDC_STAR_EXTDATA, &D::OnCbnSelchangeDspStarComboExtdata),
        M::OnBnClicked(IDC_STAR_EXTDATA_DETAIL, &D::OnBnClickedDspStarExtdata),
        M::OnBnClicked(IDC_STAR_COLOR_FONT, &D::OnButtonFont),
        M::OnPaint(&D::OnPaint),
    });
    return &map;
}

void CDlgStar::DoDataExchange(CDataExchange* pDX) {
    CSettingsDialog::DoDataExchange(pDX);
    ExchangeRows(pDX, Rows());
    DDX_Check(pDX, IDC_STAR_PROPER_NAME, m_bProperName);
    DDX_Check(pDX, IDC_STAR_NAME_LIMIT, m_bNameMagLimit);
    DDX_Check(pDX, IDC_STAR_ABSMAG, m_bAbsMag);
    DDX_Radio(pDX, IDC_STAR_MAG_AUTO, m_nMagMode);
    DDX_Radio(pDX, IDC_STAR_NAME_JAPANESE, m_nNameLang);
    DDX_Radio(pDX, IDC_STAR_DATA_STD, m_nCatalogMode);
    DDX_CBIndex(pDX, IDC_STAR_SHAPE, m_nShape);
    DDX_CBIndex(pDX, IDC_STAR_EXTDATA, m_nExtData);
    // The numbers last: a text the exchange cannot read stops it there, and the members after it
    // keep their values.
    ExchangeNumbers(pDX, Numbers());
}

void CDlgStar::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow controls[] = {
        {Ctl::GroupBox, IDC_STAR_GROUP},               {Ctl::GroupBox, IDC_STAR_MAG_GROUP},
        {Ctl::GroupBox, IDC_STAR_IMAGE_GROUP},         {Ctl::GroupBox, IDC_STAR_LABEL_GROUP},
        {Ctl::GroupBox, IDC_STAR_PM_GROUP},            {Ctl::GroupBox, IDC_STAR_ABSMAG_GROUP},
        {Ctl::GroupBox, IDC_STAR_DATA_GROUP},          {Ctl::GroupBox, IDC_STAR_OTHER_GROUP},
        {Ctl::Button, IDC_STAR_MAG_RESET},             {Ctl::Button, IDC_STAR_IMAGE_RESET},
        {Ctl::Button, IDC_STAR_EXTDATA_DETAIL},        {Ctl::Button, IDC_STAR_COLOR_FONT},
        {Ctl::CheckBox, IDC_STAR_PROPER_NAME},         {Ctl::CheckBox, IDC_STAR_NAME_LIMIT},
        {Ctl::CheckBox, IDC_STAR_ABSMAG},              {Ctl::RadioButton, IDC_STAR_MAG_AUTO},
        {Ctl::RadioButton, IDC_STAR_MAG_FIXED},        {Ctl::RadioButton, IDC_STAR_NAME_JAPANESE},
        {Ctl::RadioButton, IDC_STAR_NAME_ENGLISH},     {Ctl::RadioButton, IDC_STAR_DATA_STD},
        {Ctl::RadioButton, IDC_STAR_DATA_EXT},         {Ctl::RadioButton, IDC_STAR_DATA_AUTO},
        {Ctl::Static, IDC_STAR_MAG_AUTO_MIN_UNIT},     {Ctl::Static, IDC_STAR_MAG_TO},
        {Ctl::Static, IDC_STAR_MAG_UNIT},              {Ctl::Static, IDC_STAR_SIZE_LABEL},
        {Ctl::Static, IDC_STAR_SHAPE_LABEL},           {Ctl::Static, IDC_STAR_TWINKLE_LABEL},
        {Ctl::Static, IDC_STAR_NAME_LIMIT_MAG_UNIT},   {Ctl::Static, IDC_STAR_PM_MAG_UNIT},
        {Ctl::Static, IDC_STAR_ABSMAG_PARSEC_UNIT},    {Ctl::Static, IDC_STAR_DATA_LABEL},
        {Ctl::Static, IDC_STAR_EXTDATA_LABEL},
    };
    AttachTable(controls);
    m_cmbShape.Attach(IDC_STAR_SHAPE, this);
    m_cmbExtData.Attach(IDC_STAR_EXTDATA, this);
    AttachRows(Rows());
    AttachNumbers(Numbers());
}

BOOL CDlgStar::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    AttachControls();
    m_bApplied = FALSE;
    PrepareNumbers(Numbers());

    InitExtData();
    ReadStarSettings();
    UpdateData(FALSE);
    UpdateStarSizeValue();
    InitShapeList();

    // Opening sends nothing: the handlers the enable rules run apply while the flag is clear.
    m_mag.SetEditReady(FALSE);
    SetEnableOrDisable();
    m_mag.SetEditReady(TRUE);

    InitMagBound();
    if (IsDlgButtonChecked(IDC_STAR_MAG_AUTO))
        m_mag.SetEditFixed1(IDC_STAR_MAG_AUTO_MIN, zem::EditNumber(*this, IDC_STAR_MAG_AUTO_MIN));
    CheckAllMagEditBox();
    StoreUndoScript();
    return TRUE;
}

void CDlgStar::ReadStarSettings() {
    auto isTrue = [this](const wchar_t* path) { return Query(path) == L"TRUE"; };
    auto number = [this](const wchar_t* path) { return crt::_wtof(Query(path)); };

    ReadRows(Rows(kShow));
    ReadRows(Rows(kProperMotion));
    ReadNumber(Number(IDC_STAR_PM_MAG));
    m_nMagMode = isTrue(L"Star.AutoMagnitudeLimit") ? 0 : 1;
    ReadNumber(Number(IDC_STAR_MAG_AUTO_MIN));
    ReadNumber(Number(IDC_STAR_MAG_MAX));
    ReadNumber(Number(IDC_STAR_MAG_MIN));
    ReadRows(Rows(kTwinkle));
    ReadNumber(Number(IDC_STAR_TWINKLE_STRENGTH));
    ReadNumber(Number(IDC_STAR_SIZE));
    m_nSize10 = zem::Tenths(m_dSize);

    m_bProperName = isTrue(L"Star.JapaneseName.Visible") || isTrue(L"Star.EnglishName.Visible");
    m_nNameLang = (m_bProperName && !isTrue(L"Star.JapaneseName.Visible")) ? 1 : 0;
    ReadRows(Rows(kLabels));
    m_bNameMagLimit = isTrue(L"Star.JapaneseName.MagnitudeLimit");
    ReadNumber(Number(IDC_STAR_NAME_LIMIT_MAG));
    m_bAbsMag = number(L"star.Distance.Tenparsec") > 0;
    m_dAbsMagParsec = number(Number(IDC_STAR_ABSMAG_PARSEC).read) * 10;

    ReadStarCatalogInfo();
    ReadRows(Rows(kOverlays));
}

void CDlgStar::OnPaint() { CQelDialog::OnPaint(); }
