// The shipped default sky: it loads cleanly, answers what the dialogs ask with values they
// accept, survives a save and reload, and the shipped custom star-image list is well formed.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "companions/zemcom/qelfile.h"
#include "companions/zemqel/corqel.h"

namespace {

const std::string kDataDir = ZEM_DATA_DIR;

CString LoadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return CString(zem::FromUtf8(bytes));
}

class DefaultSky : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sky_.LoadState(LoadText(kDataDir + "/sky/default.qel")), 0) << "statements the engine does not understand";
        ASSERT_GT(sky_.GetPropertyCount(), 300u);
        sky_.SetDataPath(CString(zem::FromUtf8(kDataDir)));
    }
    // Asked the way a dialog asks.
    CString Ask(const CString& path) { return sky_.Doit((L"? " + path).GetString()); }
    static bool IsNumber(const CString& text, double* value = nullptr) {
        const std::string s = zem::ToUtf8(text);
        double v = 0;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        if (value) *value = v;
        return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
    }

    CCorQel sky_;
};

// A sample of what each dialog asks when it opens, spelled as the dialogs spell them.
struct DialogQueries {
    const char* dialog;
    std::vector<const wchar_t*> paths;
};

const DialogQueries kQueries[] = {
    {"CDlgMw", {L"Milkyway.Visible", L"Milkyway.Image.Visible", L"Milkyway.Outline.Visible", L"Milkyway.Image.Brightness"}},
    {"CDlgExoPlanet", {L"star.extrasolarplanet.visible", L"star.extrasolarplanet.Star.Name.visible", L"View.Projection"}},
    {"CDlgCons",
     {L"Constellation.JapaneseName.Visible", L"Constellation.Picture.Outline.Visible", L"Constellation.Picture.Image.File",
      L"Asterism.name.Visible", L"Nickname.Name.Visible", L"ChineseConstellation.Visible", L"JapaneseCalendar.Name.Visible"}},
    {"CDlgStar",
     {L"Star.Visible", L"Star.ProperMotion.MagnitudeLimit.Minimum", L"Star.AutoMagnitudeLimit", L"Star.Twinkle.Strength",
      L"Star.Size", L"Star.JapaneseName.MagnitudeLimit.Minimum", L"star.Distance.Tenparsec",
      L"star.Distance.Tenparsec.Multiplier", L"DistanceToStars.Name.Visible", L"Star.AutoMagnitudeLimit.Minimum.Default",
      L"View.Coordinate", L"Star.Catalog.GSC.LocalName", L"Star.Catalog.USNOA20.MagnitudeLimit.Minmag",
      L"info.module.datapath", L"Star.Custom.Visible", L"Star.Blur.Visible", L"Star.Mirado.Visible"}},
    {"CDlgNbl",
     {L"DeepSkyObject.Mark.Visible", L"DeepSkyObject.VisibleByTelescope.Visible", L"DeepSkyObject.FixedMagnitudeLimit",
      L"DeepSkyObject.Image.Brightness", L"DeepSkyObject.PGC.Outline.Visible", L"DeepSkyObject.PGC.Point.Visible",
      L"InfraredSource.Name.Visible", L"GroupClusterOfGalaxies.Visible"}},
    {"CDlgStarGcvs", {L"Star.GCVS.Mark.Visible", L"Star.GCVS.Magnitude.Minimum.Visible", L"Star.GCVS.FixedMagnitudeLimit.Maximum"}},
    {"CDlgStarNova", {L"Star.Nova.Discoverers.Visible", L"Star.Nova.Magnitude.Offset", L"Star.Nova.AutoMagnitudeLimit"}},
    {"CDlgStarSNova", {L"Star.Supernova.Sender.Visible", L"Star.Supernova.Magnitude.Variable", L"Star.Supernova.FixedMagnitudeLimit"}},
    {"CDlgStarWds", {L"Star.WDS.Pair.Line.Visible", L"Star.WDS.ComponentName.Visible", L"Star.WDS.FixedMagnitudeLimit.Minimum"}},
    {"CDlgStarGsc", {L"Star.Catalog.Gsc.Star.Visible", L"Star.Catalog.Gsc.Artifact.Visible"}},
    {"CDlgStarUsnoA20", {L"Star.Catalog.UsnoA20.FixedMagnitudeLimit"}},
};

