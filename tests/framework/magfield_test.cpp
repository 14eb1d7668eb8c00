// SPDX-License-Identifier: BSD-3-Clause
// The magnitude field machinery on its own: stepping, clamping, the edit-ready flag and the range
// check with its readings. (Dialog-held bounds and texts beyond the int range: the star and
// deep-sky tests.)
#include <gtest/gtest.h>

#include <climits>

#include "framework/magfield.h"
#include "resources/resource_ids.h"
#include "testbench/testbench.h"

using namespace bench;

namespace {

constexpr UINT kEdit = IDC_GCVS_MAG_MAX;

// Any template with a magnitude edit will do; this one records what its edit's change
// notifications saw of the edit-ready flag.
class FieldDialog : public CQelDialog {
public:
    FieldDialog() : CQelDialog(IDD_DSP_STAR_GCVS, nullptr) {}
    const CMessageMap* GetMessageMap() const override {
        static const CMessageMap map(&CQelDialog::ThisMessageMap(),
                                     {MessageMapOf<FieldDialog>::OnEnChange(kEdit, &FieldDialog::OnChange)});
        return &map;
    }
    void OnChange() { readyAtChange.push_back(mag.IsEditReady()); }

    zem::CMagFields mag{*this};
    std::vector<BOOL> readyAtChange;
};

// Runs f on the open dialog.
void WithDialog(const std::function<void(FieldDialog&)>& f) {
    Bench b;
    FieldDialog dlg;
    b.Run(dlg, {Do([&](CDialog&) { f(dlg); })});
}

void SetText(FieldDialog& d, const std::wstring& text) { d.SetDlgItemText(kEdit, text.c_str()); }
std::wstring Text(FieldDialog& d) { return TextOf(d, kEdit); }

TEST(MagField, EveryOneDecimalTextStepsExactlyOneTenth) {
    WithDialog([](FieldDialog& d) {
        for (int t = -300; t <= 400; ++t) {
            const auto text = zem::Format(L"%.1f", t / 10.0);
            for (int delta : {1, -1}) {
                SetText(d, text);
                d.mag.UpdateMagSpin(kEdit, delta, INT_MAX, INT_MIN);
                ASSERT_EQ(Text(d), zem::Format(L"%.1f", (t + delta) / 10.0)) << zem::ToUtf8(text) << " " << delta;
            }
        }
    });
}

TEST(MagField, ClampRewritesOnlyTextsOutsideTheBounds) {
    const struct {
        const wchar_t* text;
        const wchar_t* after;
        bool rewritten;
    } cases[] = {{L"20.0", L"14.1", true}, {L"-9", L"-6.0", true}, {L"5.37", L"5.37", false}, {L"7", L"7", false}};
    WithDialog([&](FieldDialog& d) {
        for (const auto& c : cases) {
            SetText(d, c.text);
            d.readyAtChange.clear();
            d.mag.ClampMagEdit(kEdit, 141, -60);
            EXPECT_EQ(Text(d), c.after);
            EXPECT_EQ(d.readyAtChange.size(), c.rewritten ? 1u : 0u) << zem::ToUtf8(c.text);
        }
    });
}

TEST(MagField, ProgramWritesClearTheEditReadyFlagOnlyDuringTheWrite) {
    WithDialog([](FieldDialog& d) {
        d.readyAtChange.clear();
        d.mag.UpdateMagSpin(kEdit, 1, 300, -60);
        d.mag.SetEditText(kEdit, L"3.0");
        d.mag.SetEditFixed1(kEdit, -0.04);  // as "%.1f" writes it
        EXPECT_EQ(Text(d), L"-0.0");
        SetText(d, L"4.0");  // a write that is not the field's own
        EXPECT_EQ(d.readyAtChange, (std::vector<BOOL>{FALSE, FALSE, FALSE, TRUE}));
        EXPECT_TRUE(d.mag.IsEditReady());
    });
}

// The leading number, as the order checks compare the two ends.
TEST(MagField, EditNumberReadsTheLeadingNumberInPlace) {
    WithDialog([](FieldDialog& d) {
        for (const auto& [text, number] : {std::pair{L"12.25等", 12.25}, {L" -2", -2.0}, {L"", 0.0}, {L"abc", 0.0}}) {
            SetText(d, text);
            EXPECT_EQ(zem::EditNumber(d, kEdit), number) << zem::ToUtf8(text);
        }
        EXPECT_EQ(zem::EditNumber(d, 65000), 0.0);  // no such control
    });
}

TEST(MagField, RangeCheck) {
    const struct {
        const wchar_t* text;
        zem::MagText rule;
        UINT message;
        int result;
        Events events;
    } cases[] = {
        {L"", zem::MagText::Strict, IDS_MAG_RANGE, 1, {}},
        {L" 5", zem::MagText::Strict, IDS_MAG_RANGE, 1, {}},
        {L"-2", zem::MagText::Strict, IDS_MAG_RANGE, 1, {}},
        {L"18.0", zem::MagText::Strict, IDS_MAG_RANGE, 1, {}},
        {L"5 ", zem::MagText::Strict, IDS_MAG_RANGE, 0, {L"M info 数値を入力してください。", L"F 1810"}},
        {L"18.01", zem::MagText::Strict, IDS_MAG_RANGE, 0, {L"M info 等級には -2.0 から 18.0 までの値を入力してください。"}},
        {L"nan", zem::MagText::Strict, IDS_MAG_RANGE, 1, {}},  // compares false with both bounds
        {L"-inf", zem::MagText::Strict, IDS_MAG_RANGE, 0, {L"M info 等級には -2.0 から 18.0 までの値を入力してください。"}},
        {L"-3", zem::MagText::Strict, 0, 0, {}},
        // The deep-sky reading: no number counts as 0.0, and no message of its own.
        {L"abc", zem::MagText::LeadingNumber, IDS_MAG_RANGE, 1, {}},
        {L"19x", zem::MagText::LeadingNumber, IDS_MAG_RANGE, 0, {L"M info 等級には -2.0 から 18.0 までの値を入力してください。"}},
        {L"19x", zem::MagText::LeadingNumber, 0, 0, {}},
    };
    for (const auto& c : cases) {
        Bench b;
        FieldDialog dlg;
        b.Run(dlg, {Do([&](CDialog&) {
                  SetText(dlg, c.text);
                  b.Clear();
                  EXPECT_EQ(dlg.mag.CheckMagRange(kEdit, 18.0, -2.0, c.message, c.rule), c.result) << zem::ToUtf8(c.text);
                  EXPECT_EQ(b.Take(), c.events) << zem::ToUtf8(c.text);
                  EXPECT_EQ(Text(dlg), c.text);
              })});
    }
}

}  // namespace
