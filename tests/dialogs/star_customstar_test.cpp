// SPDX-License-Identifier: BSD-3-Clause
// The star dialog's custom star images where the star_customstar scenario does not reach: the list
// as it is written on either platform, the lines that stop it, the shape chosen at opening, and
// the file of a name that two images share.
#include <gtest/gtest.h>

#include <filesystem>

#include "scratch.h"
#include "support.h"

using namespace dlg;

namespace {

const std::vector<std::wstring> kBuiltIn = {L"リアル", L"にじみ星"};
const std::string kList = "star/customstar/customstar.txt";

// The shape list as the dialog offers it on the default sky with changes, with data as its data
// folder.
std::vector<std::wstring> Offered(const scratch::Folder& data, const std::wstring& state = L"", bool mirado = false,
                                  std::wstring* selected = nullptr) {
    Bench b;
    b.LoadSky(state);
    b.engine.SetDataPath(CString(data.Name()));
    auto dlg = MakeStar(b, mirado);
    std::vector<std::wstring> items;
    b.Run(*dlg, {Do([&](CDialog& d) {
                     items = Items(d, IDC_STAR_SHAPE);
                     if (selected) *selected = Selected(d, IDC_STAR_SHAPE);
                 }),
                 Cancel()});
    return items;
}

TEST(StarCustomImages, TheListIsReadAsWrittenOnEitherPlatform) {
    const struct {
        const char* what;
        std::string list;
        std::vector<std::wstring> custom;  // offered after the built-in styles
    } cases[] = {
        {"UTF-8 with a byte-order mark, CRLF", "\xEF\xBB\xBF" "a.png\t十字\r\nb.png\tダイヤ\r\n", {L"十字", L"ダイヤ"}},
        {"UTF-16 with a byte-order mark", scratch::Utf16(u"a.png\tAlpha\r\nb.png\tダイヤ"), {L"Alpha", L"ダイヤ"}},
        // 十字 in CP932 has a backslash for its second byte.
        {"CP932", "a.png\t\x8F\x5C\x8E\x9A\nb.png\t\x83\x5F\x83\x43\x83\x84\n", {L"十字", L"ダイヤ"}},
        {"one name for two files", "a.png\tSame\nb.png\tSame\n", {L"Same", L"Same"}},
        {"an empty list", "", {}},
        // A stopping line: nothing custom is offered at all.
        {"an empty line", "a.png\tA\n\nb.png\tB\n", {}},
        {"a line without a file", "a.png\tA\n\tB\n", {}},
        {"a line ending at its tab", "a.png\tA\nb.png\t\n", {}},
    };
    for (const auto& c : cases) {
        scratch::Folder data;
        data.Write(kList, c.list);
        std::vector<std::wstring> offered = kBuiltIn;
        offered.insert(offered.end(), c.custom.begin(), c.custom.end());
        EXPECT_EQ(Offered(data), offered) << c.what;
    }
    // No list, or a folder where the list should be.
    scratch::Folder none, folder;
    std::filesystem::create_directories(folder.Path() / kList);
    EXPECT_EQ(Offered(none), kBuiltIn);
    EXPECT_EQ(Offered(folder), kBuiltIn);
}

TEST(StarCustomImages, TheShapeShownIsTheEnginesAndAChosenImageWritesItsFile) {
    scratch::Folder data;
    data.Write(kList, "a.png\tAlpha\nb.png\tBeta\nc.png\tAlpha\n");
    const std::wstring folder = data.Name() + L"\\star\\customstar\\";
    const struct {
        std::wstring state;
        bool mirado;
        const wchar_t* shown;
    } cases[] = {
        // An image the list does not have searches the empty text, which finds the first entry.
        {L"Star.Custom.Visible = TRUE; Star.Custom.File = \"elsewhere.png\";", false, L"リアル"},
        {L"Star.Custom.Visible = TRUE; Star.Custom.File = \"" + folder + L"b.png\"; Star.Blur.Visible = TRUE;", false, L"にじみ星"},
        {L"Star.Mirado.Visible = TRUE; Star.Blur.Visible = TRUE;", true, L"にじみ星"},
        {L"Star.Mirado.Visible = TRUE;", false, L"リアル"},
    };
    for (const auto& c : cases) {
        std::wstring shown;
        Offered(data, c.state, c.mirado, &shown);
        EXPECT_EQ(shown, c.shown) << zem::ToUtf8(c.state);
    }

    // Of two images with one name, the first by file is written.
    Bench b;
    b.LoadSky(L"Star.Mirado.Visible = TRUE; Star.Blur.Visible = TRUE;");
    b.engine.SetDataPath(CString(data.Name()));
    auto dlg = MakeStar(b);
    b.Run(*dlg, {Select(IDC_STAR_SHAPE, 4), Ok()});
    const auto sent = b.Scripts();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].find(L"Star.Size = 1.0;Star.custom.file = \"" + folder +
                           L"a.png\";Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = TRUE;"),
              std::wstring::npos)
        << zem::ToUtf8(sent[0]);
}

}  // namespace
