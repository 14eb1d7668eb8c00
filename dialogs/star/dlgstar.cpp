// SPDX-License-Identifier: BSD-3-Clause
#include "dialogs/star/dlgstar.h"

#include "framework/numbers.h"
#include "platform/crt.h"
#include "resources/resource_ids.h"

namespace {

const DialogTraits kTraits{IDD_DSP_STAR, IDS_HELP_STAR, L"Star.Name.Color", ApplyKind::LiveTracked};

}  // namespace

const wchar_t* const CDlgStar::m_aszExtData[kExtCatalogs] = {L"GSC", L"Tycho2", L"Tycho", L"USNOA20"};

CDlgStar::CDlgStar(CCorQel* engine, CCorQel* engine2, CWnd* parent) : CSettingsDialog(engine, engine2, parent, kTraits) {
    InitData();
}

CDlgStar::CDlgStar(CWnd* parent) : CSettingsDialog(parent, kTraits) { InitData(); }

void CDlgStar::InitData() {
    m_bVisible = FALSE;
    m_nMagMode = 0;
    m_dAutoMagMin = 8.0;
    m_dFixedMagMax = -2.0;
    m_dFixedMagMin = 8.0;
    m_dSize = 1.0;
    m_nShape = 0;
    m_bTwinkle = FALSE;
    m_dTwinkleStrength = 0.5;
    m_bProperName = FALSE;
    m_nNameLang = 0;
    m_bBayerLetter = m_bFlamsteedNumber = m_bMagnitude = FALSE;
    m_bNameMagLimit = FALSE;
    m_dNameMagLimit = 8.0;
    m_bProperMotion = FALSE;
    m_dProperMotionMag = 0.0;
    m_bAbsMag = FALSE;
    m_dAbsMagParsec = 10.0;
    m_nCatalogMode = -1;
    m_bJapaneseStarNames = m_bJapaneseStarNamesName = FALSE;
    m_bNearbyStars = m_bNearbyStarsName = FALSE;
    m_bDistanceToStars = FALSE;
    m_bPulsar = m_bPulsarName = FALSE;
    m_nMagLower10 = -60;
    m_mag.HoldBounds(m_nMagUpper10, m_nMagLower10);
    m_mag.SetEditReady(TRUE);
    m_bApplied = FALSE;
}

const CMessageMap* CDlgStar::GetMessageMap() const {
    using M = MessageMapOf<CDlgStar>;
    static const CMessageMap map(&CSettingsDialog::ThisMessageMap(), {
        M::OnBnClicked(IDC_STAR_VISIBLE, &CDlgStar::OnCheckView),
        M::OnBnClicked(IDC_STAR_MAG_AUTO, &CDlgStar::OnRadioAngle),
        M::OnBnClicked(IDC_STAR_MAG_FIXED, &CDlgStar::OnRadioFix),
        M::OnEnChange(IDC_STAR_MAG_AUTO_MIN, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_MAG_MAX, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_MAG_MIN, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_SIZE, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_TWINKLE_STRENGTH, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_NAME_LIMIT_MAG, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_PM_MAG, &CDlgStar::OnApply),
        M::OnEnChange(IDC_STAR_ABSMAG_PARSEC, &CDlgStar::OnApply),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_MAG_AUTO_MIN_SPIN, &CDlgStar::OnDeltaposSpinMagAngle),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_MAG_MAX_SPIN, &CDlgStar::OnDeltaposSpinMagMax),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_MAG_MIN_SPIN, &CDlgStar::OnDeltaposSpinMagMin),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_NAME_LIMIT_MAG_SPIN, &CDlgStar::OnDeltaposSpinLimitMag),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_PM_MAG_SPIN, &CDlgStar::OnDeltaposSpinPMotion),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_SIZE_SPIN, &CDlgStar::OnDeltaposSpinDiam),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_TWINKLE_STRENGTH_SPIN, &CDlgStar::OnDeltaposSpinTwinkle),
        M::OnNotify(UDN_DELTAPOS, IDC_STAR_ABSMAG_PARSEC_SPIN, &CDlgStar::OnDeltaposSpinAbsMagMul),
        M::OnBnClicked(IDC_STAR_MAG_RESET, &CDlgStar::OnButtonMagReset),
        M::OnBnClicked(IDC_STAR_IMAGE_RESET, &CDlgStar::OnButtonDiamReset),
        M::OnCbnSelchange(IDC_STAR_SHAPE, &CDlgStar::OnCbnSelchangeDspStarComboShape),
        M::OnBnClicked(IDC_STAR_TWINKLE, &CDlgStar::OnBnClickedDspStarCheckTwinkle),
        M::OnBnClicked(IDC_STAR_PROPER_NAME, &CDlgStar::OnCheckName),
        M::OnBnClicked(IDC_STAR_NAME_JAPANESE, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_NAME_ENGLISH, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_BAYER, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_FLAMSTEED, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_MAGNITUDE, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_JNAMES_NAME, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_NEARBY_NAME, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_PULSAR_NAME, &CDlgStar::OnApply),
        M::OnBnClicked(IDC_STAR_NAME_LIMIT, &CDlgStar::OnCheckLimitMag),
        M::OnBnClicked(IDC_STAR_PROPER_MOTION, &CDlgStar::OnCheckProperMotion),
        M::OnBnClicked(IDC_STAR_ABSMAG, &CDlgStar::OnCheckAbsmag),
        M::OnBnClicked(IDC_STAR_JNAMES, &CDlgStar::OnCheckJnameView),
        M::OnBnClicked(IDC_STAR_NEARBY, &CDlgStar::OnCheckNeighborView),
        M::OnBnClicked(IDC_STAR_DISTANCE, &CDlgStar::OnCheckDistanceView),
        M::OnBnClicked(IDC_STAR_PULSAR, &CDlgStar::OnCheckPulsarView),
        M::OnBnClicked(IDC_STAR_DATA_STD, &CDlgStar::OnRadioStd),
        M::OnBnClicked(IDC_STAR_DATA_EXT, &CDlgStar::OnRadioExt),
        M::OnBnClicked(IDC_STAR_DATA_AUTO, &CDlgStar::OnRadioAuto),
        M::OnCbnSelchange(IDC_STAR_EXTDATA, &CDlgStar::OnCbnSelchangeDspStarComboExtdata),
        M::OnBnClicked(IDC_STAR_EXTDATA_DETAIL, &CDlgStar::OnBnClickedDspStarExtdata),
        M::OnBnClicked(IDC_STAR_COLOR_FONT, &CDlgStar::OnButtonFont),
        M::OnPaint(&CDlgStar::OnPaint),
    });
    return &map;
}

