// SPDX-License-Identifier: BSD-3-Clause
// The shipped default sky: it loads cleanly and answers what the dialogs ask; and the shipped
// custom star-image list is well formed. (That every dialog accepts the numbers it holds, the
// setting-rows test shows; the scenarios and the monkey open every dialog on it.)
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "companions/zemcom/qelfile.h"
#include "companions/zemqel/corqel.h"
#include "platform/textfile.h"
#include "printers.h"

namespace {

const CString kDataDir = CString(zem::FromUtf8(ZEM_DATA_DIR));

class DefaultSky : public ::testing::Test {
protected:
    void SetUp() override {
        std::wstring text;
        ASSERT_TRUE(zem::ReadUtf8File(kDataDir + L"/sky/default.qel", text));
        ASSERT_EQ(sky_.LoadState(CString(text)), 0) << "statements the engine does not understand";
        sky_.SetDataPath(kDataDir);
    }
    // Asked the way a dialog asks.
    CString Ask(const CString& path) { return sky_.Doit((L"? " + path).GetString()); }

    CCorQel sky_;
};

TEST_F(DefaultSky, AnswersWhatTheDialogsAsk) {
    // A sample of what each dialog asks when it opens, spelled as the dialogs spell them.
    for (const wchar_t* path :
         {L"Milkyway.Outline.Visible", L"star.extrasolarplanet.Star.Name.visible", L"View.Projection", L"Asterism.name.Visible",
          L"JapaneseCalendar.Name.Visible", L"Star.AutoMagnitudeLimit", L"star.Distance.Tenparsec", L"Star.Catalog.GSC.LocalName",
          L"InfraredSource.Name.Visible", L"DeepSkyObject.PGC.Point.Visible", L"Star.GCVS.Mark.Visible",
          L"Star.Nova.Discoverers.Visible", L"Star.Supernova.Sender.Visible", L"Star.WDS.Pair.Line.Visible"})
        EXPECT_FALSE(Ask(path).IsEmpty()) << U8(path);

    // The dialogs compare "TRUE" exactly; a "True" would read as false.
    for (const auto& [path, value] : sky_.GetProperties()) {
        CString upper = value;
        upper.MakeUpper();
        if (upper == L"TRUE" || upper == L"FALSE") {
            EXPECT_EQ(value, upper) << U8(path.str());
        }
    }
}

TEST_F(DefaultSky, EightyEightConstellationsAllSelected) {
    std::vector<std::wstring> names;
    for (int n = 1; n <= 88; ++n) {
        const CString no = L"Constellation.No" + std::to_wstring(n);
        names.push_back(Ask(no + L".JapaneseName").str());
        EXPECT_FALSE(names.back().empty()) << n;
        EXPECT_EQ(Ask(no + L".Selection"), CString(L"TRUE")) << n;
    }
    EXPECT_TRUE(Ask(L"Constellation.No89.JapaneseName").IsEmpty());
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()).size(), 88u);
}

TEST(ShippedData, CustomStarListIsWellFormed) {
    // Read as the star dialog reads it: data path + "\star\customstar\customstar.txt".
    const CString folder = kDataDir + L"\\star\\customstar\\";
    CQelFile file;
    ASSERT_TRUE(file.Open((folder + L"customstar.txt").GetString(), CQelFile::modeRead, nullptr));
    int entries = 0;
    for (CString line; file.ReadString(line); ++entries) {
        // An entry without a file name, a tab or a display name stops the dialog's list.
        const int tab = line.Find(L'\t');
        ASSERT_TRUE(tab > 0 && tab < line.GetLength() - 1) << U8(line.str());
        CString path = folder + line.Left(tab);
        path.Replace(L'\\', L'/');
        EXPECT_TRUE(std::filesystem::is_regular_file(U8(path.str()))) << U8(path.str());
    }
    EXPECT_GE(entries, 2);
}

}  // namespace