TEST_F(DefaultSky, AnswersEveryDialogsQueries) {
    for (const auto& d : kQueries)
        for (const wchar_t* path : d.paths) EXPECT_FALSE(Ask(path).IsEmpty()) << d.dialog << ": " << zem::ToUtf8(std::wstring_view(path));

    // Deep-sky rows: every catalog, level and type has its four annotation paths.
    const wchar_t* annotations[] = {L"Mark", L"Name", L"Number", L"Magnitude"};
    std::vector<CString> rows = {L"GlobularCluster", L"OpenCluster", L"PlanetaryNebula", L"DiffuseNebula", L"DarkNebula",
                                 L"SupernovaRemnant", L"Galaxy", L"GroupOfGalaxies", L"ClusterOfGalaxies"};
    for (int n = 1; !Ask(L"DeepSkyObject.Catalog.#" + CString(std::to_wstring(n)) + L".Name").IsEmpty(); ++n)
        rows.push_back(Ask(L"DeepSkyObject.Catalog.#" + CString(std::to_wstring(n)) + L".Name").Trim());
    for (const CString& row : rows)
        for (const wchar_t* a : annotations) {
            const CString answer = Ask(L"DeepSkyObject." + row + L"." + a + L".Visible");
            EXPECT_TRUE(answer == L"TRUE" || answer == L"FALSE") << zem::ToUtf8(row) << "." << zem::ToUtf8(std::wstring_view(a));
        }
}

TEST_F(DefaultSky, BooleansAreUpperCaseAndNumbersInRange) {
    // The dialogs compare "TRUE" exactly; a "True" would read as false.
    for (const auto& [path, value] : sky_.GetProperties()) {
        CString upper = value;
        upper.MakeUpper();
        if (upper == L"TRUE" || upper == L"FALSE") {
            EXPECT_EQ(value, upper) << zem::ToUtf8(path);
        }
    }
    // Values a dialog would refuse would leave its undo script empty.
    struct Range {
        const wchar_t* path;
        double lo, hi;
    };
    const Range ranges[] = {
        {L"Milkyway.Image.Brightness", 0.1, 5.0},
        {L"Star.AutoMagnitudeLimit.Minimum", -6.0, 14.1},
        {L"Star.FixedMagnitudeLimit.Maximum", -6.0, 14.1},
        {L"Star.FixedMagnitudeLimit.Minimum", -6.0, 14.1},
        {L"Star.JapaneseName.MagnitudeLimit.Minimum", -6.0, 14.1},
        {L"Star.ProperMotion.MagnitudeLimit.Minimum", -6.0, 14.1},
        {L"Star.Size", 0.1, 10.0},
        {L"Star.Twinkle.Strength", 0.1, 1.0},
        {L"star.Distance.Tenparsec.Multiplier", 0.1, 9999.9},
        {L"Star.GCVS.FixedMagnitudeLimit.Maximum", -6.0, 30.0},
        {L"Star.GCVS.FixedMagnitudeLimit.Minimum", -6.0, 30.0},
        {L"Star.WDS.FixedMagnitudeLimit.Maximum", -2.0, 30.0},
        {L"Star.WDS.FixedMagnitudeLimit.Minimum", -2.0, 30.0},
        {L"Star.Nova.Magnitude.Offset", -20.0, 30.0},
        {L"Star.Supernova.Magnitude.Offset", -20.0, 30.0},
        {L"DeepSkyObject.FixedMagnitudeLimit.Maximum", -2.0, 18.0},
        {L"DeepSkyObject.FixedMagnitudeLimit.Minimum", -2.0, 18.0},
        {L"DeepSkyObject.Image.Brightness", 0.1, 1.0},
        {L"DeepSkyObject.PGC.FixedMagnitudeLimit.Maximum", -2.0, 26.0},
        {L"DeepSkyObject.PGC.FixedMagnitudeLimit.Minimum", -2.0, 26.0},
        {L"Star.Catalog.GSC.MagnitudeLimit.Minmag", 1.0, 30.0},
        {L"Star.Catalog.Tycho2.MagnitudeLimit.Minmag", 1.0, 30.0},
        {L"Star.Catalog.Tycho.MagnitudeLimit.Minmag", 1.0, 30.0},
        {L"Star.Catalog.USNOA20.MagnitudeLimit.Minmag", 1.0, 30.0},
    };
    for (const auto& r : ranges) {
        double v = 0;
        EXPECT_TRUE(IsNumber(Ask(r.path), &v)) << zem::ToUtf8(std::wstring_view(r.path));
        EXPECT_TRUE(v >= r.lo && v <= r.hi) << zem::ToUtf8(std::wstring_view(r.path)) << " = " << v;
    }
    // Bright ends never above faint ends.
    for (const wchar_t* prefix : {L"Star.FixedMagnitudeLimit", L"Star.GCVS.FixedMagnitudeLimit", L"Star.WDS.FixedMagnitudeLimit",
                                  L"DeepSkyObject.FixedMagnitudeLimit", L"DeepSkyObject.PGC.FixedMagnitudeLimit"}) {
        double bright = 0, faint = 0;
        IsNumber(Ask(CString(prefix) + L".Maximum"), &bright);
        IsNumber(Ask(CString(prefix) + L".Minimum"), &faint);
        EXPECT_LE(bright, faint) << zem::ToUtf8(std::wstring_view(prefix));
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
        const CString no = L"Constellation.No" + CString(std::to_wstring(n));
        names.push_back(Ask(no + L".JapaneseName").str());
        EXPECT_FALSE(names.back().empty()) << n;
        EXPECT_EQ(Ask(no + L".Selection"), CString(L"TRUE")) << n;
    }
    EXPECT_TRUE(Ask(L"Constellation.No89.JapaneseName").IsEmpty());
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()).size(), 88u);
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(GojuonKey(names[i - 1]), GojuonKey(names[i])) << zem::ToUtf8(std::wstring_view(names[i - 1])) << " / "
                                                               << zem::ToUtf8(std::wstring_view(names[i]));

    // The dialog's presets name constellations by these numbers.
    const std::pair<int, const wchar_t*> zodiac[] = {{16, L"おひつじ"}, {6, L"うお"},   {72, L"みずがめ"}, {79, L"やぎ"},
                                                     {3, L"いて"},      {43, L"さそり"}, {52, L"てんびん"}, {15, L"おとめ"},
                                                     {45, L"しし"},     {21, L"かに"},   {62, L"ふたご"},   {11, L"おうし"}};
    for (const auto& [n, name] : zodiac) EXPECT_EQ(names[static_cast<std::size_t>(n - 1)], name) << n;
    const std::vector<std::pair<const wchar_t*, int>> seasons = {
        {L"オリオン", 17}, {L"しし", 45}, {L"さそり", 43}, {L"はくちょう", 58}, {L"ペガスス", 63},
        {L"みなみじゅうじ", 74}, {L"りゅうこつ", 83}, {L"ろくぶんぎ", 87}, {L"わし", 88}, {L"りょうけん", 84},
    };
    for (const auto& [name, n] : seasons) EXPECT_EQ(names[static_cast<std::size_t>(n - 1)], name) << n;
}