// The plain switches, in the order they are read and written. The label limit is not one of
// them: it is read from one property and written to six.
zem::SettingRows<CDlgStar> CDlgStar::Rows() {
    using D = CDlgStar;
    static const zem::SettingRow<D> rows[] = {
        {IDC_STAR_VISIBLE, &D::m_bVisible, L"Star.Visible", L"Star.Visible"},
        {IDC_STAR_PROPER_MOTION, &D::m_bProperMotion, L"Star.ProperMotion", L"Star.ProperMotion"},
        {IDC_STAR_TWINKLE, &D::m_bTwinkle, L"Star.Twinkle.Visible", L"Star.Twinkle.Visible"},
        {IDC_STAR_BAYER, &D::m_bBayerLetter, L"Star.BayerLetter.Visible", L"Star.BayerLetter.Visible"},
        {IDC_STAR_FLAMSTEED, &D::m_bFlamsteedNumber, L"Star.FlamsteedNumber.Visible", L"Star.FlamsteedNumber.Visible"},
        {IDC_STAR_MAGNITUDE, &D::m_bMagnitude, L"Star.Magnitude.Visible", L"Star.Magnitude.Visible"},
        {IDC_STAR_NEARBY, &D::m_bNearbyStars, L"NearbyStars.Visible", L"NearbyStars.Visible"},
        {IDC_STAR_NEARBY_NAME, &D::m_bNearbyStarsName, L"NearbyStars.Name.Visible", L"NearbyStars.Name.Visible"},
        {IDC_STAR_JNAMES, &D::m_bJapaneseStarNames, L"JapaneseStarNames.Visible", L"JapaneseStarNames.Visible"},
        {IDC_STAR_JNAMES_NAME, &D::m_bJapaneseStarNamesName, L"JapaneseStarNames.Name.Visible",
         L"JapaneseStarNames.Name.Visible"},
        {IDC_STAR_PULSAR, &D::m_bPulsar, L"Pulsar.Visible", L"Pulsar.Visible"},
        {IDC_STAR_PULSAR_NAME, &D::m_bPulsarName, L"Pulsar.Name.Visible", L"Pulsar.Name.Visible"},
        // One box for the distances and their labels.
        {.control = IDC_STAR_DISTANCE, .member = &D::m_bDistanceToStars, .read = L"DistanceToStars.Visible",
         .write = L"DistanceToStars.Visible", .read2 = L"DistanceToStars.Name.Visible",
         .write2 = L"DistanceToStars.Name.Visible"},
    };
    return zem::Rows(rows);
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
    DDX_Double(pDX, IDC_STAR_SIZE, m_dSize, L"%.1f");
    DDX_Double(pDX, IDC_STAR_TWINKLE_STRENGTH, m_dTwinkleStrength, L"%.1f");
    DDX_Double(pDX, IDC_STAR_NAME_LIMIT_MAG, m_dNameMagLimit, L"%.1f");
    DDX_Double(pDX, IDC_STAR_MAG_AUTO_MIN, m_dAutoMagMin, L"%.1f");
    DDX_Double(pDX, IDC_STAR_MAG_MIN, m_dFixedMagMin, L"%.1f");
    DDX_Double(pDX, IDC_STAR_MAG_MAX, m_dFixedMagMax, L"%.1f");
    DDX_Double(pDX, IDC_STAR_PM_MAG, m_dProperMotionMag, L"%.1f");
    DDX_Double(pDX, IDC_STAR_ABSMAG_PARSEC, m_dAbsMagParsec, L"%.0f");
}

