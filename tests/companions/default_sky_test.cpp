// The shipped default sky: it loads cleanly, answers what the dialogs ask with values they
// accept, survives a save and reload, and the shipped custom star-image list is well formed.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "companions/zemcom/qelfile.h"
#include "companions/zemqel/corqel.h"
#include "platform/textfile.h"

namespace {

const CString kDataDir = CString(zem::FromUtf8(ZEM_DATA_DIR));

std::string U8(std::wstring_view s) { return zem::ToUtf8(s); }

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
    // The answer as a whole number text, or NaN.
    double Number(const CString& path) {
        const std::string s = U8(Ask(path).str());
        double v = 0;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() ? v : std::nan("");
    }

    CCorQel sky_;
};

TEST_F(DefaultSky, AnswersTheDialogsWithValuesTheyAccept) {
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

    // A value a dialog would refuse would leave its undo script empty.
    const std::tuple<const wchar_t*, double, double> ranges[] = {
        {L"Milkyway.Image.Brightness", 0.1, 5.0}, {L"Star.Twinkle.Strength", 0.1, 1.0},
        {L"star.Distance.Tenparsec.Multiplier", 0.1, 9999.9}, {L"Star.Nova.Magnitude.Offset", -20, 30},
    };
    for (const auto& [path, lo, hi] : ranges) EXPECT_TRUE(lo <= Number(path) && Number(path) <= hi) << U8(path);
    // Pairs of limits: the bright end (Maximum) is never above the faint end (Minimum).
    const std::tuple<const wchar_t*, double, double> limits[] = {
        {L"Star.FixedMagnitudeLimit.", -6, 14.1}, {L"Star.GCVS.FixedMagnitudeLimit.", -6, 30},
        {L"Star.WDS.FixedMagnitudeLimit.", -2, 30}, {L"DeepSkyObject.FixedMagnitudeLimit.", -2, 18},
        {L"DeepSkyObject.PGC.FixedMagnitudeLimit.", -2, 26},
    };
    for (const auto& [prefix, lo, hi] : limits) {
        const double bright = Number(prefix + CString(L"Maximum")), faint = Number(prefix + CString(L"Minimum"));
        EXPECT_TRUE(lo <= bright && bright <= faint && faint <= hi) << U8(prefix) << ": " << bright << ".." << faint;
    }
}

// Sort key of a constellation name in the order of a Japanese dictionary: katakana read as
// hiragana, the long-vowel mark as the vowel before it, voiced and small kana as their plain kana
// first, and only then told apart.
std::pair<std::wstring, std::wstring> GojuonKey(const std::wstring& name) {
    static const std::wstring rows[] = {L"あいうえお", L"かきくけこ", L"さしすせそ", L"たちつてと", L"なにぬねの",
                                        L"はひふへほ", L"まみむめも", L"や・ゆ・よ", L"らりるれろ", L"わ・・・を"};
    static const std::wstring plain = L"かきくけこさしすせそたちつてとはひふへほはひふへほあいうえおつやゆよわ";
    static const std::wstring marked = L"がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉっゃゅょゎ";
    std::wstring primary, secondary;
    for (wchar_t c : name) {
        if (c >= L'ァ' && c <= L'ヶ') c = static_cast<wchar_t>(c - (L'ァ' - L'ぁ'));
        if (c == L'ー' && !primary.empty()) {
            for (const auto& row : rows) {
                const auto col = row.find(primary.back());
                if (col != std::wstring::npos) c = L"あいうえお"[col];
            }
        }
        const auto m = marked.find(c);
        primary += m == std::wstring::npos ? c : plain[m];
        secondary += c;
    }
    return {primary, secondary};
}

TEST_F(DefaultSky, EightyEightConstellationsInGojuonOrder) {
    std::vector<std::wstring> names;
    for (int n = 1; n <= 88; ++n) {
        const CString no = L"Constellation.No" + std::to_wstring(n);
        names.push_back(Ask(no + L".JapaneseName").str());
        EXPECT_FALSE(names.back().empty()) << n;
        EXPECT_EQ(Ask(no + L".Selection"), CString(L"TRUE")) << n;
    }
    EXPECT_TRUE(Ask(L"Constellation.No89.JapaneseName").IsEmpty());
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()).size(), 88u);
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(GojuonKey(names[i - 1]), GojuonKey(names[i])) << U8(names[i - 1]) << " / " << U8(names[i]);

    // The dialog's zodiac and season presets name constellations by these numbers.
    const std::pair<int, const wchar_t*> presets[] = {
        {16, L"おひつじ"},   {6, L"うお"},         {72, L"みずがめ"},        {79, L"やぎ"},       {3, L"いて"},
        {43, L"さそり"},     {52, L"てんびん"},     {15, L"おとめ"},          {45, L"しし"},       {21, L"かに"},
        {62, L"ふたご"},     {11, L"おうし"},       {17, L"オリオン"},        {58, L"はくちょう"}, {63, L"ペガスス"},
        {74, L"みなみじゅうじ"}, {83, L"りゅうこつ"}, {87, L"ろくぶんぎ"}, {88, L"わし"},         {84, L"りょうけん"},
    };
    for (const auto& [n, name] : presets) EXPECT_EQ(names[static_cast<std::size_t>(n - 1)], name) << n;
}

TEST_F(DefaultSky, CatalogsPicturesAndRoundTrip) {
    // Deep-sky catalogs end with an empty name and each has a label; every object type and
    // catalog has its four annotation switches.
    std::vector<CString> rows = {L"GlobularCluster", L"OpenCluster", L"PlanetaryNebula", L"DiffuseNebula", L"DarkNebula",
                                 L"SupernovaRemnant", L"Galaxy", L"GroupOfGalaxies", L"ClusterOfGalaxies"};
    int catalogs = 0;
    for (; catalogs < 99; ++catalogs) {
        const CString q = L"DeepSkyObject.Catalog.#" + std::to_wstring(catalogs + 1);
        rows.push_back(Ask(q + L".Name").Trim());
        if (rows.back().IsEmpty()) break;
        EXPECT_FALSE(Ask(q + L".LocalName").Trim().IsEmpty()) << catalogs + 1;
    }
    rows.pop_back();
    EXPECT_TRUE(catalogs >= 3 && catalogs < 99) << catalogs;
    for (const CString& row : rows)
        for (const wchar_t* a : {L"Mark", L"Name", L"Number", L"Magnitude"}) {
            const CString answer = Ask(L"DeepSkyObject." + row + L"." + a + L".Visible");
            EXPECT_TRUE(answer == L"TRUE" || answer == L"FALSE") << U8(row.str()) << "." << U8(a);
        }

    int catalog = -1, autoSwitch = -1, switchCatalog = -1;
    sky_.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
    EXPECT_TRUE(catalog == 1 && autoSwitch == 0 && switchCatalog >= 2 && switchCatalog <= 5) << switchCatalog;

    CString file = Ask(L"Constellation.Picture.Image.File");
    file.MakeLower();
    EXPECT_TRUE(file == L"cnspic\\standard.png" || file == L"cnspic\\lineart.png" || file == L"cnspic\\greek.png") << U8(file.str());
    EXPECT_EQ(Ask(L"info.module.datapath"), kDataDir);

    CCorQel copy;
    EXPECT_EQ(copy.LoadState(sky_.SaveState()), 0);
    EXPECT_EQ(copy.GetProperties(), sky_.GetProperties());
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
