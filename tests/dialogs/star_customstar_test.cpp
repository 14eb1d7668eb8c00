// The star dialog's custom star images: the list file in the engine's data folder as it is
// written on either platform, what of it is offered, the shape chosen at opening, and the file a
// chosen image writes.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "star_support.h"

using namespace bench;
using star::Contains;

namespace {

namespace fs = std::filesystem;

const std::vector<std::wstring> kBuiltIn = {L"リアル", L"にじみ星"};

// A data folder of its own holding star\customstar\customstar.txt (or, for directory, a folder by
// that name), removed afterwards.
class DataFolder {
public:
    explicit DataFolder(const std::string* list, bool directory = false) {
        static std::atomic<int> count{0};
        root_ = fs::temp_directory_path() /
                ("zem_star_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "_" +
                 std::to_string(count++));
        const fs::path folder = root_ / "star" / "customstar";
        fs::create_directories(folder);
        if (directory) fs::create_directories(folder / "customstar.txt");
        if (list) std::ofstream(folder / "customstar.txt", std::ios::binary) << *list;
    }
    ~DataFolder() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    CString Path() const { return CString(zem::FromUtf8(root_.string())); }
    // A file's full path as the dialog writes it.
    std::wstring File(const wchar_t* name) const { return Path().str() + L"\\star\\customstar\\" + name; }

private:
    fs::path root_;
};

std::string Utf16Le(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

// The shape list as the dialog offers it, on the default sky with changes.
std::vector<std::wstring> Offered(const DataFolder& data, const std::wstring& state = L"", bool mirado = false,
                                  std::wstring* selected = nullptr) {
    Bench b;
    star::LoadSky(b, state);
    b.engine.SetDataPath(data.Path());
    star::Dialog dlg(b, mirado);
    std::vector<std::wstring> items;
    b.Run(dlg, {Do([&](CDialog& d) {
                    items = star::Items(d, IDC_STAR_SHAPE);
                    if (selected) *selected = star::Selected(d, IDC_STAR_SHAPE);
                }),
                Cancel()});
    return items;
}

std::vector<std::wstring> WithBuiltIn(std::vector<std::wstring> custom) {
    custom.insert(custom.begin(), kBuiltIn.begin(), kBuiltIn.end());
    return custom;
}

TEST(StarCustomImages, TheListIsReadAsWrittenOnEitherPlatform) {
    const struct {
        const char* what;
        std::string list;
        std::vector<std::wstring> custom;  // offered after the built-in styles
    } cases[] = {
        {"UTF-8 with a byte-order mark, CRLF", "\xEF\xBB\xBF" "a.png\t十字\r\nb.png\tダイヤ\r\n", {L"十字", L"ダイヤ"}},
        {"UTF-16 with a byte-order mark", Utf16Le(L"a.png\tAlpha\r\nb.png\tダイヤ"), {L"Alpha", L"ダイヤ"}},
        // 十字 in CP932 has a backslash for its second byte.
        {"CP932", "a.png\t\x8F\x5C\x8E\x9A\nb.png\t\x83\x5F\x83\x43\x83\x84\n", {L"十字", L"ダイヤ"}},
        {"in the order of the files", "b.png\tBeta\na.png\tAlpha\n", {L"Alpha", L"Beta"}},
        {"a name holding tabs", "a.png\tName\twith\ttabs\n", {L"Name\twith\ttabs"}},
        {"the same file twice", "a.png\tOne\na.png\tTwo\n", {L"Two"}},
        {"one name for two files", "a.png\tSame\nb.png\tSame\n", {L"Same", L"Same"}},
        // A quote would end the file's value in the script: that entry alone is left out.
        {"a file holding a quote", "x\".png\tQuote\ny.png\tPlain\n", {L"Plain"}},
        {"an empty list", "", {}},
        // A stopping line: nothing custom is offered at all.
        {"an empty line", "a.png\tA\n\nb.png\tB\n", {}},
        {"a line without a file", "a.png\tA\n\tB\n", {}},
        {"a line ending at its tab", "a.png\tA\nb.png\t\n", {}},
        {"a last line without a tab", "a.png\tA\nb.png", {}},
    };
    for (const auto& c : cases) {
        DataFolder data(&c.list);
        EXPECT_EQ(Offered(data), WithBuiltIn(c.custom)) << c.what;
    }
    // No list, or a folder where the list should be.
    DataFolder none(nullptr), folder(nullptr, true);
    EXPECT_EQ(Offered(none), kBuiltIn);
    EXPECT_EQ(Offered(folder), kBuiltIn);
    // The named style, where its creator offers it.
    const std::string list = "a.png\tAlpha\n";
    DataFolder data(&list);
    EXPECT_EQ(Offered(data, L"", true), (std::vector<std::wstring>{L"リアル", L"にじみ星", L"MIRADOファンタジー", L"Alpha"}));
}

TEST(StarCustomImages, TheShapeShownIsTheEnginesAndAChosenImageWritesItsFile) {
    const std::string list = "a.png\tAlpha\nb.png\tBeta\nc.png\tAlpha\n";
    DataFolder data(&list);
    const std::wstring custom = L"Star.Custom.Visible = TRUE; Star.Custom.File = \"" + data.File(L"b.png") + L"\";";
    const struct {
        std::wstring state;
        bool mirado;
        const wchar_t* shown;
    } cases[] = {
        {custom, false, L"Beta"},
        {L"Star.Custom.Visible = TRUE; Star.Custom.File = \"elsewhere.png\";", false, L"リアル"},
        {custom + L"Star.Blur.Visible = TRUE;", false, L"にじみ星"},
        {L"Star.Mirado.Visible = TRUE;", true, L"MIRADOファンタジー"},
        {L"Star.Mirado.Visible = TRUE; Star.Blur.Visible = TRUE;", true, L"にじみ星"},
        {L"Star.Mirado.Visible = TRUE;", false, L"リアル"},
    };
    for (const auto& c : cases) {
        std::wstring shown;
        Offered(data, c.state, c.mirado, &shown);
        EXPECT_EQ(shown, c.shown) << zem::ToUtf8(c.state);
    }

    // Choosing an image writes its file; of two images with one name, the first by file.
    const struct {
        int entry;
        const wchar_t* file;
    } chosen[] = {{3, L"b.png"}, {2, L"a.png"}, {4, L"a.png"}};
    for (const auto& c : chosen) {
        Bench b;
        star::LoadSky(b, L"Star.Mirado.Visible = TRUE; Star.Blur.Visible = TRUE;");
        b.engine.SetDataPath(data.Path());
        star::Dialog dlg(b);
        b.Run(dlg, {Select(IDC_STAR_SHAPE, c.entry), Ok()});
        const auto sent = b.Scripts();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_TRUE(Contains(sent[0], L"Star.Size = 1.0;Star.custom.file = \"" + data.File(c.file) +
                                          L"\";Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = TRUE;"))
            << zem::ToUtf8(sent[0]);
    }
}

}  // namespace