void CDlgStar::AttachControls() {
    CSettingsDialog::AttachControls();
    static const ControlRow groupsEditsButtons[] = {
        {Ctl::GroupBox, IDC_STAR_GROUP},         {Ctl::GroupBox, IDC_STAR_MAG_GROUP},
        {Ctl::GroupBox, IDC_STAR_IMAGE_GROUP},   {Ctl::GroupBox, IDC_STAR_LABEL_GROUP},
        {Ctl::GroupBox, IDC_STAR_PM_GROUP},      {Ctl::GroupBox, IDC_STAR_ABSMAG_GROUP},
        {Ctl::GroupBox, IDC_STAR_DATA_GROUP},    {Ctl::GroupBox, IDC_STAR_OTHER_GROUP},
        {Ctl::Edit, IDC_STAR_MAG_AUTO_MIN},      {Ctl::Edit, IDC_STAR_MAG_MAX},
        {Ctl::Edit, IDC_STAR_MAG_MIN},           {Ctl::Edit, IDC_STAR_SIZE},
        {Ctl::Edit, IDC_STAR_TWINKLE_STRENGTH},  {Ctl::Edit, IDC_STAR_NAME_LIMIT_MAG},
        {Ctl::Edit, IDC_STAR_PM_MAG},            {Ctl::Edit, IDC_STAR_ABSMAG_PARSEC},
        {Ctl::Button, IDC_STAR_MAG_RESET},       {Ctl::Button, IDC_STAR_IMAGE_RESET},
        {Ctl::Button, IDC_STAR_EXTDATA_DETAIL},  {Ctl::Button, IDC_STAR_COLOR_FONT},
    };
    static const ControlRow boxesSpinsStatics[] = {
        {Ctl::CheckBox, IDC_STAR_VISIBLE},               {Ctl::CheckBox, IDC_STAR_TWINKLE},
        {Ctl::CheckBox, IDC_STAR_PROPER_NAME},           {Ctl::CheckBox, IDC_STAR_BAYER},
        {Ctl::CheckBox, IDC_STAR_FLAMSTEED},             {Ctl::CheckBox, IDC_STAR_MAGNITUDE},
        {Ctl::CheckBox, IDC_STAR_NAME_LIMIT},            {Ctl::CheckBox, IDC_STAR_PROPER_MOTION},
        {Ctl::CheckBox, IDC_STAR_ABSMAG},                {Ctl::RadioButton, IDC_STAR_MAG_AUTO},
        {Ctl::RadioButton, IDC_STAR_MAG_FIXED},          {Ctl::RadioButton, IDC_STAR_NAME_JAPANESE},
        {Ctl::RadioButton, IDC_STAR_NAME_ENGLISH},       {Ctl::RadioButton, IDC_STAR_DATA_STD},
        {Ctl::RadioButton, IDC_STAR_DATA_EXT},           {Ctl::RadioButton, IDC_STAR_DATA_AUTO},
        {Ctl::Spin, IDC_STAR_MAG_AUTO_MIN_SPIN},         {Ctl::Spin, IDC_STAR_MAG_MAX_SPIN},
        {Ctl::Spin, IDC_STAR_MAG_MIN_SPIN},              {Ctl::Spin, IDC_STAR_SIZE_SPIN},
        {Ctl::Spin, IDC_STAR_TWINKLE_STRENGTH_SPIN},     {Ctl::Spin, IDC_STAR_NAME_LIMIT_MAG_SPIN},
        {Ctl::Spin, IDC_STAR_PM_MAG_SPIN},               {Ctl::Spin, IDC_STAR_ABSMAG_PARSEC_SPIN},
        {Ctl::Static, IDC_STAR_MAG_AUTO_MIN_UNIT},       {Ctl::Static, IDC_STAR_MAG_TO},
        {Ctl::Static, IDC_STAR_MAG_UNIT},                {Ctl::Static, IDC_STAR_SIZE_LABEL},
        {Ctl::Static, IDC_STAR_SHAPE_LABEL},             {Ctl::Static, IDC_STAR_TWINKLE_LABEL},
        {Ctl::Static, IDC_STAR_NAME_LIMIT_MAG_UNIT},     {Ctl::Static, IDC_STAR_PM_MAG_UNIT},
        {Ctl::Static, IDC_STAR_ABSMAG_PARSEC_UNIT},      {Ctl::Static, IDC_STAR_DATA_LABEL},
        {Ctl::Static, IDC_STAR_EXTDATA_LABEL},           {Ctl::FocusCheckBox, IDC_STAR_JNAMES},
        {Ctl::FocusCheckBox, IDC_STAR_JNAMES_NAME},      {Ctl::FocusCheckBox, IDC_STAR_NEARBY},
        {Ctl::FocusCheckBox, IDC_STAR_NEARBY_NAME},      {Ctl::FocusCheckBox, IDC_STAR_DISTANCE},
        {Ctl::FocusCheckBox, IDC_STAR_PULSAR},           {Ctl::FocusCheckBox, IDC_STAR_PULSAR_NAME},
    };
    AttachTable(groupsEditsButtons);
    m_cmbShape.Attach(IDC_STAR_SHAPE, this);
    m_cmbExtData.Attach(IDC_STAR_EXTDATA, this);
    AttachTable(boxesSpinsStatics);
}