TEST_F(DefaultSky, CatalogsAndPictures) {
    // Deep-sky catalogs end with an empty name; each has a label; one has two prefixes.
    int count = 0, twoPrefixes = 0;
    for (int n = 1; n < 100; ++n) {
        const CString q = L"DeepSkyObject.Catalog.#" + CString(std::to_wstring(n));
        if (Ask(q + L".Name").Trim().IsEmpty()) break;
        ++count;
        EXPECT_FALSE(Ask(q + L".LocalName").Trim().IsEmpty()) << n;
        const CString prefix = Ask(q + L".Prefix");
        const int bar = prefix.Find(L'|');
        if (bar > 0 && bar < prefix.GetLength() - 1) ++twoPrefixes;
    }
    EXPECT_GE(count, 3);
    EXPECT_LT(count, 99);
    EXPECT_GE(twoPrefixes, 1);

    int catalog = -1, autoSwitch = 0, switchCatalog = -1;
    sky_.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
    EXPECT_EQ(catalog, 1);
    EXPECT_EQ(autoSwitch, 0);
    EXPECT_TRUE(switchCatalog >= 2 && switchCatalog <= 5) << switchCatalog;

    const CString file = Ask(L"Constellation.Picture.Image.File");
    EXPECT_TRUE(file.CompareNoCase(L"cnspic\\standard.png") == 0 || file.CompareNoCase(L"cnspic\\lineart.png") == 0 ||
                file.CompareNoCase(L"cnspic\\greek.png") == 0)
        << zem::ToUtf8(file);
    EXPECT_EQ(Ask(L"info.module.datapath"), CString(zem::FromUtf8(kDataDir)));
}

TEST_F(DefaultSky, SavesAndReloadsToTheSameAnswers) {
    CCorQel copy;
    EXPECT_EQ(copy.LoadState(sky_.SaveState()), 0);
    EXPECT_EQ(copy.GetProperties(), sky_.GetProperties());
}

TEST(ShippedData, CustomStarListIsWellFormed) {
    // Read as the star dialog reads it: data path + "\star\customstar\customstar.txt".
    const CString folder = CString(zem::FromUtf8(kDataDir)) + L"\\star\\customstar\\";
    CQelFile file;
    ASSERT_TRUE(file.Open((folder + L"customstar.txt").GetString(), 64, nullptr));
    CString line;
    std::set<std::wstring> names;
    int entries = 0;
    while (file.ReadString(line)) {
        const int tab = line.Find(L'\t');
        ASSERT_GT(tab, 0) << "an entry without a file name or a tab stops the list: " << zem::ToUtf8(line);
        ASSERT_LT(tab, line.GetLength() - 1) << "an entry without a display name stops the list: " << zem::ToUtf8(line);
        CString path = folder + line.Left(tab);
        path.Replace(L'\\', L'/');
        EXPECT_TRUE(std::filesystem::is_regular_file(zem::ToUtf8(path))) << zem::ToUtf8(path);
        names.insert(line.Mid(tab + 1).str());
        ++entries;
    }
    EXPECT_GE(entries, 2);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(entries));
}

}  // namespace