BOOL CDlgStar::OnInitDialog() {
    CSettingsDialog::OnInitDialog();
    AttachControls();
    m_bApplied = FALSE;

    // The twinkle strength is not limited.
    for (UINT id : {IDC_STAR_MAG_AUTO_MIN, IDC_STAR_MAG_MAX, IDC_STAR_MAG_MIN, IDC_STAR_SIZE, IDC_STAR_NAME_LIMIT_MAG,
                    IDC_STAR_PM_MAG, IDC_STAR_ABSMAG_PARSEC})
        SendDlgItemMessage(static_cast<int>(id), EM_LIMITTEXT, 5, 0);
    // The distance up-down keeps the platform's range: its up arrow counts down.
    for (UINT id : {IDC_STAR_MAG_AUTO_MIN_SPIN, IDC_STAR_MAG_MIN_SPIN, IDC_STAR_MAG_MAX_SPIN, IDC_STAR_NAME_LIMIT_MAG_SPIN,
                    IDC_STAR_TWINKLE_STRENGTH_SPIN, IDC_STAR_SIZE_SPIN, IDC_STAR_PM_MAG_SPIN})
        InitSpin(static_cast<int>(id));

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
    if (IsDlgButtonChecked(IDC_STAR_MAG_AUTO)) {
        CString text;
        text.Format(L"%.1f", crt::_wtof(EditText(IDC_STAR_MAG_AUTO_MIN)));
        m_mag.SetEditText(IDC_STAR_MAG_AUTO_MIN, text);
    }
    CheckAllMagEditBox();
    StoreUndoScript();
    return TRUE;
}

void CDlgStar::ReadStarSettings() {
    const auto rows = Rows();
    auto isTrue = [this](const wchar_t* path) { return Query(path) == L"TRUE"; };
    auto number = [this](const wchar_t* path) { return crt::_wtof(Query(path)); };

    ReadRows(rows.subspan(kShowRow, 1));
    ReadRows(rows.subspan(kProperMotionRow, 1));
    m_dProperMotionMag = number(L"Star.ProperMotion.MagnitudeLimit.Minimum");
    m_nMagMode = isTrue(L"Star.AutoMagnitudeLimit") ? 0 : 1;
    m_dAutoMagMin = number(L"Star.AutoMagnitudeLimit.Minimum");
    m_dFixedMagMax = number(L"Star.FixedMagnitudeLimit.Maximum");
    m_dFixedMagMin = number(L"Star.FixedMagnitudeLimit.Minimum");
    ReadRows(rows.subspan(kTwinkleRow, 1));
    m_dTwinkleStrength = number(L"Star.Twinkle.Strength");
    m_dSize = number(L"Star.Size");
    m_nSize10 = zem::Tenths(m_dSize);

    m_bProperName = isTrue(L"Star.JapaneseName.Visible") || isTrue(L"Star.EnglishName.Visible");
    m_nNameLang = (m_bProperName && !isTrue(L"Star.JapaneseName.Visible")) ? 1 : 0;
    ReadRows(rows.subspan(kLabelRows, kOverlayRows - kLabelRows));
    m_bNameMagLimit = isTrue(L"Star.JapaneseName.MagnitudeLimit");
    m_dNameMagLimit = number(L"Star.JapaneseName.MagnitudeLimit.Minimum");
    m_bAbsMag = number(L"star.Distance.Tenparsec") > 0;
    m_dAbsMagParsec = number(L"star.Distance.Tenparsec.Multiplier") * 10;

    ReadStarCatalogInfo();
    ReadRows(rows.subspan(kOverlayRows));
}

void CDlgStar::OnPaint() { CQelDialog::OnPaint(); }
